// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element_pins.h"

#include "model/layout_document.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace sw {
namespace {

// Hole arithmetic in 64 bits: hole numbers may be anything an int holds.
std::optional<Hole> HoleAt(long long x, long long y) {
    constexpr long long lo = std::numeric_limits<int>::min();
    constexpr long long hi = std::numeric_limits<int>::max();
    if (x < lo || x > hi || y < lo || y > hi)
        return std::nullopt;
    return Hole{int(x), int(y)};
}

long long Sign(long long v) { return (v > 0) - (v < 0); }

// The pins in the making, numbered in the order they are added. A pin beyond
// the holes an int numbers (a damaged file) leaves the part without pins.
class PinList {
public:
    void Add(long long x, long long y, PinRole role = PinRole::None) {
        const std::optional<Hole> hole = HoleAt(x, y);
        if (!hole)
            m_outside = true;
        else
            m_pins.push_back({int(m_pins.size()) + 1, *hole, role});
    }
    std::vector<ElementPin> Take() {
        return m_outside ? std::vector<ElementPin>() : std::move(m_pins);
    }

private:
    std::vector<ElementPin> m_pins;
    bool m_outside = false;
};

// How many pins a rectangle or line of holes has, when it is within bounds.
bool WithinBound(long long count) { return count > 0 && count <= kMaxElementPins; }

using PinMaker = std::vector<ElementPin> (*)(Hole, Hole, const PinContext&);

std::vector<ElementPin> NoPins(Hole, Hole, const PinContext&) { return {}; }

std::vector<ElementPin> OnePin(Hole h1, Hole, const PinContext&) {
    return {{1, h1, PinRole::None}};
}

template <PinRole First, PinRole Second>
std::vector<ElementPin> TwoEnds(Hole h1, Hole h2, const PinContext&) {
    return {{1, h1, First}, {2, h2, Second}};
}

// Holes from `from` to `to` along one axis (rows when the columns differ).
std::vector<ElementPin> PinLine(Hole h1, Hole h2, const PinContext&) {
    PinList pins;
    const bool alongRow = h1.x != h2.x;
    const long long from = alongRow ? h1.x : h1.y;
    const long long to = alongRow ? h2.x : h2.y;
    if (!WithinBound(std::llabs(to - from) + 1))
        return {};
    const long long step = to >= from ? 1 : -1;
    for (long long v = from;; v += step) {
        if (alongRow)
            pins.Add(v, h1.y);
        else
            pins.Add(h1.x, v);
        if (v == to)
            break;
    }
    return pins.Take();
}

std::vector<ElementPin> TransistorPins(Hole h1, Hole h2, const PinContext&) {
    if (h1.x != h2.x && h1.y != h2.y)
        return {};
    // The hole halfway, nearer hole 1 when the span is odd.
    const long long mx = h1.x + (static_cast<long long>(h2.x) - h1.x) / 2;
    const long long my = h1.y + (static_cast<long long>(h2.y) - h1.y) / 2;
    PinList pins;
    pins.Add(h1.x, h1.y);
    pins.Add(mx, my);
    pins.Add(h2.x, h2.y);
    return pins.Take();
}

// Dual in-line packages: the pin rows run along the columns of the span when
// hole 1 is its top-left or bottom-right corner, along its rows otherwise,
// which makes the walk from hole 1 along its row and back along the other
// counterclockwise seen from above.
std::vector<ElementPin> DualInLinePins(Hole h1, Hole h2, const PinContext&) {
    if (h1.x == h2.x || h1.y == h2.y)
        return {};
    const bool rowsAlongColumns = (h1.x < h2.x) == (h1.y < h2.y);
    const long long perRow = rowsAlongColumns ? std::llabs(static_cast<long long>(h2.y) - h1.y) + 1
                                              : std::llabs(static_cast<long long>(h2.x) - h1.x) + 1;
    if (!WithinBound(2 * perRow))
        return {};
    PinList pins;
    const long long sx = Sign(static_cast<long long>(h2.x) - h1.x);
    const long long sy = Sign(static_cast<long long>(h2.y) - h1.y);
    for (long long k = 0; k < perRow; ++k)
        rowsAlongColumns ? pins.Add(h1.x, h1.y + sy * k) : pins.Add(h1.x + sx * k, h1.y);
    for (long long k = 0; k < perRow; ++k)
        rowsAlongColumns ? pins.Add(h2.x, h2.y - sy * k) : pins.Add(h2.x - sx * k, h2.y);
    return pins.Take();
}

std::vector<ElementPin> TrimmerPins(Hole h1, Hole h2, const PinContext&) {
    std::vector<ElementPin> pins = {{1, h2, PinRole::None}, {2, h1, PinRole::Wiper}};
    if (const std::optional<Hole> third = TrimmerFootprintOf(h1, h2).thirdPin)
        pins.push_back({3, *third, PinRole::None});
    return pins;
}

std::vector<ElementPin> PotentiometerPins(Hole h1, Hole h2, const PinContext&) {
    if (h1 == h2 || (h1.x != h2.x && h1.y != h2.y))
        return {};
    PinList pins;
    pins.Add(h2.x, h2.y);
    pins.Add(h1.x, h1.y, PinRole::Wiper);
    // The far lug, two holes beyond the wiper on the side away from pin 1.
    pins.Add(h1.x - 2 * Sign(static_cast<long long>(h2.x) - h1.x),
             h1.y - 2 * Sign(static_cast<long long>(h2.y) - h1.y));
    return pins.Take();
}

std::vector<ElementPin> TransformerPins(Hole h1, Hole h2, const PinContext&) {
    // The windings run along the columns when hole 1 is the top-left or the
    // bottom-right corner, along the rows otherwise (a span of one row or
    // column included); the centre tap is on the winding of hole 2, where the
    // number of its holes is odd.
    const bool windingsAlongColumns =
        (h1.x < h2.x && h1.y < h2.y) || (h2.x < h1.x && h2.y < h1.y);
    const long long x1 = h1.x, y1 = h1.y, x2 = h2.x, y2 = h2.y;
    std::vector<Hole> holes;
    auto add = [&](long long x, long long y) {
        const std::optional<Hole> hole = HoleAt(x, y);
        if (hole && std::find(holes.begin(), holes.end(), *hole) == holes.end())
            holes.push_back(*hole);
    };
    add(x1, y1);
    windingsAlongColumns ? add(x1, y2) : add(x2, y1);
    add(x2, y2);
    if (windingsAlongColumns && (y1 - y2) % 2 == 0)
        add(x2, (y1 + y2) / 2);
    else if (!windingsAlongColumns && (x1 - x2) % 2 == 0)
        add((x1 + x2) / 2, y2);
    windingsAlongColumns ? add(x2, y1) : add(x1, y2);
    std::vector<ElementPin> pins;
    for (const Hole& hole : holes)
        pins.push_back({int(pins.size()) + 1, hole, PinRole::None});
    return pins;
}

std::vector<ElementPin> SwitchPins(Hole h1, Hole h2, const PinContext&) {
    const long long columns = std::llabs(static_cast<long long>(h2.x) - h1.x) + 1;
    const long long rows = std::llabs(static_cast<long long>(h2.y) - h1.y) + 1;
    if (columns > kMaxElementPins || rows > kMaxElementPins || !WithinBound(columns * rows))
        return {};
    const long long sx = Sign(static_cast<long long>(h2.x) - h1.x);
    const long long sy = Sign(static_cast<long long>(h2.y) - h1.y);
    // Lines along the longer side; a square switch reads along its rows.
    const bool linesAlongRows = columns >= rows;
    const long long lines = linesAlongRows ? rows : columns;
    const long long perLine = linesAlongRows ? columns : rows;
    PinList pins;
    for (long long line = 0; line < lines; ++line)
        for (long long k = 0; k < perLine; ++k)
            linesAlongRows ? pins.Add(h1.x + sx * k, h1.y + sy * line)
                           : pins.Add(h1.x + sx * line, h1.y + sy * k);
    return pins.Take();
}

std::vector<ElementPin> JackPins(Hole h1, Hole, const PinContext& context) {
    // A jack in the right half of the board is drawn mirrored: its other lugs
    // lie to the left of hole 1.
    const long long side = h1.x >= context.boardWidth / 2 ? -1 : 1;
    PinList pins;
    pins.Add(h1.x, h1.y);          // tip
    pins.Add(h1.x + side, h1.y);   // sleeve
    if (context.type == "Stereo")  // ring
        pins.Add(h1.x + side, static_cast<long long>(h1.y) + 4);
    return pins.Take();
}

// A tube socket's pin places, in pixels from its centre (20 pixels a hole),
// counterclockwise on the screen from the top.
struct PinPlace {
    int dx, dy;
};
constexpr PinPlace kNovalPlaces[] = {{0, -70},  {-40, -50}, {-60, -15}, {-60, 15}, {-40, 50},
                                     {0, 70},   {40, 50},   {60, 15},   {60, -15}, {40, -50}};
constexpr PinPlace kOctalPlaces[] = {{0, -70}, {-55, -40}, {-70, 0}, {-55, 40},
                                     {0, 70},  {55, 40},   {70, 0},  {55, -40}};

// The hole nearest a pixel offset, halves away from the centre.
long long NearestHoleOffset(int pixels) {
    return static_cast<long long>(std::lround(pixels / 20.0));
}

std::vector<ElementPin> TubePins(Hole h1, Hole h2, const PinContext& context) {
    if (h1 == h2 || (h1.x != h2.x && h1.y != h2.y))
        return {};
    const bool noval = context.type == "Noval";
    if (!noval && context.type != "Octal")
        return {};
    // The key faces hole 2: a Noval socket leaves out the place nearest it, an
    // Octal socket's spigot key points a little clockwise of it.
    const double key = h1.y == h2.y ? (h1.x < h2.x ? -std::numbers::pi / 2 : std::numbers::pi / 2)
                                    : (h1.y > h2.y ? std::numbers::pi : 0.0);
    PinList pins;
    if (noval) {
        // The gap: top when the key angle is pi, right when -pi/2, left when
        // pi/2, bottom when 0.
        const int gap = key == std::numbers::pi ? 0 : key == 0.0 ? 5 : key < 0 ? 8 : 3;
        for (int k = 1; k < 10; ++k) {
            const PinPlace& p = kNovalPlaces[(gap + k) % 10];
            pins.Add(h1.x + NearestHoleOffset(p.dx), h1.y + NearestHoleOffset(p.dy));
        }
        return pins.Take();
    }
    // Counterclockwise on the screen is towards smaller angles (y points down):
    // pin 1 is the first place met turning that way from the key.
    const double keyAngle = key + std::numbers::pi / 4 + 0.4;
    std::array<std::pair<double, PinPlace>, 8> order{};
    for (std::size_t i = 0; i < 8; ++i) {
        const PinPlace& p = kOctalPlaces[i];
        const double turn = std::fmod(keyAngle - std::atan2(p.dy, p.dx) + 4 * std::numbers::pi,
                                      2 * std::numbers::pi);
        order[i] = {turn, p};
    }
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [turn, p] : order)
        pins.Add(h1.x + NearestHoleOffset(p.dx), h1.y + NearestHoleOffset(p.dy));
    return pins.Take();
}

