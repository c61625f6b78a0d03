// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/layout_output.h"

#include "render/export/print_layout.h"
#include "render/export/render_to_image.h"

#include <QPrinter>

namespace sw {

WriteResult WriteRenderedImage(const LayoutDocument& doc, const QString& path, ImageFileFormat format,
                               RenderCaches* caches) {
    return WriteImageFile(RenderToImage(doc, caches), path, format);
}

WriteResult PrintRenderedImage(const LayoutDocument& doc, QPrinter& printer, RenderCaches* caches) {
    const QImage picture = RenderToImage(doc, caches);
    const QSize page(printer.width(), printer.height());
    return PrintPicture(printer, picture, LayoutPrintRect(page, picture.size()));
}

}  // namespace sw
