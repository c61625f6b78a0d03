// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/layout_output.h"

#include "render/export/print_layout.h"
#include "render/export/render_to_image.h"

#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace sw {

WriteResult WriteRenderedImage(const LayoutDocument& doc, const QString& path, ImageFileFormat format,
                               RenderCaches* caches) {
    return WriteImageFile(RenderToImage(doc, caches), path, format);
}

WriteResult PrintRenderedImage(const LayoutDocument& doc, QPrinter& printer, RenderCaches* caches,
                               PrintSize size) {
    const QImage picture = RenderToImage(doc, caches);
    const QSize page(printer.width(), printer.height());
    if (size == PrintSize::FillPage)
        return PrintPicture(printer, picture, LayoutPrintRect(page, picture.size()));
    const QRect target = ActualSizePrintRect(page, picture.size(), printer.resolution());
    if (target.isEmpty()) {
        // 20 pixels of the picture are 2.54 mm.
        const auto mm = [](double pixels) { return QString::number(std::lround(pixels)); };
        const double pageMm = 25.4 / std::max(1, printer.resolution());
        WriteResult refused;
        refused.message = QStringLiteral("At actual size (1:1) the layout is %1 x %2 mm and does not "
                                         "fit on the page (%3 x %4 mm); choose larger paper or print "
                                         "it to fill the page.")
                              .arg(mm(picture.width() * 0.127), mm(picture.height() * 0.127),
                                   mm(page.width() * pageMm), mm(page.height() * pageMm));
        return refused;
    }
    return PrintPicture(printer, picture, target);
}

}  // namespace sw
