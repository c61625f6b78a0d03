// SPDX-License-Identifier: GPL-3.0-or-later
// Image files: the format chosen from the name, each encoder's file decoded back
// by Qt, the exact or quantised GIF palette, and failed writes.

#include "render/export/gif_encoder.h"
#include "render/export/image_file.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(ImageFormatTest, EditorRuleTakesGifAndJpgAndWritesEverythingElseAsBitmap) {
    const struct {
        const char* name;
        ImageFileFormat format;
    } cases[] = {
        {"render.gif", ImageFileFormat::Gif},   {"RENDER.GIF", ImageFileFormat::Gif},
        {"a/b.Gif", ImageFileFormat::Gif},      {"render.jpg", ImageFileFormat::Jpeg},
        {"render.JpG", ImageFileFormat::Jpeg},  {"render.jpeg", ImageFileFormat::Bmp},
        {"render.bmp", ImageFileFormat::Bmp},   {"render.png", ImageFileFormat::Bmp},
        {"render", ImageFileFormat::Bmp},       {"render.gif.txt", ImageFileFormat::Bmp},
        {"dir.gif/render", ImageFileFormat::Bmp},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImageFormatForFileName(QString::fromUtf8(c.name)), c.format) << c.name;
}

TEST(ImageFormatTest, CommandLineRuleAddsPngAndRefusesOtherNames) {
    EXPECT_EQ(CommandLineImageFormat("out.GIF"), ImageFileFormat::Gif);
    EXPECT_EQ(CommandLineImageFormat("out.jpg"), ImageFileFormat::Jpeg);
    EXPECT_EQ(CommandLineImageFormat("out.Bmp"), ImageFileFormat::Bmp);
    EXPECT_EQ(CommandLineImageFormat("out.png"), ImageFileFormat::Png);
    EXPECT_FALSE(CommandLineImageFormat("out.jpeg"));
    EXPECT_FALSE(CommandLineImageFormat("out.tiff"));
    EXPECT_FALSE(CommandLineImageFormat("out"));
}

// A picture like a rendered layout: white, a few flat colours, odd size.
QImage FewColourPicture() {
    QImage image(431, 97, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    const QRgb colours[] = {qRgb(0, 0, 0),       qRgb(192, 192, 192), qRgb(0, 0, 255),
                            qRgb(254, 0, 0),     qRgb(246, 241, 195), qRgb(255, 185, 66),
                            qRgb(180, 180, 180), qRgb(1, 2, 3)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((x / 7 + y / 5) % 3 == 0)
                image.setPixel(x, y, colours[(x * 3 + y) % 8]);
    return image;
}

// A picture with more colours than a GIF palette holds.
QImage RichPicture() {
    QImage image(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 299, y * 255 / 199, (x + y) % 256));
    return image;
}

int MaxChannelDifference(const QImage& a, const QImage& b) {
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

QImage ReadBack(const QString& path, QByteArray* formatName = nullptr) {
    // Decided from the content, not the name.
    if (formatName)
        *formatName = QImageReader::imageFormat(path);
    return QImageReader(path).read().convertToFormat(QImage::Format_RGB32);
}

TEST(WriteImageFileTest, EveryFormatDecodesBackWithItsSizeAndExpectedPixels) {
    QTemporaryDir dir;
    const QImage picture = FewColourPicture();
    const struct {
        const char* name;
        ImageFileFormat format;
        const char* decodedAs;
        int tolerance;  // JPEG is lossy even at quality 100
    } cases[] = {
        {"p.gif", ImageFileFormat::Gif, "gif", 0},
        {"p.bmp", ImageFileFormat::Bmp, "bmp", 0},
        {"p.png", ImageFileFormat::Png, "png", 0},
        {"p.jpg", ImageFileFormat::Jpeg, "jpeg", 255},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        const WriteResult result = WriteImageFile(picture, path, c.format);
        ASSERT_TRUE(result.ok) << c.name << ": " << result.message.toStdString();
        QByteArray format;
        const QImage back = ReadBack(path, &format);
        EXPECT_EQ(format, QByteArray(c.decodedAs)) << c.name;
        ASSERT_EQ(back.size(), picture.size()) << c.name;
        if (c.tolerance == 0)
            EXPECT_EQ(MaxChannelDifference(back, picture), 0) << c.name;
    }
}

TEST(WriteImageFileTest, JpegAtQualityHundredKeepsFlatAreasClose) {
    QTemporaryDir dir;
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(246, 241, 195));
    const QString path = dir.filePath("flat.jpg");
    ASSERT_TRUE(WriteImageFile(picture, path, ImageFileFormat::Jpeg).ok);
    EXPECT_LE(MaxChannelDifference(ReadBack(path), picture), 2);
}

TEST(WriteImageFileTest, BitmapHasTwentyFourBitsPerPixel) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.bmp");
    ASSERT_TRUE(WriteImageFile(FewColourPicture(), path, ImageFileFormat::Bmp).ok);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.left(2), QByteArray("BM"));
    EXPECT_EQ(quint8(header[28]) | (quint8(header[29]) << 8), 24);
}

