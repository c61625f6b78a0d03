// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/gerber_files.h"

#include "model/kinds.h"
#include "model/layout_document.h"
#include "model/release.h"
#include "render/board_geometry.h"
#include "render/export/render_copper.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>

namespace sw {
namespace {

using i64 = std::int64_t;

// Format 4.5: at most four integer digits of millimetres, so no coordinate
// may reach 10 m (and every one fits the 32-bit integers readers keep them in).
constexpr i64 kLargestCoordinate = 999999999;

// The outline's line: the picture's 1-pixel pen.
constexpr int kOutlinePixels = 1;

const char* const kGenerator = "G04 #@! TF.GenerationSoftware,Stripwright,Stripwright," SW_VERSION "*\n";

// Board-frame position of hole (X, Y) in units of 10 nm: the hole's copper
// picture pixel measured from the outline's lower-left corner (x0 + 10,
// 10 + 20 Height), with y upward.
struct BoardFrame {
    int boardHeight = 0;
    i64 X(int hole) const { return (i64(kHolePitch) * hole - 10) * kGerberUnitsPerPixel; }
    i64 Y(int hole) const {
        return (10 + i64(kHolePitch) * boardHeight - i64(kHolePitch) * hole) * kGerberUnitsPerPixel;
    }
    bool Holds(int x, int y) const {
        return std::llabs(X(x)) <= kLargestCoordinate && std::llabs(Y(y)) <= kLargestCoordinate;
    }
};

BoardFrame FrameOf(const LayoutDocument& doc) { return BoardFrame{doc.BoardHeight()}; }

void Append(std::string& out, i64 value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// A length in units of 10 nm as decimal millimetres without trailing zeros.
void AppendMillimetres(std::string& out, i64 units) {
    if (units < 0) {
        out += '-';
        units = -units;
    }
    Append(out, units / 100000);
    i64 fraction = units % 100000;
    if (fraction == 0)
        return;
    int places = 5;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --places;
    }
    out += '.';
    char digits[8];
    std::snprintf(digits, sizeof digits, "%0*lld", places, (long long)fraction);
    out += digits;
}

void AppendPoint(std::string& out, i64 x, i64 y, const char* operation) {
    out += 'X';
    Append(out, x);
    out += 'Y';
    Append(out, y);
    out += operation;
    out += "*\n";
}

void AppendHeader(std::string& out, const char* fileFunction, const char* polarity) {
    out += kGenerator;
    out += "G04 #@! TF.SameCoordinates,Original*\n";
    out += "G04 #@! TF.FileFunction,";
    out += fileFunction;
    out += "*\n";
    if (polarity) {
        out += "G04 #@! TF.FilePolarity,";
        out += polarity;
        out += "*\n";
    }
    out += "%FSLAX45Y45*%\n%MOMM*%\n%LPD*%\n";
}

// The apertures of one file, numbered from D10 in the order first used.
class ApertureTable {
public:
    enum class Shape { Circle, Square };

