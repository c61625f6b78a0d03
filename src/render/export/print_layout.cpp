// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/print_layout.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace sw {
namespace {

constexpr int kPrintBorder = 200;

}  // namespace

int IntegerPrintScale(QSize page, QSize picture) {
    if (picture.width() <= 0 || picture.height() <= 0)
        return 0;
    const qint64 room = kPrintBorder;
    qint64 n = 1;
    while (n * picture.width() < page.width() - room && n * picture.height() < page.height() - room)
        ++n;
    return int(n - 1);
}

QRect LayoutPrintRect(QSize page, QSize picture) {
    if (picture.width() <= 0 || picture.height() <= 0)
        return {};
    const int scale = IntegerPrintScale(page, picture);
    int width = scale * picture.width();
    int height = scale * picture.height();
    if (scale == 0) {
        const double roomX = std::max(1, page.width() - kPrintBorder);
        const double roomY = std::max(1, page.height() - kPrintBorder);
        const double factor = std::min(roomX / picture.width(), roomY / picture.height());
        width = std::max(1, int(picture.width() * factor));
        height = std::max(1, int(picture.height() * factor));
    }
    return QRect((page.width() - width) / 2, kPrintTop, width, height);
}

QRect CopperPrintRect(int pageWidth, QSize picture, int printerDpiX) {
    // 0.1 (Width + 2) dpi / W with W = 20 (Width + 2): the same for every layout.
    const double factor = printerDpiX / 200.0;
    const int width = int(std::nearbyint(picture.width() * factor));
    const int height = int(std::nearbyint(picture.height() * factor));
    return QRect((pageWidth - width) / 2, kPrintTop, width, height);
}

QRect ActualSizePrintRect(QSize page, QSize picture, int printerDpi) {
    const QRect target = CopperPrintRect(page.width(), picture, printerDpi);
    if (target.isEmpty() || target.left() < 0 || target.right() >= page.width() ||
        target.bottom() >= page.height())
        return {};
    return target;
}

WriteResult PrintPicture(QPrinter& printer, const QImage& picture, const QRect& target) {
    WriteResult result;
    printer.setDocName(QStringLiteral("Stripwright"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        result.message = QStringLiteral("The printer could not start the job.");
        return result;
    }
    // A PDF would otherwise store the picture as JPEG and blur its edges.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        result.message = QStringLiteral("The printer reported an error; the page may not have been printed.");
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace sw
