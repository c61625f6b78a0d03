#include "model/catalogue.h"

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
constexpr CatalogueEntry Plain(int index, const char* caption, const char* element,
                               const char* prefix, const char* category, const char* status) {
    return {index,      caption,    element, prefix,    category, status,  false,
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
    Collapsed(OneClick(Plain(0, "Text", "Text", "A", "[Text]", "Active: Text"),
                       "Click on desired text position...")),
    OnBoards(Collapsed(NoValue(OneClick(Plain(1, "Cut Track", "Cut", "X", "[Cut Track]",
                                              "Active: Cut Track"),
                                        kSource),
                               VF::NoDialog)),
             TB::StripboardOnly),
    OnBoards(Collapsed(WithExtra(
                 WithUnits(WithValueField(OneClick(Plain(2, "Solder Pad", "Pad", "P",
                                                         "[Solder Pads]", "Active: Solder Pad"),
                                                   kSource),
                                          VF::DefaultPadSize),
                           kPixels),
                 "Color:", "Color", kColours, EP::LastColour, nullptr)),
             TB::PcbOnly),
    OnBoards(Collapsed(WithExtra(
                 WithUnits(WithValueField(Plain(3, "Trace", "Trace", "T", "[Trace]",
                                                "Active: Trace"),
                                          VF::DefaultTraceWidth),
                           kPixels),
                 "Color:", "Color", kColours, EP::LastColour, nullptr)),
             TB::PcbOnly),
    Collapsed(NoValue(Plain(4, "Jumper", "Jumper", "J", "[Jumper]", "Active: Jumper"),
                      VF::NoDialog)),
    WithUnits(Plain(5, "Resistor", "Resistor", "R", "[Resistors]", "Active: Resistor"), kOhms),
    WithUnits(Plain(6, "Capacitor", "Capacitor", "C", "[Capacitors]", "Active: Capacitor"),
              kFarads),
    WithPrompts(Plain(7, "Diode", "Diode", "D", "[Diodes]", "Active: Diode"),
                "Click on anode hole...", "Click on cathode hole..."),
    WithPrompts(Plain(8, "LED", "Led", "D", "[LED]", "Active: LED"), "Click on anode hole...",
                "Click on cathode hole..."),
    WithExtra(WithUnits(WithPrompts(Plain(9, "Electrolyte", "Electrolyte", "C",
                                          "[Electrolytes]", "Active: Electrolyte"),
                                    "Click on positive hole...", "Click on negative hole..."),
                        kElectrolyteFarads),
              "Size:", "Size", kSizes, EP::Fixed, "Medium"),
    WithPrompts(Plain(10, "Transistor", "Transistor", "Q", "[Transistors]", "Active: Transistor"),
                kSource, kDestinationGreen),
    WithPrompts(Plain(11, "DIL IC", "IC", "IC", "[DIL IC]", "Active: DIL IC"),
                "Click on first pin hole...", "Click on last pin hole..."),
    WithPrompts(Plain(12, "SIL IC", "LineIC", "IC", "[SIL IC]", "Active: SIL IC"),
                "Click on first pin hole...", "Click on last pin hole..."),
    WithUnits(WithPrompts(Plain(13, "Trimmer", "Trimmer", "VR", "[Trimmers]", "Active: Trimmer"),
                          "Click on trimmer's pin 2 hole...",
                          "Click on trimmer's pin 1 hole (hole color determines trimmer type)..."),
              kTrimmerUnits),
    // The toolbox shows the potentiometer with the trimmer's picture.
    ToolboxPicture(
        WithExtra(WithUnits(WithPrompts(Plain(14, "Potentiometer", "Pot", "P",
                                              "[Potentiometers]", "Active: Potentiometer"),
                                        kSource, kDestinationGreen),
                            kOhms),
                  "Taper:", "Taper", kTapers, EP::Fixed, "Linear"),
        13),
    Plain(15, "Transformer", "Transformer", "TR", "[Transformer]", "Active: Transformer"),
    Plain(16, "Switch", "Switch", "S", "[Switch]", "Active: Switch"),
    WithExtra(NoValue(Plain(17, "Wire", "Wire", "W", "[Wire]", "Active: Wire"), VF::Off),
              "Color:", "Color", kColours, EP::Fixed, "Black"),
    WithExtra(NoValue(OneClick(Plain(18, "Audio Jack", "Jack", "J", "[Audio Jack]",
                                     "Active: Audio Jack"),
                               kSource),
                      VF::Off),
              "Type:", "Type", kJackTypes, EP::Fixed, "Mono"),
    WithExtra(WithPrompts(Plain(19, "Tube Socket", "Tube", "V", "[Tube Socket]",
                                "Active: Tube Socket"),
                          kSource, kDestinationGreen),
              "Type:", "Type", kTubeTypes, EP::Fixed, "Noval"),
    Plain(20, "Relay", "Relay", "REL", "[Relay]", "Active: Relay"),
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
    for (const CatalogueEntry& row : kCatalogue)
        if (std::strcmp(row.element, element) == 0)
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
