// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a picture lands on a printed page, and the print job that puts it there.
// Sizes and positions are printer pixels of the page's printable area.

#include "render/export/image_file.h"

#include <QImage>
#include <QRect>
#include <QSize>

class QPrinter;

namespace sw {

// Printed pictures start this many printer pixels below the top of the page.
constexpr int kPrintTop = 100;

// The largest whole factor that keeps the picture more than 200 printer pixels
// narrower and shorter than the page; 0 when even factor 1 does not.
int IntegerPrintScale(QSize page, QSize picture);

// The rendered layout on the page: at the whole scale above, centred
// horizontally, 100 pixels from the top. A picture too large for the page even
// at scale 1 is scaled down instead to fit the page less the same 200-pixel
// border, keeping its proportions, rather than printing an empty page.
QRect LayoutPrintRect(QSize page, QSize picture);

// The toner-transfer picture at true scale: its canvas has 20 pixels per tenth
// of an inch, so it is stretched by (printer pixels per inch) / 200, centred
// horizontally, 100 pixels from the top.
QRect CopperPrintRect(int pageWidth, QSize picture, int printerDpiX);

// Prints `picture` stretched into `target` as one page of a job titled
// "Stripwright" (unsmoothed, and losslessly in a PDF).
WriteResult PrintPicture(QPrinter& printer, const QImage& picture, const QRect& target);

}  // namespace sw
