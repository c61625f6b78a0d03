// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/automatic_pads.h"

#include "model/kinds.h"
#include "model/layout_document.h"

#include <algorithm>
#include <cstdlib>

namespace sw {
namespace {

int Step(int from, int to) { return from <= to ? 1 : -1; }

// The third pin of a trimmer, from pin 2 (source) and pin 1 (destination).
bool TrimmerThirdPin(int x1, int y1, int x2, int y2, int& x, int& y) {
    const int adx = std::abs(x1 - x2);
    const int ady = std::abs(y1 - y2);
    if ((y2 - y1 == 2 || y2 - y1 == 4) && adx == 1) {
        x = 2 * x1 - x2, y = y2;
    } else if ((x2 - x1 == 2 || x2 - x1 == 4) && ady == 1) {
        x = x2, y = 2 * y1 - y2;
    } else if ((y1 - y2 == 2 || y1 - y2 == 4) && adx == 1) {
        x = 2 * x1 - x2, y = y2;
    } else if ((x1 - x2 == 2 || x1 - x2 == 4) && ady == 1) {
        x = x2, y = 2 * y1 - y2;
    } else if (x2 == x1 - 1 && y2 == y1 - 1) {
        x = x1 - 1, y = y1 + 1;
    } else if (x2 == x1 - 1 && y2 == y1 + 1) {
        x = x1 + 1, y = y1 + 1;
    } else if (x2 == x1 + 1 && y2 == y1 + 1) {
        x = x1 + 1, y = y1 - 1;
    } else if (x2 == x1 + 1 && y2 == y1 - 1) {
        x = x1 - 1, y = y1 - 1;
    } else if (x1 == x2 && y1 < y2) {
        x = x1, y = y1 - 1;
    } else if (x1 == x2 && y2 < y1) {
        x = x1, y = y1 + 1;
    } else if (y1 == y2 && x1 < x2) {
        x = x1 - 1, y = y1;
    } else if (y1 == y2 && x2 < x1) {
        x = x1 + 1, y = y1;
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool CreateAutomaticPad(LayoutDocument& doc, int x, int y, bool square, const QString& owner,
                        int padSize) {
    if (x < 1 || x > doc.BoardWidth() || y < 1 || y > doc.BoardHeight())
        return false;
    if (doc.PadExists(x, y, owner))
        return false;
    const QString name = doc.NextFreeName(QStringLiteral("P"));
    pugi::xml_node pad = doc.AppendComponent(ElementName(kind::SolderPad));
    SetAttr(pad, "X1", x);
    SetAttr(pad, "Y1", y);
    SetAttr(pad, "Value", padSize);
    SetAttr(pad, "Name", name);
    SetAttr(pad, "Parent", owner);
    SetAttr(pad, "Square", square ? QStringLiteral("True") : QStringLiteral("False"));
    return true;
}

void CreateAutomaticPads(LayoutDocument& doc, int kindIndex, Hole source, Hole destination,
                         const QString& owner, int padSize) {
    const int x1 = source.x, y1 = source.y, x2 = destination.x, y2 = destination.y;
    auto pad = [&](int x, int y, bool square = false) {
        CreateAutomaticPad(doc, x, y, square, owner, padSize);
    };
    using namespace kind;
    switch (kindIndex) {
    case Jumper:
    case Resistor:
    case Capacitor:
    case Led:
        pad(x1, y1);
        pad(x2, y2);
        break;
    case Diode:
    case Electrolyte:
        pad(x1, y1, true);
        pad(x2, y2);
        break;
    case DilIc:
    case Relay:
        // Two pin rows; pin 1 (the source) is square.
        if ((x1 < x2 && y2 < y1) || (x2 < x1 && y1 < y2)) {
            for (int x = x1;; x += Step(x1, x2)) {
                pad(x, y1, x == x1);
                pad(x, y2);
                if (x == x2)
                    break;
            }
        } else if ((x1 < x2 && y1 < y2) || (x2 < x1 && y2 < y1)) {
            for (int y = y1;; y += Step(y1, y2)) {
                pad(x1, y, y == y1);
                pad(x2, y);
                if (y == y2)
                    break;
            }
        }
        break;
    case Transistor:
    case SilIc: {
        const bool squareFirst = kindIndex == SilIc;
        if (x1 != x2) {
            for (int x = x1;; x += Step(x1, x2)) {
                pad(x, y1, squareFirst && x == x1);
                if (x == x2)
                    break;
            }
        } else {
            for (int y = y1;; y += Step(y1, y2)) {
                pad(x1, y, squareFirst && y == y1);
                if (y == y2)
                    break;
            }
        }
        break;
    }
    case Switch:
        // Every hole of the rectangle, whichever corner was clicked first.
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
            for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
                pad(x, y);
        break;
    case Trimmer: {
        pad(x1, y1);
        pad(x2, y2);
        int x = 0, y = 0;
        if (TrimmerThirdPin(x1, y1, x2, y2, x, y))
            pad(x, y);
        break;
    }
    case Transformer:
        pad(x1, y1);
        pad(x2, y1);
        pad(x1, y2);
        pad(x2, y2);
        // The centre tap.
        if ((x2 - x1) % 2 == 0 && ((x1 < x2 && y2 < y1) || (x2 < x1 && y1 < y2)))
            pad((x1 + x2) / 2, y2);
        else if ((y2 - y1) % 2 == 0)
            pad(x2, (y1 + y2) / 2);
        break;
    case Potentiometer:
        pad(x1, y1);
        pad(x2, y2);
        // The other end lug, as far beyond the wiper as the clicked one.
        if (x1 == x2 && y1 < y2)
            pad(x1, y1 - 2);
        else if (x1 == x2 && y2 < y1)
            pad(x1, y1 + 2);
        else if (y1 == y2 && x1 < x2)
            pad(x1 - 2, y1);
        else if (y1 == y2 && x2 < x1)
            pad(x1 + 2, y1);
        break;
    default:
        break;
    }
}

}  // namespace sw