// What each pin rule of the catalogue does, in PinRule order.
constexpr PinMaker kPinMakers[] = {
    NoPins,                                     // None
    OnePin,                                     // OnePin
    TwoEnds<PinRole::None, PinRole::None>,      // TwoEnds
    TwoEnds<PinRole::Anode, PinRole::Cathode>,  // AnodeCathode
    TwoEnds<PinRole::Plus, PinRole::Minus>,     // PlusMinus
    TransistorPins,                             // Transistor
    DualInLinePins,                             // DualInLine
    PinLine,                                    // Line
    TrimmerPins,                                // Trimmer
    PotentiometerPins,                          // Potentiometer
    TransformerPins,                            // Transformer
    SwitchPins,                                 // Switch
    JackPins,                                   // Jack
    TubePins,                                   // Tube
};
static_assert(std::size(kPinMakers) == kPinRuleCount, "every pin rule is made");

}  // namespace

TrimmerFootprint TrimmerFootprintOf(Hole wiper, Hole pin1) {
    const long long x1 = wiper.x, y1 = wiper.y;
    const long long dx = static_cast<long long>(pin1.x) - x1;
    const long long dy = static_cast<long long>(pin1.y) - y1;
    const bool oneAcrossX = dx == 1 || dx == -1;
    const bool oneAcrossY = dy == 1 || dy == -1;
    TrimmerFootprint f;
    if (oneAcrossX && oneAcrossY) {
        f.shape = 1;
        f.quarterTurns = dy == 1 ? (dx == 1 ? 1 : 2) : (dx == 1 ? 0 : 3);
    } else {
        for (int along : {2, 4}) {
            if ((dy == along || dy == -along) && oneAcrossX)
                f = {along, dy > 0 ? 2 : 0, {}};
            else if ((dx == along || dx == -along) && oneAcrossY)
                f = {along, dx > 0 ? 1 : 3, {}};
        }
        if (f.shape == 0 && oneAcrossX && dy == 0)
            f = {5, 0, {}};
        else if (f.shape == 0 && oneAcrossY && dx == 0)
            f = {5, 1, {}};
    }
    if (f.shape != 0) {
        // Pin 3 mirrors pin 1 across the wiper: along the row when the body
        // lies unturned or half turned, along the column when it lies across.
        f.thirdPin = f.quarterTurns % 2 == 0 ? HoleAt(x1 - dx, y1 + dy) : HoleAt(x1 + dx, y1 - dy);
    } else if (dx == 0 && dy != 0) {
        f.thirdPin = HoleAt(x1, y1 - Sign(dy));
    } else if (dy == 0 && dx != 0) {
        f.thirdPin = HoleAt(x1 - Sign(dx), y1);
    }
    return f;
}

std::vector<ElementPin> KindPins(kind::Index kind, Hole hole1, Hole hole2,
                                 const PinContext& context) {
    if (kind < 0 || kind >= kKindCount)
        return {};
    return kPinMakers[int(kCatalogue[size_t(kind)].pins)](hole1, hole2, context);
}

std::vector<ElementPin> ElementPins(pugi::xml_node element) {
    const std::optional<kind::Index> kind = KindOf(element);
    if (!kind)
        return {};
    const std::optional<int> x1 = ParseInt(element.attribute("X1").value());
    const std::optional<int> y1 = ParseInt(element.attribute("Y1").value());
    if (!x1 || !y1)
        return {};
    Hole hole2 = {*x1, *y1};
    if (!LayoutDocument::IsOneHoleKind(element.name())) {
        const std::optional<int> x2 = ParseInt(element.attribute("X2").value());
        const std::optional<int> y2 = ParseInt(element.attribute("Y2").value());
        if (!x2 || !y2)
            return {};
        hole2 = {*x2, *y2};
    }
    const std::string type = element.attribute("Type").value();
    const PinContext context{type, IntAttr(element.parent(), "Width")};
    return KindPins(*kind, {*x1, *y1}, hole2, context);
}

}  // namespace sw
