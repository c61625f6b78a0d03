// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The explorer's sort rule: categories by catalogue index; names by a prefix and
// a number ("R2" before "R10"), else by text with a to z folded to capitals.

#include <QString>

namespace sw {

// <0 when (aIndex, aText) sorts before (bIndex, bText), 0 when equal, >0 after.
// aIndex and bIndex are the pictures' catalogue indexes.
int ListCompare(int aIndex, const QString& aText, int bIndex, const QString& bText);

// The text comparison of the last step: character codes, a-z folded to A-Z.
int CompareFoldedAscii(const QString& a, const QString& b);

}  // namespace sw
