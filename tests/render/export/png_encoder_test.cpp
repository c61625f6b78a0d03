// SPDX-License-Identifier: GPL-3.0-or-later
// The PNG encoder's files decoded back by Qt's own reader (libpng): the same
// pixels for pictures of every shape, including the first row (filtered against
// nothing) and channel differences that wrap below zero.

#include "render/export/png_encoder.h"

#include <QBuffer>
#include <QImageReader>
#include <gtest/gtest.h>

namespace sw {
namespace {

QImage Decoded(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

TEST(PngEncoderTest, DecodesToTheSamePixels) {
    const struct {
        int width, height;
    } sizes[] = {{1, 1}, {1, 7}, {9, 1}, {37, 23}, {2000, 3}};
    for (const auto& s : sizes) {
        QImage image(s.width, s.height, QImage::Format_RGB32);
        // A pattern whose channels rise and fall from row to row, so the "up"
        // differences take every value.
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x)
                image.setPixel(x, y, qRgb((x * 37 + y * 101) & 0xFF, (x * x + 255 * y) & 0xFF,
                                          (x ^ (y * 7)) & 0xFF));
        QByteArray bytes;
        QString error;
        ASSERT_TRUE(EncodePng(image, bytes, &error)) << qPrintable(error);
        const QImage back = Decoded(bytes);
        ASSERT_EQ(back.size(), image.size()) << s.width << " x " << s.height;
        EXPECT_EQ(back, image) << s.width << " x " << s.height;
    }
}

TEST(PngEncoderTest, RefusesAPictureItCannotWrite) {
    QByteArray bytes;
    QString error;
    EXPECT_FALSE(EncodePng(QImage(), bytes, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(EncodePng(QImage(4, 4, QImage::Format_ARGB32), bytes, &error));
}

}  // namespace
}  // namespace sw
