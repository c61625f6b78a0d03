// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include "model/layout_document.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace sw {
namespace {

std::vector<std::string> Strings(std::span<const char* const> items) {
    return {items.begin(), items.end()};
}

TEST(Catalogue, LookupByIndexAndElementAgree) {
    ASSERT_EQ(Catalogue().size(), size_t(kKindCount));
    std::set<std::string> elements;
    for (int i = 0; i < kKindCount; ++i) {
        const CatalogueEntry* row = FindKind(i);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->index, i);
        EXPECT_EQ(FindKind(row->element), row) << row->element;
        EXPECT_EQ(FindKind(QString::fromLatin1(row->element)), row) << row->element;
        EXPECT_TRUE(LayoutDocument::IsComponentKind(row->element)) << row->element;
        elements.insert(row->element);
    }
    EXPECT_EQ(elements.size(), size_t(kKindCount));
    for (int bad : {-1, 21, 1000})
        EXPECT_EQ(FindKind(bad), nullptr) << bad;
    for (const char* bad : {"resistor", "Potentiometer", "LED", "", "Layout", "Resistor "})
        EXPECT_EQ(FindKind(bad), nullptr) << bad;
    EXPECT_EQ(FindKind(static_cast<const char*>(nullptr)), nullptr);
}

TEST(Catalogue, IdentityColumnsOfRowsThatDifferFromTheirCaption) {
    struct Case {
        const char* element;
        int index;
        const char* caption;
        const char* prefix;
        const char* category;
        const char* status;
    };
    const Case cases[] = {
        {"Text", 0, "Text", "A", "[Text]", "Active: Text"},
        {"Cut", 1, "Cut Track", "X", "[Cut Track]", "Active: Cut Track"},
        {"Pad", 2, "Solder Pad", "P", "[Solder Pads]", "Active: Solder Pad"},
        {"Led", 8, "LED", "D", "[LED]", "Active: LED"},
        {"IC", 11, "DIL IC", "IC", "[DIL IC]", "Active: DIL IC"},
        {"LineIC", 12, "SIL IC", "IC", "[SIL IC]", "Active: SIL IC"},
        {"Trimmer", 13, "Trimmer", "VR", "[Trimmers]", "Active: Trimmer"},
        {"Pot", 14, "Potentiometer", "P", "[Potentiometers]", "Active: Potentiometer"},
        {"Transformer", 15, "Transformer", "TR", "[Transformer]", "Active: Transformer"},
        {"Jack", 18, "Audio Jack", "J", "[Audio Jack]", "Active: Audio Jack"},
        {"Tube", 19, "Tube Socket", "V", "[Tube Socket]", "Active: Tube Socket"},
        {"Relay", 20, "Relay", "REL", "[Relay]", "Active: Relay"},
    };
    for (const Case& c : cases) {
        const CatalogueEntry* row = FindKind(c.element);
        ASSERT_NE(row, nullptr) << c.element;
        EXPECT_EQ(row->index, c.index) << c.element;
        EXPECT_STREQ(row->toolboxCaption, c.caption);
        EXPECT_STREQ(row->prefix, c.prefix) << c.element;
        EXPECT_STREQ(row->category, c.category);
        EXPECT_STREQ(row->statusCaption, c.status);
    }
}

TEST(Catalogue, SharedPrefixes) {
    std::map<std::string, std::set<std::string>> byPrefix;
    for (const CatalogueEntry& row : Catalogue())
        byPrefix[row.prefix].insert(row.element);
    using S = std::set<std::string>;
    EXPECT_EQ(byPrefix["J"], (S{"Jumper", "Jack"}));
    EXPECT_EQ(byPrefix["P"], (S{"Pad", "Pot"}));
    EXPECT_EQ(byPrefix["C"], (S{"Capacitor", "Electrolyte"}));
    EXPECT_EQ(byPrefix["D"], (S{"Diode", "Led"}));
    EXPECT_EQ(byPrefix["IC"], (S{"IC", "LineIC"}));
    EXPECT_EQ(byPrefix.size(), size_t(kKindCount - 5));
}

