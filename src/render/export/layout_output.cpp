// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/layout_output.h"

#include "render/export/print_layout.h"
#include "render/export/render_to_image.h"

#include <QPrinter>

namespace sw {

WriteResult WriteRenderedImage(const LayoutDocument& doc, const QString& path, ImageFileFormat format) {
    return WriteImageFile(RenderToImage(doc), path, format);
}

WriteResult PrintRenderedImage(const LayoutDocument& doc, QPrinter& printer) {
    const QImage picture = RenderToImage(doc);
    const QSize page(printer.width(), printer.height());
    return PrintPicture(printer, picture, LayoutPrintRect(page, picture.size()));
}

}  // namespace sw
