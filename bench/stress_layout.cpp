// SPDX-License-Identifier: GPL-3.0-or-later
#include "stress_layout.h"

#include "model/layout_document.h"

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <array>
#include <map>
#include <string>

namespace sw {
namespace {

// SplitMix64: tiny, and its sequence is the same everywhere (the standard
// library's distributions are not).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi].
    int Range(int lo, int hi) { return lo + int(Next() % std::uint64_t(hi - lo + 1)); }
    int Sign() { return (Next() & 1) ? 1 : -1; }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& items) {
        return items[Next() % N];
    }

private:
    std::uint64_t m_state;
};

struct KindInfo {
    const char* element;
    const char* prefix;
};

// Catalogue order, so that i % 21 walks through every kind.
constexpr std::array<KindInfo, 21> kKinds = {{{"Text", "A"},
                                              {"Cut", "X"},
                                              {"Pad", "P"},
                                              {"Trace", "T"},
                                              {"Jumper", "J"},
                                              {"Resistor", "R"},
                                              {"Capacitor", "C"},
                                              {"Diode", "D"},
                                              {"Led", "D"},
                                              {"Electrolyte", "C"},
                                              {"Transistor", "Q"},
                                              {"IC", "IC"},
                                              {"LineIC", "IC"},
                                              {"Trimmer", "VR"},
                                              {"Pot", "P"},
                                              {"Transformer", "TR"},
                                              {"Switch", "S"},
                                              {"Wire", "W"},
                                              {"Jack", "J"},
                                              {"Tube", "V"},
                                              {"Relay", "REL"}}};

constexpr std::array<const char*, 7> kColours = {"Black", "Brown", "Blue", "Red",
                                                 "Green", "Orange", "Gray"};

struct Offset {
    int dx = 0;
    int dy = 0;
};

bool IsKind(const char* element, const char* kind) { return std::string(element) == kind; }

// The destination relative to the source, chosen among the pairs the placement
// tool accepts for the kind.
Offset PickOffset(const char* kind, Rng& rng) {
    auto inLine = [&](int distance) {
        return (rng.Next() & 1) ? Offset{rng.Sign() * distance, 0} : Offset{0, rng.Sign() * distance};
    };
    if (IsKind(kind, "Transistor") || IsKind(kind, "Pot"))
        return inLine(2);
    if (IsKind(kind, "Tube"))
        return inLine(1);
    if (IsKind(kind, "LineIC"))
        return inLine(rng.Pick(std::array<int, 4>{2, 4, 6, 8}));
    if (IsKind(kind, "IC")) {
        // Standard sizes as (columns, rows).
        static constexpr std::array<Offset, 5> sizes = {{{4, 4}, {4, 7}, {7, 4}, {4, 8}, {8, 4}}};
        const Offset size = rng.Pick(sizes);
        return {rng.Sign() * (size.dx - 1), rng.Sign() * (size.dy - 1)};
    }
    if (IsKind(kind, "Transformer") || IsKind(kind, "Relay") || IsKind(kind, "Switch"))
        return {rng.Sign() * rng.Range(1, 5), rng.Sign() * rng.Range(1, 4)};
    if (IsKind(kind, "Trimmer")) {
        static constexpr std::array<Offset, 7> marked = {
            {{1, 2}, {2, 1}, {1, 4}, {4, 1}, {1, 1}, {1, 0}, {0, 1}}};
        const Offset m = rng.Pick(marked);
        return {rng.Sign() * m.dx, rng.Sign() * m.dy};
    }
    if (IsKind(kind, "Trace")) {
        // Mostly straight runs, now and then a slanted one.
        const int choice = rng.Range(0, 9);
        if (choice < 5)
            return {rng.Sign() * rng.Range(1, 12), 0};
        if (choice < 9)
            return {0, rng.Sign() * rng.Range(1, 8)};
        return {rng.Sign() * rng.Range(1, 6), rng.Sign() * rng.Range(1, 6)};
    }
    if (IsKind(kind, "Wire") || IsKind(kind, "Jumper")) {
        Offset o{rng.Range(-20, 20), rng.Range(-10, 10)};
        if (o.dx == 0 && o.dy == 0)
            o.dx = 3;
        return o;
    }
    // Two-lead parts: mostly along a row, some standing in a column.
    if ((rng.Next() % 4) == 0)
        return {0, rng.Sign() * rng.Range(1, 4)};
    return {rng.Sign() * rng.Range(1, 6), 0};
}

