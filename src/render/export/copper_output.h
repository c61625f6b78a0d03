// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The toner-transfer jobs shared by the editor's Render PnP and Print PnP and
// the command line's pnp: the copper picture to a GIF file, or onto a printer
// that is already set up (by the print dialog, or as a PDF file) at true scale.

#include "render/export/image_file.h"

#include <QImage>
#include <optional>

class QPrinter;

namespace sw {

class LayoutDocument;

// Why toner transfer means nothing for the layout: a stripboard's or a
// perfboard's copper is the board itself, so its picture would be an empty
// outline. Nothing for a PCB (and for a type that is none of the three, whose
// traces and pads are drawn as they are).
std::optional<QString> PnpRefusal(const LayoutDocument& doc);

// The toner-transfer picture of the layout on a fresh copper canvas; a null
// image (and `error` set) when the board's size gives no canvas.
QImage RenderCopperImage(const LayoutDocument& doc, QString* error);

// Render PnP: the toner-transfer picture written as GIF.
WriteResult WriteCopperImage(const LayoutDocument& doc, const QString& path);

// Print PnP: the toner-transfer picture at true scale, centred.
WriteResult PrintCopperImage(const LayoutDocument& doc, QPrinter& printer);

}  // namespace sw
