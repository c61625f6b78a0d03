// SPDX-License-Identifier: GPL-3.0-or-later
// Colour names and the compositing of component images.

#include "render/blend.h"

#include "render/pick_map.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

TEST(Blend, ColourNamesAreExactAndCaseSensitive) {
    const std::pair<const char*, Rgb> cases[] = {
        {"Black", MakeRgb(0, 0, 0)},        {"Purple", MakeRgb(128, 0, 128)},
        {"Green", MakeRgb(0, 128, 0)},      {"Red", MakeRgb(255, 0, 0)},
        {"Blue", MakeRgb(0, 0, 255)},       {"Gray", MakeRgb(128, 128, 128)},
        {"Brown", MakeRgb(140, 98, 57)},    {"Orange", MakeRgb(247, 148, 29)},
        {"red", MakeRgb(255, 255, 255)},    {"", MakeRgb(255, 255, 255)},
        {"Grey", MakeRgb(255, 255, 255)},   {"Red ", MakeRgb(255, 255, 255)},
    };
    for (const auto& [name, colour] : cases)
        EXPECT_EQ(MyTextToColor(QString::fromLatin1(name)), colour) << '"' << name << '"';
}

TEST(Blend, ChannelsDivideBy256) {
    struct Case {
        int source, destination, opacity, expected;
    };
    for (const Case& c : {Case{255, 0, 255, 254}, Case{0, 255, 200, 54}, Case{255, 255, 75, 254},
                          Case{0, 0, 255, 0}, Case{100, 200, 0, 199}, Case{200, 100, 128, 149}})
        EXPECT_EQ(BlendChannel(c.source, c.destination, c.opacity), c.expected)
            << c.source << " over " << c.destination << " at " << c.opacity;
    EXPECT_EQ(BlendColour(MakeRgb(255, 0, 0), MakeRgb(0, 255, 255), 200),
              MakeRgb(199, 54, 54));
}

// A 3 x 2 image: magenta key at (0, 0), red elsewhere.
QImage SmallImage() {
    QImage image = MakeRaster(3, 2, MakeRgb(255, 0, 0));
    image.setPixel(0, 0, 0xFF000000u | kKeyColour);
    return image;
}

TEST(Blend, CompositingSkipsTheKeyColourAndWritesTheIdentity) {
    struct Case {
        const char* what;
        int opacity;
        bool exempt, reveal;
        int expectedRed;  // over white
    };
    const Case cases[] = {
        {"full", 255, false, false, 254},
        {"component", 200, false, false, BlendChannel(255, 255, 200)},
        {"revealed component", 200, false, true, BlendChannel(255, 255, 75)},
        {"exempt cut", 255, true, true, 254},
        {"invisible", 0, false, false, 254},
    };
    for (const Case& c : cases) {
        QImage raster = MakeRaster(10, 10);
        Canvas canvas(raster);
        PickMap pick(10, 10);
        DrawImageBlended(canvas, pick, 4, 5, SmallImage(), kKeyColour, 42, c.exempt, c.opacity,
                         c.reveal);
        const Rgb gb = Rgb(BlendChannel(0, 255, c.reveal && !c.exempt ? 200 * 3 / 8 : c.opacity));
        EXPECT_EQ(canvas.Pixel(5, 5), MakeRgb(c.expectedRed, int(gb), int(gb))) << c.what;
        EXPECT_EQ(canvas.Pixel(4, 5), 0xFFFFFFu) << c.what;  // key colour skipped
        EXPECT_EQ(pick.KeyAt(4, 5), 0u) << c.what;
        EXPECT_EQ(pick.KeyAt(5, 5), 42u) << c.what;  // whatever the opacity
        EXPECT_EQ(pick.KeyAt(6, 6), 42u) << c.what;
        EXPECT_EQ(pick.KeyAt(7, 6), 0u) << c.what;
    }
}

TEST(Blend, CompositingClipsCanvasAndPickMapSeparately) {
    QImage raster = MakeRaster(4, 4);  // a small export raster beside a larger pick map
    Canvas canvas(raster);
    PickMap pick(8, 8);
    DrawImageBlended(canvas, pick, 2, -1, MakeRaster(5, 5, 0), kKeyColour, 9, false, 255, false);
    EXPECT_EQ(canvas.Pixel(2, 0), 0u);
    EXPECT_EQ(canvas.Pixel(3, 3), 0u);
    EXPECT_EQ(canvas.Pixel(1, 0), 0xFFFFFFu);
    EXPECT_EQ(pick.KeyAt(6, 3), 9u);  // beyond the canvas, still on the pick map
    EXPECT_EQ(pick.KeyAt(6, 4), 0u);  // the image's last row is at y = 3
    EXPECT_EQ(pick.KeyAt(7, 0), 0u);
    // Wholly outside: nothing at all.
    DrawImageBlended(canvas, pick, -10, -10, MakeRaster(5, 5, 0), kKeyColour, 3, false, 255, false);
    DrawImageBlended(canvas, pick, 100, 2, MakeRaster(5, 5, 0), kKeyColour, 3, false, 255, false);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_NE(pick.KeyAt(x, y), 3u);
}