TEST(GifPaletteTest, ExactUpToTwoHundredFiftySixColoursAndQuantisedBeyond) {
    for (const int colours : {1, 2, 255, 256, 257}) {
        QImage image(colours, 3, QImage::Format_RGB32);
        for (int x = 0; x < colours; ++x)
            for (int y = 0; y < 3; ++y)
                image.setPixel(x, y, qRgb(x % 256, x / 256 * 77, 9));
        const IndexedImage exact = ExactPalette(image);
        if (colours <= 256) {
            ASSERT_EQ(int(exact.palette.size()), colours);
            for (int x = 0; x < colours; ++x)
                EXPECT_EQ(exact.palette[exact.indices[x]], image.pixel(x, 2) & 0xFFFFFFu);
        } else {
            EXPECT_TRUE(exact.palette.empty());
        }
    }
}

TEST(GifPaletteTest, RichPictureIsQuantisedToAtMost256ColoursAndStaysClose) {
    QTemporaryDir dir;
    const QImage picture = RichPicture();
    const QString path = dir.filePath("rich.gif");
    ASSERT_TRUE(WriteImageFile(picture, path, ImageFileFormat::Gif).ok);
    const QImage back = ReadBack(path);
    ASSERT_EQ(back.size(), picture.size());
    QSet<QRgb> used;
    long long error = 0;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x) {
            used.insert(back.pixel(x, y));
            const QRgb p = back.pixel(x, y), q = picture.pixel(x, y);
            error += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    EXPECT_LE(used.size(), 256);
    EXPECT_GT(used.size(), 64);  // a real palette, not a handful of colours
    EXPECT_LT(double(error) / (3.0 * back.width() * back.height()), 8.0);
}

TEST(WriteImageFileTest, FailedWriteReportsThePathAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString missingDir = dir.filePath("missing/render.gif");
    for (const ImageFileFormat format :
         {ImageFileFormat::Gif, ImageFileFormat::Jpeg, ImageFileFormat::Bmp, ImageFileFormat::Png}) {
        const WriteResult result = WriteImageFile(FewColourPicture(), missingDir, format);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.message.contains(missingDir)) << result.message.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missingDir));

    // A directory in the target's place: the error is reported and it stays a directory.
    QDir(dir.path()).mkdir("taken.bmp");
    EXPECT_FALSE(WriteImageFile(FewColourPicture(), dir.filePath("taken.bmp"), ImageFileFormat::Bmp).ok);
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.bmp")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

TEST(WriteImageFileTest, ReplacingAnExistingFileWritesTheNewPicture) {
    QTemporaryDir dir;
    const QString path = dir.filePath("render.gif");
    ASSERT_TRUE(WriteImageFile(RichPicture(), path, ImageFileFormat::Gif).ok);
    ASSERT_TRUE(WriteImageFile(FewColourPicture(), path, ImageFileFormat::Gif).ok);
    EXPECT_EQ(ReadBack(path).size(), FewColourPicture().size());
}

}  // namespace
}  // namespace sw