QString PickValue(const char* kind, Rng& rng) {
    if (IsKind(kind, "Resistor"))
        return QString::fromLatin1(rng.Pick(std::array<const char*, 6>{"10K", "4.7K", "100R", "1M",
                                                                       "220R", "47K"}));
    if (IsKind(kind, "Capacitor"))
        return QString::fromLatin1(
            rng.Pick(std::array<const char*, 4>{"100nF", "10nF", "47pF", "1uF"}));
    if (IsKind(kind, "Electrolyte"))
        return QString::fromLatin1(rng.Pick(std::array<const char*, 3>{"100uF", "10uF", "470uF"}));
    if (IsKind(kind, "Diode"))
        return QStringLiteral("1N4148");
    if (IsKind(kind, "Led"))
        return QStringLiteral("Red 3mm");
    if (IsKind(kind, "Transistor"))
        return QString::fromLatin1(rng.Pick(std::array<const char*, 3>{"BC547", "BC557", "2N3904"}));
    if (IsKind(kind, "IC"))
        return QString::fromLatin1(rng.Pick(std::array<const char*, 3>{"NE555", "TL072", "LM386"}));
    if (IsKind(kind, "LineIC"))
        return QStringLiteral("ULN2003");
    if (IsKind(kind, "Trimmer"))
        return QString::fromLatin1(rng.Pick(std::array<const char*, 3>{"10K", "1M Lin", "47K Log"}));
    if (IsKind(kind, "Pot"))
        return (rng.Next() % 5) == 0 ? QString() : QStringLiteral("100K");
    if (IsKind(kind, "Transformer"))
        return QStringLiteral("230V/9V");
    if (IsKind(kind, "Switch"))
        return QStringLiteral("SPDT");
    if (IsKind(kind, "Tube"))
        return QStringLiteral("12AX7");
    if (IsKind(kind, "Relay"))
        return (rng.Next() % 5) == 0 ? QString() : QStringLiteral("12V DPDT");
    if (IsKind(kind, "Pad"))
        return QStringLiteral("%1px").arg(rng.Range(10, 20));
    if (IsKind(kind, "Trace"))
        return QStringLiteral("%1px").arg(rng.Range(3, 9));
    return {};
}

}  // namespace

void FillStressLayout(LayoutDocument& doc, const StressLayoutOptions& options) {
    doc.SetNew(QString::fromLatin1(options.boardType), options.width, options.height,
               QStringLiteral("Stress layout"), QStringLiteral("Fixed-seed benchmark layout"),
               false);
    Rng rng(options.seed);
    std::map<std::string, int> lastNumber;  // per name prefix, shared as in the editor
    const int w = std::max(options.width, 1);
    const int h = std::max(options.height, 1);

    for (int i = 0; i < options.components; ++i) {
        const KindInfo& info = kKinds[std::size_t(i) % kKinds.size()];
        const bool oneHole = LayoutDocument::IsOneHoleKind(info.element);
        const Offset off = oneHole ? Offset{} : PickOffset(info.element, rng);

        // A source that keeps both holes on the board when the board is big enough.
        auto pick = [&](int size, int delta) {
            const int lo = std::max(1, 1 - delta);
            const int hi = std::min(size, size - delta);
            return lo <= hi ? rng.Range(lo, hi) : 1;
        };
        int x1 = pick(w, off.dx);
        int y1 = pick(h, off.dy);
        if (i % 50 == 49) {
            // Over an edge: shifted right or down by a few holes past the board.
            if (rng.Next() & 1)
                x1 = w - std::min(off.dx, 0) + rng.Range(-2, 3);
            else
                y1 = h - std::min(off.dy, 0) + rng.Range(-2, 3);
        }
        const int x2 = x1 + off.dx;
        const int y2 = y1 + off.dy;

        pugi::xml_node e = doc.AppendComponent(info.element);
        const char* kind = info.element;
        const QString value = PickValue(kind, rng);
        // Attributes in the order the editor writes them.
        if (IsKind(kind, "Pad")) {
            SetAttr(e, "Value", value);
            SetAttr(e, "Color", QString::fromLatin1(rng.Pick(kColours)));
        } else if (IsKind(kind, "Trace")) {
            SetAttr(e, "Value", value);
            SetAttr(e, "Color", QString::fromLatin1(rng.Pick(kColours)));
        } else if (IsKind(kind, "Wire")) {
            SetAttr(e, "Color", QString::fromLatin1(rng.Pick(kColours)));
            SetAttr(e, "Seed", int(rng.Next() % 2147483647u));
        } else if (IsKind(kind, "Jack")) {
            SetAttr(e, "Type", QString::fromLatin1((rng.Next() & 1) ? "Mono" : "Stereo"));
        } else if (IsKind(kind, "Text")) {
            SetAttr(e, "Value", QStringLiteral("Note %1").arg(i));
        } else if (!IsKind(kind, "Jumper") && !IsKind(kind, "Cut")) {
            SetAttr(e, "Value", value);
            if (IsKind(kind, "Electrolyte"))
                SetAttr(e, "Size", QString::fromLatin1(rng.Pick(
                                       std::array<const char*, 3>{"Small", "Medium", "Large"})));
            else if (IsKind(kind, "Pot"))
                SetAttr(e, "Taper", QString::fromLatin1(rng.Pick(std::array<const char*, 3>{
                                        "Linear", "Audio", "Reverse Audio"})));
            else if (IsKind(kind, "Tube"))
                SetAttr(e, "Type", QString::fromLatin1((rng.Next() & 1) ? "Noval" : "Octal"));
        }
        SetAttr(e, "X1", x1);
        SetAttr(e, "Y1", y1);
        if (!oneHole) {
            SetAttr(e, "X2", x2);
            SetAttr(e, "Y2", y2);
        }
        const int number = ++lastNumber[info.prefix];
        SetAttr(e, "Name", QString::fromLatin1(info.prefix) + QString::number(number));
    }
}

std::string StressLayoutXml(const StressLayoutOptions& options) {
    LayoutDocument doc;
    FillStressLayout(doc, options);
    return doc.ToText();
}

const QString& StressLayoutFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("stress.swb"));
        QFile out(file);
        const std::string text = StressLayoutXml();
        if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), qint64(text.size())) != qint64(text.size()))
            std::abort();
        return file;
    }();
    return path;
}

}  // namespace sw