TEST(Catalogue, ClicksAndPrompts) {
    std::set<std::string> oneClick;
    for (const CatalogueEntry& row : Catalogue()) {
        if (row.oneClick) {
            oneClick.insert(row.element);
            EXPECT_EQ(row.secondPrompt, nullptr) << row.element;
        } else {
            EXPECT_NE(row.secondPrompt, nullptr) << row.element;
        }
    }
    EXPECT_EQ(oneClick, (std::set<std::string>{"Text", "Cut", "Pad", "Jack"}));
    for (const char* element : {"Text", "Cut", "Pad", "Jack"})
        EXPECT_EQ(LayoutDocument::IsOneHoleKind(element), true) << element;

    struct Case { const char* element; const char* first; const char* second; };
    const Case cases[] = {
        {"Text", "Click on desired text position...", nullptr},
        {"Jack", "Click on source hole...", nullptr},
        {"Resistor", "Click on source hole...", "Click on destination hole..."},
        {"Led", "Click on anode hole...", "Click on cathode hole..."},
        {"Electrolyte", "Click on positive hole...", "Click on negative hole..."},
        {"Transistor", "Click on source hole...", "Click on destination hole marked green..."},
        {"LineIC", "Click on first pin hole...", "Click on last pin hole..."},
        {"Trimmer", "Click on trimmer's pin 2 hole...",
         "Click on trimmer's pin 1 hole (hole color determines trimmer type)..."},
        {"Pot", "Click on source hole...", "Click on destination hole marked green..."},
        {"Tube", "Click on source hole...", "Click on destination hole marked green..."},
        {"Relay", "Click on source hole...", "Click on destination hole..."},
    };
    for (const Case& c : cases) {
        const CatalogueEntry* row = FindKind(c.element);
        EXPECT_STREQ(row->firstPrompt, c.first) << c.element;
        if (c.second)
            EXPECT_STREQ(row->secondPrompt, c.second) << c.element;
    }
}

TEST(Catalogue, ValueDialogFields) {
    using V = std::vector<std::string>;
    const V colours{"Black", "Brown", "Blue", "Red", "Green", "Orange", "Gray"};
    EXPECT_EQ(Strings(ColourNames()), colours);
    struct Case {
        const char* element;
        ValueField field;
        V units;
        const char* label;      // nullptr: no extra list
        const char* attribute;
        V extra;
        ExtraPreselect preselect;
        const char* preselected;
        ValueKind value;
    };
    using F = ValueField;
    using P = ExtraPreselect;
    using K = ValueKind;
    const Case cases[] = {
        {"Text", F::Empty, {}, nullptr, nullptr, {}, P::None, nullptr, K::Plain},
        {"Cut", F::NoDialog, {}, nullptr, nullptr, {}, P::None, nullptr, K::None},
        {"Pad", F::DefaultPadSize, {"px"}, "Color:", "Color", colours, P::LastColour, nullptr,
         K::WithUnit},
        {"Trace", F::DefaultTraceWidth, {"px"}, "Color:", "Color", colours, P::LastColour,
         nullptr, K::WithUnit},
        {"Jumper", F::NoDialog, {}, nullptr, nullptr, {}, P::None, nullptr, K::None},
        {"Resistor", F::Empty, {"R", "K", "M"}, nullptr, nullptr, {}, P::None, nullptr,
         K::WithUnit},
        {"Capacitor", F::Empty, {"pF", "nF", "uF"}, nullptr, nullptr, {}, P::None, nullptr,
         K::WithUnit},
        {"Diode", F::Empty, {}, nullptr, nullptr, {}, P::None, nullptr, K::Plain},
        {"Electrolyte", F::Empty, {"nF", "uF"}, "Size:", "Size", {"Small", "Medium", "Large"},
         P::Fixed, "Medium", K::WithUnit},
        {"Trimmer", F::Empty,
         {"R", "K", "M", "R Log", "K Log", "M Log", "R Lin", "K Lin", "M Lin"}, nullptr, nullptr,
         {}, P::None, nullptr, K::WithUnit},
        {"Pot", F::Empty, {"R", "K", "M"}, "Taper:", "Taper", {"Linear", "Audio", "Reverse Audio"},
         P::Fixed, "Linear", K::WithUnit},
        {"Transformer", F::Empty, {}, nullptr, nullptr, {}, P::None, nullptr, K::Plain},
        {"Wire", F::Off, {}, "Color:", "Color", colours, P::Fixed, "Black", K::None},
        {"Jack", F::Off, {}, "Type:", "Type", {"Mono", "Stereo"}, P::Fixed, "Mono", K::None},
        {"Tube", F::Empty, {}, "Type:", "Type", {"Noval", "Octal"}, P::Fixed, "Noval", K::Plain},
        {"Relay", F::Empty, {}, nullptr, nullptr, {}, P::None, nullptr, K::Plain},
    };
    for (const Case& c : cases) {
        const CatalogueEntry* row = FindKind(c.element);
        ASSERT_NE(row, nullptr) << c.element;
        EXPECT_EQ(row->valueField, c.field) << c.element;
        EXPECT_EQ(row->HasDialog(), c.field != F::NoDialog) << c.element;
        EXPECT_EQ(Strings(row->units), c.units) << c.element;
        EXPECT_EQ(row->HasExtra(), c.label != nullptr) << c.element;
        if (c.label) {
            EXPECT_STREQ(row->extraLabel, c.label) << c.element;
            EXPECT_STREQ(row->extraAttribute, c.attribute) << c.element;
        }
        EXPECT_EQ(Strings(row->extraItems), c.extra) << c.element;
        EXPECT_EQ(row->extraPreselect, c.preselect) << c.element;
        if (c.preselected)
            EXPECT_STREQ(row->extraDefault, c.preselected) << c.element;
        EXPECT_EQ(row->valueKind, c.value) << c.element;
        // A kind writes a unit exactly when it offers units.
        EXPECT_EQ(row->HasUnits(), c.value == K::WithUnit) << c.element;
    }
}

