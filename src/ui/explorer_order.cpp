// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/explorer_order.h"

namespace sw {
namespace {

// The text before the first decimal digit, and the rest from that digit.
void SplitAtFirstDigit(const QString& text, QStringView& prefix, QStringView& number) {
    qsizetype i = 0;
    while (i < text.size() && !(text[i] >= u'0' && text[i] <= u'9'))
        ++i;
    prefix = QStringView(text).left(i);
    number = QStringView(text).mid(i);
}

char16_t Fold(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }

}  // namespace

int CompareFoldedAscii(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = Fold(a[i].unicode());
        const char16_t cb = Fold(b[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int ListCompare(int aIndex, const QString& aText, int bIndex, const QString& bText) {
    if (aIndex != bIndex)
        return aIndex < bIndex ? -1 : 1;
    QStringView aPrefix, aNumber, bPrefix, bNumber;
    SplitAtFirstDigit(aText, aPrefix, aNumber);
    SplitAtFirstDigit(bText, bPrefix, bNumber);
    if (aPrefix == bPrefix && !aNumber.isEmpty() && !bNumber.isEmpty()) {
        bool aOk = false, bOk = false;
        const qlonglong a = aNumber.toLongLong(&aOk);
        const qlonglong b = bNumber.toLongLong(&bOk);
        if (aOk && bOk)
            return a < b ? -1 : (a > b ? 1 : 0);
    }
    return CompareFoldedAscii(aText, bText);
}

}  // namespace sw
