// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program's windows appear: centred on their owner or on the screen.

#include <QRect>

class QWidget;

namespace sw {

// The area a window is centred in: its owner's frame while the owner is shown,
// otherwise the primary screen's available area; an invalid rectangle when
// there is neither.
QRect CentringArea(const QWidget* owner);

// Moves `window` so that its centre is the centre of `area`; an invalid area
// leaves it where it is.
void CentreWindowIn(QWidget& window, const QRect& area);

}  // namespace sw
