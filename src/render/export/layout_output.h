// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rendered-picture jobs shared by the editor's Render Image and Print and
// the command line's render and print: the picture to a file, or onto a printer
// that is already set up (by the print dialog, or as a PDF file).

#include "render/export/image_file.h"

class QPrinter;

namespace sw {

class LayoutDocument;

// Render Image: the rendered picture written in `format`.
WriteResult WriteRenderedImage(const LayoutDocument& doc, const QString& path, ImageFileFormat format);

// Print: the rendered picture at its whole-number scale (or fitted), centred.
WriteResult PrintRenderedImage(const LayoutDocument& doc, QPrinter& printer);

}  // namespace sw
