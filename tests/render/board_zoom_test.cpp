// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/board_zoom.h"

#include "render/board_geometry.h"
#include "render/zoomed_board.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace sw {
namespace {

BoardZoom At(double factor) {
    BoardZoom zoom;
    zoom.SetFactor(factor);
    return zoom;
}

const double kFactors[] = {0.25, 0.3, 1.0 / 3, 0.5, 0.75, 1.0, 1.37, 1.5, 2.0, 2.5, 3.0, 4.0};

// Every view pixel maps to the board pixel it shows, and back: at every factor,
// on the board and off it (a drag leaves the picture to the left and above).
TEST(BoardZoom, PointerMapsBackToTheBoardPixelItShows) {
    for (double factor : kFactors) {
        const BoardZoom zoom = At(factor);
        for (int x : {-41, -1, 0, 1, 7, 19, 820, 1199, 1999}) {
            const QPoint board(x, x / 2);
            const QPointF view = zoom.ToView(board);
            EXPECT_EQ(zoom.ToBoard(view), board) << factor << " " << x;
            // The far side of the pixel's picture still shows the same pixel.
            const double inside = std::max(factor, 1.0) - 0.01;
            EXPECT_EQ(zoom.ToBoard(view + QPointF(inside, inside) * (factor >= 1 ? 1 : factor)), board)
                << factor << " " << x;
        }
        // Every whole view pixel lands on floor(view / factor).
        for (int v = -9; v < 60; ++v)
            EXPECT_EQ(zoom.ToBoard(QPointF(v, v)).x(), int(std::floor(v / zoom.Factor() + 1e-9)))
                << factor << " " << v;
    }
}

TEST(BoardZoom, FactorIsClampedAndStepsAlongTheLadder) {
    BoardZoom zoom;
    EXPECT_EQ(zoom.Percent(), 100);
    EXPECT_FALSE(zoom.SetFactor(1.0));
    EXPECT_TRUE(zoom.SetFactor(10.0));
    EXPECT_EQ(zoom.Factor(), 4.0);
    EXPECT_FALSE(zoom.StepIn());
    EXPECT_TRUE(zoom.SetFactor(0.01));
    EXPECT_EQ(zoom.Factor(), 0.25);
    EXPECT_FALSE(zoom.StepOut());
    EXPECT_FALSE(zoom.SetFactor(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(zoom.SetFactor(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(zoom.Factor(), 0.25);

    std::vector<int> in;
    while (zoom.StepIn())
        in.push_back(zoom.Percent());
    EXPECT_EQ(in, (std::vector<int>{50, 75, 100, 150, 200, 250, 300, 400}));
    // A fitted factor between two steps goes to its neighbours.
    zoom.SetFactor(0.6);
    EXPECT_EQ(zoom.Percent(), 60);
    zoom.StepIn();
    EXPECT_EQ(zoom.Percent(), 75);
    zoom.SetFactor(0.6);
    zoom.StepOut();
    EXPECT_EQ(zoom.Percent(), 50);
}

TEST(BoardZoom, SizesAndShownPixels) {
    EXPECT_EQ(At(2.0).ViewSize(QSize(2000, 1200)), QSize(4000, 2400));
    EXPECT_EQ(At(0.25).ViewSize(QSize(2000, 1200)), QSize(500, 300));
    EXPECT_EQ(At(1.5).ViewSize(QSize(3, 3)), QSize(5, 5));  // 4.5 rounded up
    const QSize image(2000, 1200);
    EXPECT_EQ(At(2.0).BoardPixelsShown(QRect(0, 0, 100, 60), image), QRect(0, 0, 50, 30));
    // Partly shown pixels count, at both ends.
    EXPECT_EQ(At(3.0).BoardPixelsShown(QRect(2, 2, 5, 5), image), QRect(0, 0, 3, 3));
    EXPECT_EQ(At(0.25).BoardPixelsShown(QRect(10, 0, 2, 1), image), QRect(40, 0, 8, 4));
    // Clipped to the image.
    EXPECT_EQ(At(4.0).BoardPixelsShown(QRect(7990, 4790, 100, 100), image), QRect(1997, 1197, 3, 3));
    EXPECT_TRUE(At(1.0).BoardPixelsShown(QRect(), image).isEmpty());
}

// Zooming about a point keeps the board point under it; fitting centres the area.
TEST(BoardZoom, ScrollKeepsThePointerAndFitCentres) {
    for (double from : kFactors) {
        for (double to : kFactors) {
            const QPointF anchor(300, 200);
            const QPoint scroll(1234, 567);
            const QPointF board = (QPointF(scroll) + anchor) / At(from).Factor();
            const BoardZoom zoom = At(to);
            const QPoint next = zoom.ScrollKeeping(board, anchor);
            const QPointF under = (QPointF(next) + anchor) / zoom.Factor();
            EXPECT_NEAR(under.x(), board.x(), 0.5 / to + 1e-6) << from << " -> " << to;
            EXPECT_NEAR(under.y(), board.y(), 0.5 / to + 1e-6) << from << " -> " << to;
        }
    }
    const QRect area = BoardAreaRect(20, 10);
    EXPECT_EQ(area, QRect(QPoint(780, 180), QPoint(1239, 419)));
    EXPECT_DOUBLE_EQ(BoardZoom::FitFactor(area, QSize(920, 2000)), 2.0);
    EXPECT_DOUBLE_EQ(BoardZoom::FitFactor(area, QSize(5000, 5000)), 4.0);
    EXPECT_DOUBLE_EQ(BoardZoom::FitFactor(area, QSize(10, 10)), 0.25);
    EXPECT_DOUBLE_EQ(BoardZoom::FitFactor(QRect(), QSize(10, 10)), 1.0);
    const BoardZoom two = At(2.0);
    EXPECT_EQ(two.ScrollCentring(area, QSize(920, 480)), QPoint(1560, 360));
    // A board wider than the image is clipped to it; one wholly off it is empty.
    EXPECT_EQ(BoardAreaRect(500, 100), QRect(0, 180, 2000, 1020));
    EXPECT_TRUE(BoardAreaRect(std::numeric_limits<int>::min(), 10).isEmpty());
}

TEST(BoardZoom, WholeDevicePixelsAreScaledByNearestPixel) {
    struct Case { double factor, ratio; bool whole; };
    const Case cases[] = {{1, 1, true}, {2, 1, true}, {4, 1, true}, {1.5, 1, false}, {1.5, 2, true},
                          {0.5, 2, true}, {0.5, 1, false}, {1, 1.25, false}, {0.25, 1, false}};
    for (const Case& c : cases)
        EXPECT_EQ(At(c.factor).WholeDevicePixels(c.ratio), c.whole) << c.factor << " " << c.ratio;
}

// A board of single-pixel checks: nearest-pixel enlargement keeps each check a
// solid block; a shrunk board keeps a one-pixel line visible.
TEST(ZoomedBoardPainter, EnlargesCrispAndShrinksWithoutLosingLines) {
    QImage board(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            board.setPixel(x, y, (x + y) % 2 ? 0xFF000000u : 0xFFFFFFFFu);
    for (double factor : {2.0, 3.0, 4.0}) {
        const BoardZoom zoom = At(factor);
        QImage view(zoom.ViewSize(board.size()), QImage::Format_RGB32);
        view.fill(Qt::red);
        ZoomedBoardPainter painter;
        {
            QPainter p(&view);
            // Two strips, as a scroll exposes them.
            painter.Draw(p, board, zoom, QRect(0, 0, view.width(), 31));
            painter.Draw(p, board, zoom, QRect(0, 31, view.width(), view.height() - 31));
        }
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x)
                ASSERT_EQ(view.pixel(x, y), board.pixel(zoom.ToBoard(QPointF(x, y))))
                    << factor << " " << x << "," << y;
    }
    QImage lined(400, 40, QImage::Format_RGB32);
    lined.fill(Qt::white);
    for (int x = 0; x < lined.width(); ++x)
        lined.setPixel(x, 21, 0xFF000000u);
    const BoardZoom quarter = At(0.25);
    QImage view(quarter.ViewSize(lined.size()), QImage::Format_RGB32);
    view.fill(Qt::red);
    ZoomedBoardPainter painter;
    {
        QPainter p(&view);
        painter.Draw(p, lined, quarter, view.rect());
    }
    for (int x = 0; x < view.width(); ++x) {
        EXPECT_LT(qGray(view.pixel(x, 5)), 240) << x;   // the line, greyed
        EXPECT_EQ(view.pixel(x, 0), 0xFFFFFFFFu) << x;  // white stays white
    }
}

// Smoothed scales drawn in strips, as scrolling exposes them, give the same
// pixels as one draw of the whole view: no seams where the strips meet.
TEST(ZoomedBoardPainter, StripsMeetWithoutSeams) {
    QImage board(97, 61, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            board.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, ((x ^ y) * 11) % 256));
    for (double factor : {0.3, 0.5, 0.75, 1.5, 2.5}) {
        const BoardZoom zoom = At(factor);
        const QSize size = zoom.ViewSize(board.size());
        auto draw = [&](const std::vector<QRect>& strips) {
            QImage view(size, QImage::Format_RGB32);
            view.fill(Qt::red);
            ZoomedBoardPainter painter;
            QPainter p(&view);
            for (const QRect& strip : strips) {
                p.setClipRect(strip);
                painter.Draw(p, board, zoom, strip);
            }
            return view;
        };
        const QImage whole = draw({QRect(QPoint(0, 0), size)});
        const int cut = size.height() / 3 + 1;
        const QImage strips = draw({QRect(0, 0, size.width(), cut),
                                    QRect(0, cut, size.width(), size.height() - cut)});
        EXPECT_TRUE(whole == strips) << factor;
        EXPECT_NE(whole.pixel(size.width() - 1, size.height() - 1), qRgb(255, 0, 0)) << factor;
    }
}

TEST(ZoomedBoardPainter, HalvingAveragesEachTwoByTwo) {
    QImage image(3, 3, QImage::Format_RGB32);
    const QRgb pixels[9] = {qRgb(0, 0, 0),   qRgb(255, 255, 255), qRgb(10, 20, 30),
                            qRgb(100, 0, 0), qRgb(0, 100, 0),     qRgb(40, 50, 60),
                            qRgb(1, 2, 3),   qRgb(5, 6, 7),       qRgb(9, 9, 9)};
    for (int i = 0; i < 9; ++i)
        image.setPixel(i % 3, i / 3, pixels[i]);
    const QImage half = HalveImage(image);
    ASSERT_EQ(half.size(), QSize(2, 2));
    EXPECT_EQ(half.pixel(0, 0), qRgb(89, 89, 64));   // (0+255+100+0)/4 rounded, ...
    EXPECT_EQ(half.pixel(1, 0), qRgb(25, 35, 45));   // the last column repeated
    EXPECT_EQ(half.pixel(0, 1), qRgb(3, 4, 5));      // the last row repeated
    EXPECT_EQ(half.pixel(1, 1), qRgb(9, 9, 9));
}

}  // namespace
}  // namespace sw
