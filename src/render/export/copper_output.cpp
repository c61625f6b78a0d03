// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/copper_output.h"

#include "model/layout_document.h"
#include "render/canvas.h"
#include "render/export/print_layout.h"
#include "render/export/render_copper.h"

#include <QPrinter>

namespace sw {

std::optional<QString> PnpRefusal(const LayoutDocument& doc) {
    const QString type = doc.BoardType();
    if (type != QLatin1String("Stripboard") && type != QLatin1String("Perfboard"))
        return std::nullopt;
    return QStringLiteral("Toner transfer (PnP) is for PCB layouts; this layout's type is \"%1\".")
        .arg(type);
}

QImage RenderCopperImage(const LayoutDocument& doc, QString* error) {
    const QSize size = CopperCanvasSize(doc, error);
    if (size.isEmpty())
        return {};
    QImage image = MakeRaster(size.width(), size.height());
    if (image.isNull()) {
        *error = QStringLiteral("There is not enough memory for a %1 x %2 picture.")
                     .arg(size.width())
                     .arg(size.height());
        return {};
    }
    {
        Canvas canvas(image);
        RenderCopper(doc, canvas, size.width(), size.height());
    }
    return image;
}

WriteResult WriteCopperImage(const LayoutDocument& doc, const QString& path) {
    WriteResult result;
    const QImage image = RenderCopperImage(doc, &result.message);
    if (image.isNull())
        return result;
    return WriteImageFile(image, path, ImageFileFormat::Gif);
}

WriteResult PrintCopperImage(const LayoutDocument& doc, QPrinter& printer) {
    WriteResult result;
    const QImage picture = RenderCopperImage(doc, &result.message);
    if (picture.isNull())
        return result;
    return PrintPicture(printer, picture,
                        CopperPrintRect(printer.width(), picture.size(), printer.logicalDpiX()));
}

}  // namespace sw
