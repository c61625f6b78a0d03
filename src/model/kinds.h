// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a kind is in the model, in one place: the twenty-one component kinds as
// one enumeration and, beside it, each kind's row of the catalogue: the element
// name that stores it in the document, how its pins follow from its holes, and
// everything the toolbox, the explorer, the placement tool and the value
// dialog need. The value of a kind is its row number (toolbox order, which is
// also the picture index of an explorer node). Everything that tells kinds
// apart uses these, never an element name written out or a bare number.
//
// All texts are plain ASCII; use QLatin1String(...) to turn them into QString.

#include <array>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <optional>
#include <pugixml.hpp>
#include <span>

namespace sw::kind {

enum Index : int {
    Text = 0,
    CutTrack = 1,
    SolderPad = 2,
    Trace = 3,
    Jumper = 4,
    Resistor = 5,
    Capacitor = 6,
    Diode = 7,
    Led = 8,
    Electrolyte = 9,
    Transistor = 10,
    DilIc = 11,
    SilIc = 12,
    Trimmer = 13,
    Potentiometer = 14,
    Transformer = 15,
    Switch = 16,
    Wire = 17,
    AudioJack = 18,
    TubeSocket = 19,
    Relay = 20,
};

}  // namespace sw::kind

namespace sw {

// The number of kinds: the size of every table indexed by kind, checked where
// the table is written, so that a new kind does not build until each has its row.
inline constexpr int kKindCount = kind::Relay + 1;

}  // namespace sw

namespace sw {

// How a kind's pins follow from its two holes (model/element_pins.h numbers
// them). Kinds with the same rule share it: a new two-lead kind names TwoEnds.
enum class PinRule {
    None,           // no pins (text, cuts, traces)
    OnePin,         // at hole 1 (pads)
    TwoEnds,        // pin 1 at hole 1, pin 2 at hole 2
    AnodeCathode,   // the same, anode and cathode
    PlusMinus,      // the same, plus and minus
    Transistor,     // hole 1, halfway, hole 2
    DualInLine,     // counterclockwise round a rectangle from hole 1
    Line,           // every hole from hole 1 to hole 2
    Trimmer,
    Potentiometer,
    Transformer,
    Switch,
    Jack,
    Tube,
};
inline constexpr int kPinRuleCount = int(PinRule::Tube) + 1;

// Which boards show the kind's toolbox item.
enum class ToolboxBoards { Always, StripboardOnly, PcbOnly };

// What the value field of the value dialog starts with.
enum class ValueField {
    NoDialog,           // placed at once with the automatic name (Jumper, Cut Track)
    Off,                // dialog shown, value field disabled
    Empty,              // enabled and empty
    DefaultPadSize,     // enabled, filled with the default pad size
    DefaultTraceWidth,  // enabled, filled with the default trace width
};

// How the stored `Value` is formed.
enum class ValueKind {
    None,      // no `Value` attribute is written
    Plain,     // the value field's text alone
    WithUnit,  // the value field's text directly followed by the selected unit
};

// Which entry of the extra list a new component starts with.
enum class ExtraPreselect {
    None,        // the kind has no extra list
    LastColour,  // the last colour chosen for a pad, trace or wire, else the first entry
    Fixed,       // the entry named by `extraDefault`
};

struct CatalogueEntry {
    int index;
    const char* toolboxCaption;
    const char* element;        // the element name that stores it in the document
    const char* prefix;
    const char* category;       // explorer category caption, "[Resistors]"
    const char* statusCaption;  // component pane while placing, "Active: Resistor"
    bool oneClick;              // finishes on the first hole
    const char* firstPrompt;
    const char* secondPrompt;   // nullptr for one-click kinds
    ValueField valueField;
    std::span<const char* const> units;  // empty when the unit list is off
    const char* extraLabel;              // "Color:", "Size:", ...; nullptr when off
    const char* extraAttribute;          // where the choice is stored: "Color", "Size", ...
    std::span<const char* const> extraItems;
    ExtraPreselect extraPreselect;
    const char* extraDefault;  // the preselected entry when `extraPreselect` is Fixed
    ValueKind valueKind;
    bool changeValue;        // the context menu offers Change Value
    bool startsExpanded;     // the explorer category expands when it receives an entry
    ToolboxBoards toolbox;
    int picture;             // index in the component image list
    int toolboxPicture;      // the toolbox item's picture (differs for the potentiometer)
    PinRule pins;            // how its pins follow from its holes (element_pins.h)

