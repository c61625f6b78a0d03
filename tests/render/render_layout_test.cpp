// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the renderer: page, grid, title, rulers, tiles and outline.

#include "render/render_layout.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/board_tiles.h"
#include "render/canvas.h"
#include "render/pick_map.h"

#include <QRect>
#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kGrey = MakeRgb(192, 192, 192);
constexpr Rgb kGrid = MakeRgb(245, 245, 245);

struct Frame {
    QImage image;
    PickMap pick;
    Frame(int width, int height) : image(MakeRaster(width, height, 0x123456)), pick(width, height) {}
    Rgb At(int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
};

void Render(const LayoutDocument& doc, Frame& frame, bool forImage) {
    Canvas canvas(frame.image);
    RenderOptions options;
    options.forImage = forImage;
    RenderLayout(doc, canvas, frame.pick, frame.image.width(), frame.image.height(), options);
}

LayoutDocument Layout(const char* type, int width, int height, const char* project = "Flasher",
                      const char* credits = "by me") {
    LayoutDocument doc;
    doc.SetNew(QString::fromLatin1(type), width, height, QString::fromLatin1(project),
               QString::fromLatin1(credits), false);
    return doc;
}

// Bounding box of the pixels of one colour within a band of rows.
QRect InkOf(const Frame& frame, Rgb colour, int top, int bottom) {
    QRect box;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < frame.image.width(); ++x)
            if (frame.At(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

int Count(const Frame& frame, Rgb colour, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += frame.At(x, y) == colour;
    return n;
}

bool AllKeysZero(const PickMap& pick) {
    for (int y = 0; y < pick.Height(); ++y)
        for (int x = 0; x < pick.Width(); ++x)
            if (pick.KeyAt(x, y) != 0)
                return false;
    return true;
}

Rgb TilePixel(Tile tile, int x, int y) { return TileImage(tile).pixel(x, y) & 0xFFFFFF; }

TEST(RenderLayout, EmptyStripboardOnTheBoardImage) {
    const LayoutDocument doc;  // 20 x 10 stripboard, "New Project"
    Frame frame(kBoardImageWidth, kBoardImageHeight);
    frame.pick.SetKey(5, 5, 99);
    Render(doc, frame, false);

    EXPECT_TRUE(AllKeysZero(frame.pick));
    EXPECT_EQ(frame.At(5, 5), kWhite);
    EXPECT_EQ(frame.At(20, 150), kGrid);  // grid line x = 20
    EXPECT_EQ(frame.At(5, 150), kGrid);   // grid line y = 150
    EXPECT_EQ(frame.At(0, 1199), kGrid);

    // Title and credits are centred on the canvas.
    Canvas measure(frame.image);
    measure.SetFont(QStringLiteral("Tahoma"), 24);
    const int titleWidth = measure.TextExtent(QStringLiteral("New Project")).width();
    const QRect title = InkOf(frame, MakeRgb(0, 0, 255), 0, 60);
    ASSERT_FALSE(title.isEmpty());
    EXPECT_GE(title.left(), (2000 - titleWidth) / 2);
    EXPECT_LE(title.right(), (2000 - titleWidth) / 2 + titleWidth);
    EXPECT_NEAR(title.center().x(), 1000, 3);
    EXPECT_GE(title.top(), 8);
    const QRect credits = InkOf(frame, 0x000000, 44, 70);
    ASSERT_FALSE(credits.isEmpty());
    EXPECT_NEAR(credits.center().x(), 1000, 3);

    // The outline of a stripboard: x0 + 10 ... x0 + 10 + 20 Width, 203 ... 196 + 20 Height.
    for (const QPoint p : {QPoint(810, 203), QPoint(1210, 203), QPoint(1210, 396), QPoint(810, 396),
                           QPoint(1000, 203), QPoint(1000, 396), QPoint(810, 300), QPoint(1210, 300)})
        EXPECT_EQ(frame.At(p.x(), p.y()), kGrey) << p.x() << "," << p.y();

    // Tiles: first, middle and last columns of every row.
    EXPECT_EQ(frame.At(800 + 5, 200 + 5), TilePixel(Tile::VeroFirst, 5, 5));
    EXPECT_EQ(frame.At(900 + 3, 380 + 9), TilePixel(Tile::Vero, 3, 9));
    EXPECT_EQ(frame.At(1200 + 15, 260 + 7), TilePixel(Tile::VeroLast, 15, 7));
    EXPECT_EQ(frame.At(1225, 300), kWhite);  // right of the board
    EXPECT_EQ(frame.At(1005, 401), kWhite);  // below the last tile row

    // Rulers: column numbers above the board, row letters left of it.
    EXPECT_GT(Count(frame, kGrey, QRect(812, 188, 16, 11)), 0);  // "1" at 820
    EXPECT_GT(Count(frame, kGrey, QRect(1188, 188, 24, 11)), 0);  // "20" at 1200
    EXPECT_GT(Count(frame, kGrey, QRect(780, 203, 20, 13)), 0);  // "a"
    EXPECT_EQ(Count(frame, kGrey, QRect(700, 183, 80, 300)), 0);
}

TEST(RenderLayout, ExportedPcbHasNoRulersTilesOrGrid) {
    const LayoutDocument doc = Layout("PCB", 20, 10);
    Frame frame(1280, 1024);
    Render(doc, frame, true);
    const int x0 = BoardOriginX(1280, 20);
    EXPECT_EQ(Count(frame, kGrey, QRect(0, 0, 1280, 1024)), 0);
    EXPECT_EQ(Count(frame, kGrid, QRect(0, 0, 1280, 1024)), 0);
    // Inside the board, only white: no tiles.
    EXPECT_EQ(Count(frame, kWhite, QRect(x0 + 11, 201, 399, 199)), 399 * 199);
    // The black outline, 200 ... 200 + 20 Height.
    for (const QPoint p : {QPoint(x0 + 10, 200), QPoint(x0 + 410, 400), QPoint(x0 + 10, 300),
                           QPoint(x0 + 200, 400)})
        EXPECT_EQ(frame.At(p.x(), p.y()), 0x000000u) << p.x() << "," << p.y();
    EXPECT_TRUE(AllKeysZero(frame.pick));
}

TEST(RenderLayout, ExportedStripboardHasRulersAndTilesButNoGrid) {
    const LayoutDocument doc = Layout("Stripboard", 20, 10);
    Frame frame(1280, 1024);
    Render(doc, frame, true);
    const int x0 = BoardOriginX(1280, 20);
    EXPECT_EQ(x0, 440);
    EXPECT_EQ(Count(frame, kGrid, QRect(0, 0, 1280, 1024)), 0);
    EXPECT_EQ(frame.At(x0 + 40 + 6, 240 + 5), TilePixel(Tile::Vero, 6, 5));
    EXPECT_GT(Count(frame, kGrey, QRect(x0 + 12, 188, 16, 11)), 0);
    EXPECT_EQ(frame.At(x0 + 10, 203), kGrey);
}

TEST(RenderLayout, UnknownBoardTypeDrawsNoTiles) {
    const LayoutDocument doc = Layout("Veroboard", 20, 10);
    Frame frame(kBoardImageWidth, kBoardImageHeight);
    Render(doc, frame, false);
    // The board area shows the page and its grid, not tiles.
    const QRect inside(811, 201, 399, 199);
    EXPECT_EQ(Count(frame, kWhite, inside) + Count(frame, kGrid, inside), 399 * 199);
    EXPECT_GT(Count(frame, kGrey, QRect(812, 186, 16, 11)), 0);  // rulers at 186
    EXPECT_EQ(frame.At(810, 200), kGrey);  // outline top at 200
    EXPECT_EQ(frame.At(1000, 400), kGrey);
}

TEST(RenderLayout, HugeBoardDrawsItsVisiblePartOnly) {
    const LayoutDocument doc = Layout("Perfboard", 100000, 100000);
    Frame frame(kBoardImageWidth, kBoardImageHeight);
    Render(doc, frame, false);
    const int x0 = BoardOriginX(kBoardImageWidth, 100000);
    ASSERT_LT(x0, -900000);
    // Every pixel below the outline's top edge is a middle tile: the board covers the canvas.
    EXPECT_EQ(Count(frame, kGrey, QRect(0, 200, 2000, 1)), 2000);
    for (int y = 201; y < 1200; y += 37)
        for (int x = 0; x < 2000; x += 53) {
            const int tx = ((x - x0) % 20 + 20) % 20;
            ASSERT_EQ(frame.At(x, y), TilePixel(Tile::Perf, tx, (y - 180) % 20)) << x << "," << y;
        }
    // Column numbers continue across the top; the outline's sides and the row
    // letters are off the canvas.
    EXPECT_GT(Count(frame, kGrey, QRect(0, 186, 2000, 11)), 500);
    EXPECT_EQ(Count(frame, kGrey, QRect(0, 197, 2000, 3)), 0);
}

TEST(RenderLayout, NothingIsDrawnWhenClosingOrWithoutARoot) {
    LayoutDocument doc;
    Frame frame(200, 100);
    frame.pick.SetKey(1, 1, 7);
    Canvas canvas(frame.image);
    RenderOptions closing;
    closing.closing = true;
    RenderLayout(doc, canvas, frame.pick, 200, 100, closing);
    EXPECT_EQ(frame.At(0, 0), 0x123456u);
    EXPECT_EQ(frame.pick.KeyAt(1, 1), 7u);
    doc.Dom().reset();
    RenderLayout(doc, canvas, frame.pick, 200, 100, RenderOptions{});
    EXPECT_EQ(frame.At(100, 50), 0x123456u);
    EXPECT_EQ(frame.pick.KeyAt(1, 1), 7u);
}

}  // namespace
}  // namespace sw
