// SPDX-License-Identifier: GPL-3.0-or-later
// The whole renderer on an enlarged canvas: each example drawn at scale s
// looks like its scale-1 picture at every logical pixel's centre, a window of
// the board is the same pixels as that part of the whole, the pick map is left
// alone, and the enlarged tiles keep the tables' colours.

#include "model/layout_document.h"
#include "render/blend.h"
#include "render/board_geometry.h"
#include "render/board_tiles.h"
#include "render/canvas.h"
#include "render/images/component_images.h"
#include "render/images/image_toolkit.h"
#include "render/pick_map.h"
#include "render/render_caches.h"
#include "render/render_layout.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace sw {
namespace {

LayoutDocument Example(const char* name) {
    LayoutDocument doc;
    EXPECT_TRUE(doc.LoadFile(test::ExamplePath(QString::fromLatin1(name))).ok);
    return doc;
}

// The share of the logical pixels of `area` whose colour at the centre of the
// enlarged pixel is the scale-1 colour.
double CentresAlike(const QImage& plain, const QImage& scaled, int s, QPoint origin, QRect area) {
    long long same = 0, all = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int dx = (x - origin.x()) * s + s / 2, dy = (y - origin.y()) * s + s / 2;
            if (dx < 0 || dy < 0 || dx >= scaled.width() || dy >= scaled.height())
                continue;
            ++all;
            same += (plain.pixel(x, y) & 0xFFFFFF) == (scaled.pixel(dx, dy) & 0xFFFFFF);
        }
    return all ? double(same) / double(all) : 0;
}

QImage RenderPlain(const LayoutDocument& doc, const RenderOptions& options) {
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    Canvas canvas(image);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    return canvas.Image();
}

QImage RenderWindow(const LayoutDocument& doc, int s, QRect window, const RenderOptions& options) {
    QImage image = MakeRaster(window.width() * s, window.height() * s);
    Canvas canvas(image, {s, window.topLeft(), QSize(kBoardImageWidth, kBoardImageHeight)});
    PickMap none(0, 0);
    RenderLayout(doc, canvas, none, kBoardImageWidth, kBoardImageHeight, options);
    return canvas.Image();
}

TEST(ScaledRender, EachExampleLooksLikeItsPictureAtScaleOne) {
    struct Case {
        const char* example;
        int scale;
        bool reveal;
    };
    const Case cases[] = {{"stripboard.swb", 2, false}, {"perfboard.swb", 3, true}, {"pcb.swb", 4, false},
                          {"stripboard.swb", 8, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        const LayoutDocument doc = Example(c.example);
        RenderOptions options;
        options.reveal = c.reveal;
        const QImage plain = RenderPlain(doc, options);
        const QRect board = BoardAreaRect(doc.BoardWidth(), doc.BoardHeight());
        // A window over the middle of the board, as a zoomed view shows it.
        const QRect window(board.center() - QPoint(150, 100), QSize(300, 200));
        const QImage scaled = RenderWindow(doc, c.scale, window, options);
        ASSERT_EQ(scaled.size(), window.size() * c.scale);
        // Edges of round shapes and glyphs fall differently; the rest is the same.
        EXPECT_GT(CentresAlike(plain, scaled, c.scale, window.topLeft(), window), 0.9) << c.scale;
    }
}

TEST(ScaledRender, AWindowIsThatPartOfTheWholeEnlargedBoard) {
    const LayoutDocument doc = Example("stripboard.swb");
    const int s = 2;
    RenderCaches caches;  // one set for both, as the view keeps it
    RenderOptions options;
    options.caches = &caches;
    const QRect whole(0, 0, kBoardImageWidth, kBoardImageHeight);
    const QImage all = RenderWindow(doc, s, whole, options);
    for (const QRect window : {QRect(400, 150, 500, 400), QRect(1311, 617, 333, 211), QRect(-40, -30, 200, 300)}) {
        const QImage part = RenderWindow(doc, s, window, options);
        // Where the window reaches past the picture only the page's white can be.
        const QRect common = window.intersected(whole);
        const QImage expected = all.copy(QRect(common.topLeft() * s, common.size() * s));
        const QImage got = part.copy(QRect((common.topLeft() - window.topLeft()) * s, common.size() * s));
        EXPECT_TRUE(got == expected) << window.x() << ", " << window.y();
    }
}

TEST(ScaledRender, ThePickMapIsLeftAlone) {
    const LayoutDocument doc = Example("perfboard.swb");
    QImage image = MakeRaster(400, 300);
    Canvas canvas(image, {2, QPoint(500, 200), QSize(kBoardImageWidth, kBoardImageHeight)});
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    pick.SetKey(600, 300, 77);
    RenderOptions options;
    options.componentsOnly = true;  // which does not clear it either
    RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    EXPECT_EQ(pick.KeyAt(600, 300), 77u);
    int keyed = 0;
    for (int y = 0; y < pick.Height(); y += 7)
        for (int x = 0; x < pick.Width(); x += 7)
            keyed += pick.KeyAt(x, y) != 0;
    EXPECT_EQ(keyed, 0);
}

TEST(ScaledRender, EnlargedTilesKeepTheTablesColours) {
    const Tile tiles[] = {Tile::PerfFirst, Tile::Perf,  Tile::PerfLast, Tile::VeroFirst,
                          Tile::Vero,      Tile::VeroLast, Tile::pcbFirst, Tile::pcb,
                          Tile::pcbLast,   Tile::Cut,    Tile::CutSelected};
    for (Tile tile : tiles) {
        const QImage& plain = TileImage(tile);
        EXPECT_EQ(&TileImage(tile, 1), &plain);
        for (int s : {2, 4, 8}) {
            const QImage& big = TileImage(tile, s);
            ASSERT_EQ(big.size(), plain.size() * s);
            const double alike =
                CentresAlike(plain, big, s, QPoint(), QRect(QPoint(), plain.size()));
            EXPECT_GT(alike, 0.93) << int(tile) << " at " << s;
            // Nothing but the table's colours.
            std::set<QRgb> colours;
            for (int v = 0; v < plain.height(); ++v)
                for (int u = 0; u < plain.width(); ++u)
                    colours.insert(plain.pixel(u, v));
            int foreign = 0;
            for (int y = 0; y < big.height(); ++y)
                for (int x = 0; x < big.width(); ++x)
                    foreign += !colours.count(big.pixel(x, y));
            EXPECT_EQ(foreign, 0) << int(tile) << " at " << s;
        }
    }
}

TEST(ScaledRender, BodyImagesAreBuiltAtTheirScale) {
    const QImage plain = MakeResistorImage(QStringLiteral("R1"), 0.5);
    for (int s : {2, 5}) {
        const QImage big = MakeResistorImage(QStringLiteral("R1"), 0.5, s);
        EXPECT_EQ(big.size(), plain.size() * s);
        EXPECT_EQ(ImageScale(big), s);
        EXPECT_GT(CentresAlike(plain, big, s, QPoint(), QRect(QPoint(), plain.size())), 0.9) << s;
    }
    // A turn keeps the scale, and by 0 clears the same logical edges.
    const QImage turned = RotateImage(MakeTransistorImage(QStringLiteral("Q1"), 0, 3), 0);
    EXPECT_EQ(ImageScale(turned), 3);
    for (int x = 0; x < turned.width(); ++x)
        EXPECT_EQ(turned.pixel(x, 0) & 0xFFFFFF, kKeyColour);
}

}  // namespace
}  // namespace sw