TEST(Catalogue, ExplorerAndMenuFlags) {
    std::set<std::string> noChangeValue, collapsed;
    for (const CatalogueEntry& row : Catalogue()) {
        if (!row.changeValue)
            noChangeValue.insert(row.element);
        if (!row.startsExpanded)
            collapsed.insert(row.element);
    }
    using S = std::set<std::string>;
    EXPECT_EQ(noChangeValue, (S{"Cut", "Jumper", "Wire", "Jack"}));
    EXPECT_EQ(collapsed, (S{"Pad", "Trace", "Cut", "Jumper", "Text"}));
}

TEST(Catalogue, PicturesFollowTheIndexExceptThePotentiometersToolboxItem) {
    for (const CatalogueEntry& row : Catalogue()) {
        EXPECT_EQ(row.picture, row.index) << row.element;
        EXPECT_EQ(row.toolboxPicture, row.index == 14 ? 13 : row.index) << row.element;
    }
}

TEST(Catalogue, BoardTypeDecidesTheBoardDependentTools) {
    struct Case { const char* type; std::optional<BoardTools> tools; };
    const Case cases[] = {
        {"PCB", BoardTools{false, true, true, true}},
        {"Stripboard", BoardTools{true, false, false, false}},
        {"Perfboard", BoardTools{false, false, false, false}},
        {"pcb", std::nullopt},
        {"", std::nullopt},
        {"Veroboard", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToolsForBoardType(QString::fromLatin1(c.type)), c.tools) << c.type;

    // The toolbox item rule per kind agrees with the tools table.
    const QString pcb = QStringLiteral("PCB"), strip = QStringLiteral("Stripboard"),
                  perf = QStringLiteral("Perfboard"), other = QStringLiteral("Other");
    for (const CatalogueEntry& row : Catalogue()) {
        const std::string e = row.element;
        if (e == "Cut") {
            EXPECT_EQ(ToolboxShows(row, strip), true);
            EXPECT_EQ(ToolboxShows(row, pcb), false);
            EXPECT_EQ(ToolboxShows(row, perf), false);
            EXPECT_EQ(ToolboxShows(row, other), std::nullopt);
        } else if (e == "Pad" || e == "Trace") {
            EXPECT_EQ(ToolboxShows(row, strip), false) << e;
            EXPECT_EQ(ToolboxShows(row, pcb), true) << e;
            EXPECT_EQ(ToolboxShows(row, perf), false) << e;
            EXPECT_EQ(ToolboxShows(row, other), std::nullopt) << e;
        } else {
            for (const QString& type : {pcb, strip, perf, other})
                EXPECT_EQ(ToolboxShows(row, type), true) << e;
        }
    }
}

}  // namespace
}  // namespace sw
