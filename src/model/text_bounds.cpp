// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/text_bounds.h"

#include <QStringList>
#include <algorithm>
#include <cstring>

namespace sw {
namespace {

bool IsMark(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

bool IsLineBreak(char32_t c) {
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

// At most this many UTF-16 units of a text are looked at: past them nothing
// more could be kept that a person would read.
constexpr qsizetype kExaminedPerCharacter = 64;

struct Bounded {
    QString text;
    bool cut = false;
};

Bounded Bound(const QString& text, int limit, bool firstLineOnly) {
    Bounded out;
    const qsizetype examined = std::min<qsizetype>(text.size(), qsizetype(limit) * kExaminedPerCharacter + 2);
    out.text.reserve(std::min<qsizetype>(text.size(), qsizetype(limit) * 2));
    int kept = 0;
    int marks = 0;
    qsizetype i = 0;
    while (i < examined) {
        char32_t c = text.at(i).unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            width = 2;
        }
        if (firstLineOnly && IsLineBreak(c)) {
            out.cut = true;
            return out;
        }
        if (IsMark(c)) {
            if (++marks > kMaxCombiningMarks) {
                out.cut = true;
                i += width;
                continue;
            }
        } else {
            marks = 0;
        }
        if (kept == limit) {
            out.cut = true;
            return out;
        }
        out.text.append(text.constData() + i, width);
        ++kept;
        i += width;
    }
    if (examined < text.size())
        out.cut = true;
    return out;
}

// The UTF-8 bytes of a text that can matter for what is drawn, cut at a
// character boundary.
qsizetype DrawnPrefix(const char* utf8) {
    const qsizetype most = qsizetype(kMaxDrawnCharacters) * kExaminedPerCharacter * 2;
    const qsizetype length = qsizetype(strnlen(utf8, size_t(most) + 1));
    if (length <= most)
        return length;
    qsizetype end = most;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    return end;
}

}  // namespace

QString DrawnText(const QString& text, int limit) {
    if (text.size() <= limit) {
        bool plain = true;
        for (QChar c : text)
            if (c.unicode() >= 0x300) {
                plain = false;
                break;
            }
        if (plain)
            return text;  // nothing to cut: the common label
    }
    return Bound(text, limit, false).text;
}

QString DrawnText(const char* utf8) {
    return DrawnText(QString::fromUtf8(utf8, DrawnPrefix(utf8)));
}

QString DrawnTextAttr(pugi::xml_node node, const char* name) {
    return DrawnText(node.attribute(name).value());
}

QString Excerpt(const QString& text, int limit) {
    const Bounded bounded = Bound(text, limit, true);
    return bounded.cut ? bounded.text + QStringLiteral("...") : bounded.text;
}

QString ShownMessage(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    while (start <= text.size() && lines.size() < kMessageLines) {
        // A line ends at CR LF, CR or LF (the connectivity report breaks at CR).
        qsizetype end = start;
        while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        const QString line = text.mid(start, std::min<qsizetype>(end - start, qsizetype(kMessageLineCharacters) * kExaminedPerCharacter + 2));
        const Bounded bounded = Bound(line, kMessageLineCharacters, true);
        lines << (bounded.cut ? bounded.text + QStringLiteral("...") : bounded.text);
        if (end == text.size())
            return lines.join(QLatin1Char('\n'));
        start = end + (text.mid(end, 2) == QLatin1String("\r\n") ? 2 : 1);
    }
    return lines.join(QLatin1Char('\n')) + QStringLiteral("\n...");
}

}  // namespace sw
