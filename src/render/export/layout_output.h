// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rendered-picture jobs shared by the editor's Render Image and Print and
// the command line's render and print: the picture to a file, or onto a printer
// that is already set up (by the print dialog, or as a PDF file).

#include "render/export/image_file.h"
#include "render/export/print_layout.h"

class QPrinter;

namespace sw {

class LayoutDocument;
struct RenderCaches;

// Render Image: the rendered picture written in `format`.
WriteResult WriteRenderedImage(const LayoutDocument& doc, const QString& path, ImageFileFormat format,
                               RenderCaches* caches = nullptr);

// Print: the rendered picture at its whole-number scale (or fitted), or at
// actual size, centred. A picture too large for the page at actual size is
// refused with its size and the page's in millimetres.
WriteResult PrintRenderedImage(const LayoutDocument& doc, QPrinter& printer, RenderCaches* caches = nullptr,
                               PrintSize size = PrintSize::FillPage);

}  // namespace sw
