// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"

#include "model/kinds.h"

#include <array>
#include <cstring>

namespace sw {
namespace {

constexpr const char* kSource = "Click on source hole...";
constexpr const char* kDestination = "Click on destination hole...";
constexpr const char* kDestinationGreen = "Click on destination hole marked green...";

constexpr std::array<const char*, 0> kNone{};
constexpr std::array kColours{"Black", "Brown", "Blue", "Red", "Green", "Orange", "Gray"};
constexpr std::array kPixels{"px"};
constexpr std::array kOhms{"R", "K", "M"};
constexpr std::array kFarads{"pF", "nF", "uF"};
constexpr std::array kElectrolyteFarads{"nF", "uF"};
constexpr std::array kTrimmerUnits{"R",     "K",     "M",     "R Log", "K Log",
                                   "M Log", "R Lin", "K Lin", "M Lin"};
constexpr std::array kSizes{"Small", "Medium", "Large"};
constexpr std::array kTapers{"Linear", "Audio", "Reverse Audio"};
constexpr std::array kJackTypes{"Mono", "Stereo"};
constexpr std::array kTubeTypes{"Noval", "Octal"};

using VF = ValueField;
using VK = ValueKind;
using EP = ExtraPreselect;
using TB = ToolboxBoards;

// A row of the common shape: a two-click kind with the usual prompts, a dialog
// with an empty value field, no units and no extra list, Change Value offered,
// expanded in the explorer, on every board.
constexpr CatalogueEntry Plain(kind::Index index, const char* caption, const char* prefix,
                               const char* category, const char* status) {
    return {index,      caption,    ElementName(index), prefix,    category, status,  false,
            kSource,    kDestination, VF::Empty, kNone, nullptr, nullptr, kNone,
            EP::None,   nullptr,    VK::Plain, true,   true,     TB::Always, index,
            index};
}

constexpr CatalogueEntry WithPrompts(CatalogueEntry e, const char* first, const char* second) {
    e.firstPrompt = first;
    e.secondPrompt = second;
    return e;
}

constexpr CatalogueEntry OneClick(CatalogueEntry e, const char* first) {
    e.oneClick = true;
    e.firstPrompt = first;
    e.secondPrompt = nullptr;
    return e;
}

constexpr CatalogueEntry WithUnits(CatalogueEntry e, std::span<const char* const> units) {
    e.units = units;
    e.valueKind = VK::WithUnit;
    return e;
}

constexpr CatalogueEntry WithExtra(CatalogueEntry e, const char* label, const char* attribute,
                                   std::span<const char* const> items, EP preselect,
                                   const char* fixed) {
    e.extraLabel = label;
    e.extraAttribute = attribute;
    e.extraItems = items;
    e.extraPreselect = preselect;
    e.extraDefault = fixed;
    return e;
}

constexpr CatalogueEntry Collapsed(CatalogueEntry e) {
    e.startsExpanded = false;
    return e;
}

constexpr CatalogueEntry NoValue(CatalogueEntry e, VF field) {
    e.valueField = field;
    e.valueKind = VK::None;
    e.changeValue = false;
    return e;
}

constexpr CatalogueEntry OnBoards(CatalogueEntry e, TB boards) {
    e.toolbox = boards;
    return e;
}

constexpr CatalogueEntry WithValueField(CatalogueEntry e, VF field) {
    e.valueField = field;
    return e;
}

constexpr CatalogueEntry ToolboxPicture(CatalogueEntry e, int picture) {
    e.toolboxPicture = picture;
    return e;
}

constexpr std::array<CatalogueEntry, kKindCount> kCatalogue{
    Collapsed(OneClick(Plain(kind::Text, "Text", "A", "[Text]", "Active: Text"),
                       "Click on desired text position...")),
    OnBoards(Collapsed(NoValue(OneClick(Plain(kind::CutTrack, "Cut Track", "X", "[Cut Track]",
                                              "Active: Cut Track"),
                                        kSource),
                               VF::NoDialog)),
             TB::StripboardOnly),
    OnBoards(Collapsed(WithExtra(
                 WithUnits(WithValueField(OneClick(Plain(kind::SolderPad, "Solder Pad", "P",
                                                         "[Solder Pads]", "Active: Solder Pad"),
                                                   kSource),
                                          VF::DefaultPadSize),
                           kPixels),
                 "Color:", "Color", kColours, EP::LastColour, nullptr)),
             TB::PcbOnly),
    OnBoards(Collapsed(WithExtra(
                 WithUnits(WithValueField(Plain(kind::Trace, "Trace", "T", "[Trace]",
                                                "Active: Trace"),
                                          VF::DefaultTraceWidth),
                           kPixels),
                 "Color:", "Color", kColours, EP::LastColour, nullptr)),
             TB::PcbOnly),
    Collapsed(NoValue(Plain(kind::Jumper, "Jumper", "J", "[Jumper]", "Active: Jumper"),
                      VF::NoDialog)),
    WithUnits(Plain(kind::Resistor, "Resistor", "R", "[Resistors]", "Active: Resistor"), kOhms),
    WithUnits(Plain(kind::Capacitor, "Capacitor", "C", "[Capacitors]", "Active: Capacitor"),
              kFarads),
    WithPrompts(Plain(kind::Diode, "Diode", "D", "[Diodes]", "Active: Diode"),
                "Click on anode hole...", "Click on cathode hole..."),
    WithPrompts(Plain(kind::Led, "LED", "D", "[LED]", "Active: LED"), "Click on anode hole...",
                "Click on cathode hole..."),
    WithExtra(WithUnits(WithPrompts(Plain(kind::Electrolyte, "Electrolyte", "C",
                                          "[Electrolytes]", "Active: Electrolyte"),
                                    "Click on positive hole...", "Click on negative hole..."),
                        kElectrolyteFarads),
              "Size:", "Size", kSizes, EP::Fixed, "Medium"),
    WithPrompts(Plain(kind::Transistor, "Transistor", "Q", "[Transistors]", "Active: Transistor"),
                kSource, kDestinationGreen),
    WithPrompts(Plain(kind::DilIc, "DIL IC", "IC", "[DIL IC]", "Active: DIL IC"),
                "Click on first pin hole...", "Click on last pin hole..."),
    WithPrompts(Plain(kind::SilIc, "SIL IC", "IC", "[SIL IC]", "Active: SIL IC"),
                "Click on first pin hole...", "Click on last pin hole..."),
    WithUnits(WithPrompts(Plain(kind::Trimmer, "Trimmer", "VR", "[Trimmers]", "Active: Trimmer"),
                          "Click on trimmer's pin 2 hole...",
                          "Click on trimmer's pin 1 hole (hole color determines trimmer type)..."),
              kTrimmerUnits),
    // The toolbox shows the potentiometer with the trimmer's picture.
    ToolboxPicture(
        WithExtra(WithUnits(WithPrompts(Plain(kind::Potentiometer, "Potentiometer", "P",
                                              "[Potentiometers]", "Active: Potentiometer"),
                                        kSource, kDestinationGreen),
                            kOhms),
                  "Taper:", "Taper", kTapers, EP::Fixed, "Linear"),
        13),
    Plain(kind::Transformer, "Transformer", "TR", "[Transformer]", "Active: Transformer"),
    Plain(kind::Switch, "Switch", "S", "[Switch]", "Active: Switch"),
    WithExtra(NoValue(Plain(kind::Wire, "Wire", "W", "[Wire]", "Active: Wire"), VF::Off),
              "Color:", "Color", kColours, EP::Fixed, "Black"),
    WithExtra(NoValue(OneClick(Plain(kind::AudioJack, "Audio Jack", "J", "[Audio Jack]",
                                     "Active: Audio Jack"),
                               kSource),
                      VF::Off),
              "Type:", "Type", kJackTypes, EP::Fixed, "Mono"),
    WithExtra(WithPrompts(Plain(kind::TubeSocket, "Tube Socket", "V", "[Tube Socket]",
                                "Active: Tube Socket"),
                          kSource, kDestinationGreen),
              "Type:", "Type", kTubeTypes, EP::Fixed, "Noval"),
    Plain(kind::Relay, "Relay", "REL", "[Relay]", "Active: Relay"),
};

// The table's own consistency: rows in index order.
constexpr bool RowsInOrder() {
    for (int i = 0; i < kKindCount; ++i)
        if (kCatalogue[size_t(i)].index != i)
            return false;
    return true;
}
static_assert(RowsInOrder());

}  // namespace

std::span<const char* const> ColourNames() { return kColours; }

std::span<const CatalogueEntry> Catalogue() { return kCatalogue; }

const CatalogueEntry* FindKind(int index) {
    if (index < 0 || index >= kKindCount)
        return nullptr;
    return &kCatalogue[size_t(index)];
}

const CatalogueEntry* FindKind(const char* element) {
    if (!element)
        return nullptr;
    // Every layer of every repaint asks this of every element: the first
    // letter rules out most rows before a whole comparison.
    for (const CatalogueEntry& row : kCatalogue)
        if (row.element[0] == element[0] && std::strcmp(row.element, element) == 0)
            return &row;
    return nullptr;
}

const CatalogueEntry* FindKind(const QString& element) {
    return FindKind(element.toUtf8().constData());
}

std::optional<BoardTools> ToolsForBoardType(const QString& boardType) {
    if (boardType == QLatin1String("PCB"))
        return BoardTools{false, true, true, true};
    if (boardType == QLatin1String("Stripboard"))
        return BoardTools{true, false, false, false};
    if (boardType == QLatin1String("Perfboard"))
        return BoardTools{false, false, false, false};
    return std::nullopt;
}

std::optional<bool> ToolboxShows(const CatalogueEntry& kind, const QString& boardType) {
    if (kind.toolbox == ToolboxBoards::Always)
        return true;
    const std::optional<BoardTools> tools = ToolsForBoardType(boardType);
    if (!tools)
        return std::nullopt;
    return kind.toolbox == ToolboxBoards::StripboardOnly ? tools->cutTrack : tools->solderPad;
}

}  // namespace sw