    int Code(Shape shape, int pixels) {
        const auto key = std::make_pair(shape, pixels);
        const auto it = m_codes.find(key);
        if (it != m_codes.end())
            return it->second;
        const int code = 10 + int(m_codes.size());
        m_codes.emplace(key, code);
        m_definitions += "%ADD";
        Append(m_definitions, code);
        const i64 size = i64(pixels) * kGerberUnitsPerPixel;
        if (shape == Shape::Circle) {
            m_definitions += "C,";
            AppendMillimetres(m_definitions, size);
        } else {
            m_definitions += "R,";
            AppendMillimetres(m_definitions, size);
            m_definitions += 'X';
            AppendMillimetres(m_definitions, size);
        }
        m_definitions += "*%\n";
        return code;
    }
    const std::string& Definitions() const { return m_definitions; }

private:
    std::map<std::pair<Shape, int>, int> m_codes;
    std::string m_definitions;
};

// Selects aperture `code` unless it is the current one.
void Select(std::string& out, int code, int& current) {
    if (code == current)
        return;
    out += 'D';
    Append(out, code);
    out += "*\n";
    current = code;
}

template <typename F>
void ForEachNamed(const LayoutDocument& doc, const char* name, F&& visit) {
    for (pugi::xml_node node = doc.Root().first_child(); node; node = node.next_sibling())
        if (std::strcmp(node.name(), name) == 0)
            visit(node);
}

QString Described(pugi::xml_node node) {
    const QString name = TextAttr(node, "Name");
    return name.isEmpty() ? QString::fromUtf8(node.name())
                          : QStringLiteral("%1 \"%2\"").arg(QString::fromUtf8(node.name()), name);
}

QByteArray Bytes(const std::string& text) { return QByteArray(text.data(), qsizetype(text.size())); }

}  // namespace

std::optional<QString> GerberRefusal(const LayoutDocument& doc) {
    if (!doc.Root())
        return QStringLiteral("There is no layout to write.");
    const QString type = doc.BoardType();
    if (type != QLatin1String("PCB"))
        return QStringLiteral("Gerber output is for PCB layouts; this layout's type is \"%1\".").arg(type);
    QString error;
    if (CopperCanvasSize(doc, &error).isEmpty())
        return error;
    const BoardFrame frame = FrameOf(doc);
    std::optional<QString> refusal;
    const auto check = [&](pugi::xml_node node, const char* x, const char* y) {
        const int hx = IntAttr(node, x), hy = IntAttr(node, y);
        if (!refusal && !frame.Holds(hx, hy))
            refusal = QStringLiteral("%1 at hole (%2, %3) lies too far off the board for a Gerber "
                                     "file (10 m or more from its corner).")
                          .arg(Described(node))
                          .arg(hx)
                          .arg(hy);
    };
    ForEachNamed(doc, ElementName(kind::Trace), [&](pugi::xml_node node) {
        check(node, "X1", "Y1");
        check(node, "X2", "Y2");
    });
    ForEachNamed(doc, ElementName(kind::SolderPad), [&](pugi::xml_node node) { check(node, "X1", "Y1"); });
    return refusal;
}

QByteArray GerberCopperText(const LayoutDocument& doc) {
    const BoardFrame frame = FrameOf(doc);
    ApertureTable apertures;
    std::string body;
    body.reserve(64 * 1024);
    body += "G01*\n";
    int current = 0;
    ForEachNamed(doc, ElementName(kind::Trace), [&](pugi::xml_node node) {
        Select(body, apertures.Code(ApertureTable::Shape::Circle, CopperTraceWidth(node)), current);
        AppendPoint(body, frame.X(IntAttr(node, "X1")), frame.Y(IntAttr(node, "Y1")), "D02");
        AppendPoint(body, frame.X(IntAttr(node, "X2")), frame.Y(IntAttr(node, "Y2")), "D01");
    });
    ForEachNamed(doc, ElementName(kind::SolderPad), [&](pugi::xml_node node) {
        const int pixels = PadCopperPixels(node);
        if (pixels <= 0)
            return;  // no copper, as in the picture, and so no hole in the drill file
        const bool square = BoolAttr(node, "Square");
        Select(body,
               apertures.Code(square ? ApertureTable::Shape::Square : ApertureTable::Shape::Circle,
                              pixels),
               current);
        AppendPoint(body, frame.X(IntAttr(node, "X1")), frame.Y(IntAttr(node, "Y1")), "D03");
    });
    body += "M02*\n";

    std::string out;
    AppendHeader(out, "Copper,L2,Bot", "Positive");
    out += apertures.Definitions();
    out += body;
    return Bytes(out);
}

QByteArray GerberOutlineText(const LayoutDocument& doc) {
    const i64 right = i64(kHolePitch) * doc.BoardWidth() * kGerberUnitsPerPixel;
    const i64 top = i64(kHolePitch) * doc.BoardHeight() * kGerberUnitsPerPixel;
    ApertureTable apertures;
    std::string out;
    AppendHeader(out, "Profile,NP", nullptr);
    const int code = apertures.Code(ApertureTable::Shape::Circle, kOutlinePixels);
    out += apertures.Definitions();
    out += "G01*\nD";
    Append(out, code);
    out += "*\n";
    AppendPoint(out, 0, 0, "D02");
    AppendPoint(out, right, 0, "D01");
    AppendPoint(out, right, top, "D01");
    AppendPoint(out, 0, top, "D01");
    AppendPoint(out, 0, 0, "D01");
    out += "M02*\n";
    return Bytes(out);
}

QByteArray ExcellonDrillText(const LayoutDocument& doc, std::int64_t drillUnits) {
    const BoardFrame frame = FrameOf(doc);
    std::string out;
    out.reserve(32 * 1024);
    out += "M48\n; Stripwright " SW_VERSION " drill file: plated holes of the pads\n";
    out += "; FORMAT={-:-/ absolute / metric / decimal}\nMETRIC,TZ\nT1C";
    AppendMillimetres(out, drillUnits);
    out += "\n%\nG90\nG05\nT1\n";
    ForEachNamed(doc, ElementName(kind::SolderPad), [&](pugi::xml_node node) {
        // The drill and the copper agree on which pads exist: a hole without
        // its copper ring is no pad of this board.
        if (PadCopperPixels(node) <= 0)
            return;
        out += 'X';
        AppendMillimetres(out, frame.X(IntAttr(node, "X1")));
        out += 'Y';
        AppendMillimetres(out, frame.Y(IntAttr(node, "Y1")));
        out += '\n';
    });
    out += "T0\nM30\n";
    return Bytes(out);
}

std::optional<std::int64_t> DrillUnitsFromText(const QString& millimetres) {
    bool ok = false;
    const double mm = millimetres.trimmed().toDouble(&ok);
    if (!ok || !(mm > 0 && mm <= 10.001))
        return std::nullopt;
    const i64 units = std::llround(mm * 100000);
    if (units <= 0 || units > kLargestDrillUnits)
        return std::nullopt;
    return units;
}

QString DrillRefusal(const QString& text) {
    return QStringLiteral("the drill diameter must be a number of millimetres above 0 and at most "
                          "10 (got \"%1\")")
        .arg(text);
}

QString DrillUnitsText(std::int64_t units) {
    std::string text;
    AppendMillimetres(text, units);
    return QString::fromStdString(text);
}

}  // namespace sw