// The run-based compositing of a kept image must give exactly the pixels and
// pick keys of DrawImageBlended, wherever the image lands: inside, over every
// edge, on a pick map smaller than the canvas and the other way round, dimmed
// or not. The image mixes key runs, single drawn pixels, alpha bits set on key
// pixels and whole key rows.
void ExpectKeptRunsCompositeLikeTheWholeImage(int imageWidth) {
    QImage image = MakeRaster(imageWidth, 23, kKeyColour);
    unsigned seed = 12345;
    auto next = [&] {
        seed = seed * 1103515245u + 12345u;
        return seed >> 8;
    };
    for (int y = 0; y < image.height(); ++y) {
        if (y == 5)
            continue;  // a row of key colour only
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (y == 7) {  // one long run, composited many pixels at a time
            for (int x = 0; x < image.width(); ++x)
                line[x] = 0xFF000000u | (next() & 0xFFFFFEu);  // blue even: never the key
            continue;
        }
        for (int x = 0; x < image.width(); ++x) {
            const unsigned r = next();
            if (r % 3 != 0)
                line[x] = (r % 5 == 0 ? 0x12000000u : 0xFF000000u) | (next() & 0xFFFFFFu);
            else if (r % 7 == 0)
                line[x] = 0x00000000u | kKeyColour;  // key with no alpha is still key
        }
    }
    const KeyedImage kept(image, kKeyColour);
    struct Raster {
        int canvasW, canvasH, pickW, pickH;
    };
    const Raster rasters[] = {{60, 40, 60, 40}, {60, 40, 30, 20}, {25, 15, 60, 40}};
    const QPoint places[] = {{5, 5},   {-10, 3}, {3, -7},  {40, 30}, {-36, -22}, {59, 39},
                             {-37, 0}, {0, 40},  {20, 10}, {-5, 20}, {30, -10}};
    for (const Raster& r : rasters) {
        for (const QPoint& at : places) {
            for (const bool reveal : {false, true}) {
                SCOPED_TRACE(testing::Message() << r.canvasW << "x" << r.canvasH << " pick "
                                                << r.pickW << "x" << r.pickH << " at " << at.x()
                                                << "," << at.y() << " reveal " << reveal);
                // A different colour in every pixel, so a pixel blended over
                // the wrong one shows.
                const auto patterned = [&r] {
                    QImage canvas = MakeRaster(r.canvasW, r.canvasH);
                    for (int y = 0; y < r.canvasH; ++y)
                        for (int x = 0; x < r.canvasW; ++x)
                            canvas.setPixel(x, y, 0xFF000000u | MakeRgb(4 * x, 6 * y, 90));
                    return canvas;
                };
                QImage wholeCanvas = patterned();
                QImage runCanvas = patterned();
                PickMap wholePick(r.pickW, r.pickH), runPick(r.pickW, r.pickH);
                wholePick.SetKey(1, 1, 77);
                runPick.SetKey(1, 1, 77);
                {
                    Canvas whole(wholeCanvas);
                    DrawImageBlended(whole, wholePick, at.x(), at.y(), image, kKeyColour, 42, false,
                                     200, reveal);
                    Canvas runs(runCanvas);
                    DrawKeyedImageBlended(runs, runPick, at.x(), at.y(), kept, 42, false, 200,
                                          reveal);
                }
                EXPECT_TRUE(wholeCanvas == runCanvas);
                EXPECT_TRUE(wholePick.Image() == runPick.Image());

                // Composited in two bands of rows, as the cores share the work.
                QImage bandCanvas = patterned();
                PickMap bandPick(r.pickW, r.pickH);
                bandPick.SetKey(1, 1, 77);
                {
                    Canvas bands(bandCanvas);
                    const BlendTarget target = BlendTargetOf(bands, bandPick);
                    const int rows = std::max(r.canvasH, r.pickH), opacity = EffectiveOpacity(200, false, reveal);
                    BlendKeyedImageRows(target, at.x(), at.y(), kept, 42, opacity, rows / 3, rows);
                    BlendKeyedImageRows(target, at.x(), at.y(), kept, 42, opacity, 0, rows / 3);
                }
                EXPECT_TRUE(wholeCanvas == bandCanvas);
                EXPECT_TRUE(wholePick.Image() == bandPick.Image());
            }
        }
    }
}

// 37 pixels wide: less than one word of the drawn-pixel mask; 150: runs across words.
TEST(Blend, KeptRunsCompositeLikeTheWholeImage) {
    for (const int imageWidth : {37, 150}) {
        SCOPED_TRACE(imageWidth);
        ExpectKeptRunsCompositeLikeTheWholeImage(imageWidth);
    }
}

}  // namespace
}  // namespace sw
