// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a rendered picture to a file: the format chosen from the file name,
// the encoders behind it, and an atomic write (the picture goes to a file
// beside the target that then replaces it), so a failed write never leaves a
// partial file.

#include "model/write_result.h"

#include <QImage>
#include <QString>
#include <optional>

namespace sw {

enum class ImageFileFormat { Gif, Jpeg, Bmp, Png };


// The editor's rule for Render Image: ".gif" in any letter case gives GIF, ".jpg"
// gives JPEG, anything else (".bmp", but also ".jpeg" or no extension) a bitmap.
ImageFileFormat ImageFormatForFileName(const QString& path);

// The command line's rule: GIF, JPEG (".jpg"), BMP and PNG by their extension in
// any case; nothing for any other name.
std::optional<ImageFileFormat> CommandLineImageFormat(const QString& path);

// Encodes `image` (any format; converted to Format_RGB32 when needed) and writes
// it atomically to `path`. GIF keeps the exact colours of an image that has at
// most 256 of them and quantises anything richer to a palette of 256; JPEG is
// written at quality 100; BMP has 24 bits per pixel.
WriteResult WriteImageFile(const QImage& image, const QString& path, ImageFileFormat format);

}  // namespace sw
