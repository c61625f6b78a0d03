// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/image_file.h"

#include "model/atomic_file.h"
#include "render/export/gif_encoder.h"
#include "render/export/jpeg_encoder.h"
#include "render/export/png_encoder.h"

#include <QBuffer>
#include <QFileInfo>

namespace sw {
namespace {

constexpr int kJpegQuality = 100;

bool EncodeWithQt(const QImage& image, const char* format, QByteArray& out, QString* error) {
    // Qt writes Format_RGB32 as a 24-bit bitmap.
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) {
        *error = QStringLiteral("The %1 encoder could not write the picture").arg(QLatin1String(format));
        return false;
    }
    return true;
}

}  // namespace

ImageFileFormat ImageFormatForFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("GIF"))
        return ImageFileFormat::Gif;
    if (suffix == QLatin1String("JPG"))
        return ImageFileFormat::Jpeg;
    return ImageFileFormat::Bmp;
}

std::optional<ImageFileFormat> CommandLineImageFormat(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("GIF"))
        return ImageFileFormat::Gif;
    if (suffix == QLatin1String("JPG"))
        return ImageFileFormat::Jpeg;
    if (suffix == QLatin1String("BMP"))
        return ImageFileFormat::Bmp;
    if (suffix == QLatin1String("PNG"))
        return ImageFileFormat::Png;
    return std::nullopt;
}

WriteResult WriteImageFile(const QImage& image, const QString& path, ImageFileFormat format) {
    WriteResult result;
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QString error;
    bool encoded = false;
    switch (format) {
    case ImageFileFormat::Gif: encoded = EncodeGif(rgb, bytes, &error); break;
    case ImageFileFormat::Jpeg: encoded = EncodeJpeg(rgb, kJpegQuality, bytes, &error); break;
    case ImageFileFormat::Bmp: encoded = EncodeWithQt(rgb, "BMP", bytes, &error); break;
    case ImageFileFormat::Png: encoded = EncodePng(rgb, bytes, &error); break;
    }
    if (!encoded) {
        result.message = QStringLiteral("Cannot write \"%1\": %2").arg(path, error);
        return result;
    }

    // The picture goes to a file beside the target that replaces it only once it
    // is complete, so a failure leaves any earlier file as it was and no partial one.
    return WriteFileAtomically(path, bytes);
}

}  // namespace sw