    bool HasDialog() const { return valueField != ValueField::NoDialog; }
    bool HasUnits() const { return !units.empty(); }
    bool HasExtra() const { return extraLabel != nullptr; }
};

namespace kind_rows {

inline constexpr const char* kSource = "Click on source hole...";
inline constexpr const char* kDestination = "Click on destination hole...";
inline constexpr const char* kDestinationGreen = "Click on destination hole marked green...";

inline constexpr std::array<const char*, 0> kNone{};
inline constexpr std::array kColours{"Black", "Brown", "Blue", "Red", "Green", "Orange", "Gray"};
inline constexpr std::array kPixels{"px"};
inline constexpr std::array kOhms{"R", "K", "M"};
inline constexpr std::array kFarads{"pF", "nF", "uF"};
inline constexpr std::array kElectrolyteFarads{"nF", "uF"};
inline constexpr std::array kTrimmerUnits{"R",     "K",     "M",     "R Log", "K Log",
                                   "M Log", "R Lin", "K Lin", "M Lin"};
inline constexpr std::array kSizes{"Small", "Medium", "Large"};
inline constexpr std::array kTapers{"Linear", "Audio", "Reverse Audio"};
inline constexpr std::array kJackTypes{"Mono", "Stereo"};
inline constexpr std::array kTubeTypes{"Noval", "Octal"};

using VF = ValueField;
using VK = ValueKind;
using EP = ExtraPreselect;
using TB = ToolboxBoards;
using PR = PinRule;

// A row of the common shape (its element name and pin rule given): a two-click kind with the usual prompts, a dialog
// with an empty value field, no units and no extra list, Change Value offered,
// expanded in the explorer, on every board.
constexpr CatalogueEntry Plain(kind::Index index, const char* element, PinRule pins,
                               const char* caption, const char* prefix, const char* category,
                               const char* status) {
    return {index,      caption,    element,  prefix,    category, status,  false,
            kSource,    kDestination, VF::Empty, kNone, nullptr, nullptr, kNone,
            EP::None,   nullptr,    VK::Plain, true,   true,     TB::Always, index,
            index,      pins};
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

inline constexpr std::array<CatalogueEntry, kKindCount> kCatalogue{
    Collapsed(OneClick(Plain(kind::Text, "Text", PR::None, "Text", "A", "[Text]", "Active: Text"),
                       "Click on desired text position...")),
    OnBoards(Collapsed(NoValue(OneClick(Plain(kind::CutTrack, "Cut", PR::None, "Cut Track", "X", "[Cut Track]",
                                              "Active: Cut Track"),
                                        kSource),
                               VF::NoDialog)),
             TB::StripboardOnly),
    OnBoards(Collapsed(WithExtra(
                 WithUnits(WithValueField(OneClick(Plain(kind::SolderPad, "Pad", PR::OnePin, "Solder Pad", "P",
                                                         "[Solder Pads]", "Active: Solder Pad"),
                                                   kSource),
                                          VF::DefaultPadSize),
                           kPixels),
                 "Color:", "Color", kColours, EP::LastColour, nullptr)),
             TB::PcbOnly),
    OnBoards(Collapsed(WithExtra(
                 WithUnits(WithValueField(Plain(kind::Trace, "Trace", PR::None, "Trace", "T", "[Trace]",
                                                "Active: Trace"),
                                          VF::DefaultTraceWidth),
                           kPixels),
                 "Color:", "Color", kColours, EP::LastColour, nullptr)),
             TB::PcbOnly),
    Collapsed(NoValue(Plain(kind::Jumper, "Jumper", PR::TwoEnds, "Jumper", "J", "[Jumper]", "Active: Jumper"),
                      VF::NoDialog)),
    WithUnits(Plain(kind::Resistor, "Resistor", PR::TwoEnds, "Resistor", "R", "[Resistors]", "Active: Resistor"), kOhms),
    WithUnits(Plain(kind::Capacitor, "Capacitor", PR::TwoEnds, "Capacitor", "C", "[Capacitors]", "Active: Capacitor"),
              kFarads),
    WithPrompts(Plain(kind::Diode, "Diode", PR::AnodeCathode, "Diode", "D", "[Diodes]", "Active: Diode"),
                "Click on anode hole...", "Click on cathode hole..."),
    WithPrompts(Plain(kind::Led, "Led", PR::AnodeCathode, "LED", "D", "[LED]", "Active: LED"), "Click on anode hole...",
                "Click on cathode hole..."),
    WithExtra(WithUnits(WithPrompts(Plain(kind::Electrolyte, "Electrolyte", PR::PlusMinus, "Electrolyte", "C",
                                          "[Electrolytes]", "Active: Electrolyte"),
                                    "Click on positive hole...", "Click on negative hole..."),
                        kElectrolyteFarads),
              "Size:", "Size", kSizes, EP::Fixed, "Medium"),
    WithPrompts(Plain(kind::Transistor, "Transistor", PR::Transistor, "Transistor", "Q", "[Transistors]", "Active: Transistor"),
                kSource, kDestinationGreen),
    WithPrompts(Plain(kind::DilIc, "IC", PR::DualInLine, "DIL IC", "IC", "[DIL IC]", "Active: DIL IC"),
                "Click on first pin hole...", "Click on last pin hole..."),
    WithPrompts(Plain(kind::SilIc, "LineIC", PR::Line, "SIL IC", "IC", "[SIL IC]", "Active: SIL IC"),
                "Click on first pin hole...", "Click on last pin hole..."),
    WithUnits(WithPrompts(Plain(kind::Trimmer, "Trimmer", PR::Trimmer, "Trimmer", "VR", "[Trimmers]", "Active: Trimmer"),
                          "Click on trimmer's pin 2 hole...",
                          "Click on trimmer's pin 1 hole (hole color determines trimmer type)..."),
              kTrimmerUnits),
    // The toolbox shows the potentiometer with the trimmer's picture.
    ToolboxPicture(
        WithExtra(WithUnits(WithPrompts(Plain(kind::Potentiometer, "Pot", PR::Potentiometer, "Potentiometer", "P",
                                              "[Potentiometers]", "Active: Potentiometer"),
                                        kSource, kDestinationGreen),
                            kOhms),
                  "Taper:", "Taper", kTapers, EP::Fixed, "Linear"),
        13),
    Plain(kind::Transformer, "Transformer", PR::Transformer, "Transformer", "TR", "[Transformer]", "Active: Transformer"),
    Plain(kind::Switch, "Switch", PR::Switch, "Switch", "S", "[Switch]", "Active: Switch"),
    WithExtra(NoValue(Plain(kind::Wire, "Wire", PR::TwoEnds, "Wire", "W", "[Wire]", "Active: Wire"), VF::Off),
              "Color:", "Color", kColours, EP::Fixed, "Black"),
    WithExtra(NoValue(OneClick(Plain(kind::AudioJack, "Jack", PR::Jack, "Audio Jack", "J", "[Audio Jack]",
                                     "Active: Audio Jack"),
                               kSource),
                      VF::Off),
              "Type:", "Type", kJackTypes, EP::Fixed, "Mono"),
    WithExtra(WithPrompts(Plain(kind::TubeSocket, "Tube", PR::Tube, "Tube Socket", "V", "[Tube Socket]",
                                "Active: Tube Socket"),
                          kSource, kDestinationGreen),
              "Type:", "Type", kTubeTypes, EP::Fixed, "Noval"),
    Plain(kind::Relay, "Relay", PR::DualInLine, "Relay", "REL", "[Relay]", "Active: Relay"),
};

// The table's own consistency: rows in index order.
constexpr bool RowsInOrder() {
    for (int i = 0; i < kKindCount; ++i)
        if (kCatalogue[size_t(i)].index != i)
            return false;
    return true;
}
static_assert(RowsInOrder());

}  // namespace kind_rows

// Every kind's row, in kind order.
using kind_rows::kCatalogue;

// The element name of a kind ("Pad" for kind::SolderPad).
constexpr const char* ElementName(kind::Index kind) { return kCatalogue[size_t(kind)].element; }
// Whether `element` stores a component of `kind`.
inline bool IsKind(pugi::xml_node element, kind::Index kind) {
    return std::strcmp(element.name(), ElementName(kind)) == 0;
}
// Whether `element` stores a component of any of `kinds`.
template <std::size_t N>
bool IsAnyKind(pugi::xml_node element, const kind::Index (&kinds)[N]) {
    for (kind::Index kind : kinds)
        if (IsKind(element, kind))
            return true;
    return false;
}
// The kind `element` stores; nothing for an element that is no component.
std::optional<kind::Index> KindOf(pugi::xml_node element);

// The row of a layer's kind table (one row per kind, in kind order) for the
// kind `element` stores; nullptr for an element that is no component.
template <class Row, std::size_t N>
const Row* KindRow(const Row (&table)[N], pugi::xml_node element) {
    static_assert(N == std::size_t(kKindCount), "every kind has a row");
    const std::optional<kind::Index> kind = KindOf(element);
    return kind ? &table[*kind] : nullptr;
}

}  // namespace sw
