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

// How Print puts the rendered layout on the page: as large as the page allows
// in whole steps (LayoutPrintRect), or at actual size, one hole pitch 2.54 mm,
// so a stripboard layout is a template to lay on the board.
enum class PrintSize { FillPage, ActualSize };

// The rendered layout at actual size: like the copper picture it has 20 pixels
// per hole pitch, so it lands where CopperPrintRect puts it. Empty when it does
// not fit on the page that way (a picture wider or, below the 100-pixel top,
// taller than the page).
QRect ActualSizePrintRect(QSize page, QSize picture, int printerDpi);

// Prints `picture` stretched into `target` as one page of a job titled
// "Stripwright" (unsmoothed, and losslessly in a PDF).
WriteResult PrintPicture(QPrinter& printer, const QImage& picture, const QRect& target);

}  // namespace sw
