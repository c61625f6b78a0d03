// SPDX-License-Identifier: GPL-3.0-or-later
// The toner-transfer picture: canvas size, outline, traces, pads with their
// drill marks, and nothing else.

#include "model/layout_document.h"
#include "render/canvas.h"
#include "render/export/copper_output.h"
#include "render/export/render_copper.h"

#include <gtest/gtest.h>

namespace sw {
namespace {

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;

QImage Copper(const std::string& children, const char* type = "PCB", int width = 20, int height = 10) {
    LayoutDocument doc;
    const std::string xml = std::string("<Layout Type=\"") + type + "\" Width=\"" +
                            std::to_string(width) + "\" Height=\"" + std::to_string(height) +
                            "\" Project=\"Title\" Credits=\"Me\">" + children + "</Layout>";
    EXPECT_TRUE(doc.LoadText(xml).ok) << xml;
    QString error;
    const QImage image = RenderCopperImage(doc, &error);
    EXPECT_FALSE(image.isNull()) << error.toStdString();
    return image;
}

Rgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

int CountNonWhite(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += At(image, x, y) != kWhite;
    return count;
}

TEST(RenderCopperTest, TwentyByTenBoardIsAnOutlineOnA440By240Canvas) {
    const QImage image = Copper("");
    ASSERT_EQ(image.size(), QSize(440, 240));
    for (const QPoint p : {QPoint(10, 10), QPoint(410, 10), QPoint(410, 210), QPoint(10, 210),
                           QPoint(200, 10), QPoint(410, 100), QPoint(200, 210), QPoint(10, 100)})
        EXPECT_EQ(At(image, p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(9, 10), QPoint(411, 100), QPoint(200, 211), QPoint(200, 9),
                           QPoint(11, 11), QPoint(0, 0), QPoint(439, 239)})
        EXPECT_EQ(At(image, p.x(), p.y()), kWhite) << p.x() << "," << p.y();
    EXPECT_EQ(CountNonWhite(image), 2 * (400 + 200));
}

TEST(RenderCopperTest, CanvasSizeFollowsTheBoardAndRefusesBoardsWithoutASensibleCanvas) {
    const struct {
        int width, height;
        QSize size;
    } cases[] = {
        {20, 10, {440, 240}}, {1, 1, {60, 60}}, {98, 3, {2000, 100}},
        {0, 10, {}},          {20, -1, {}},     {5000, 10, {}},
    };
    for (const auto& c : cases) {
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadText("<Layout Type=\"PCB\" Width=\"" + std::to_string(c.width) +
                                 "\" Height=\"" + std::to_string(c.height) + "\"/>")
                        .ok);
        QString error;
        EXPECT_EQ(CopperCanvasSize(doc, &error), c.size) << c.width << "x" << c.height;
        EXPECT_EQ(error.isEmpty(), c.size.isValid()) << error.toStdString();
    }
    EXPECT_EQ(CopperOriginX(440, 20), 0);
}

TEST(RenderCopperTest, OnlyCopperIsDrawnWhateverElseTheLayoutHolds) {
    const QImage image = Copper(
        "<Cut X1=\"3\" Y1=\"3\"/>"
        "<Resistor X1=\"2\" Y1=\"5\" X2=\"8\" Y2=\"5\" Value=\"10K\" Name=\"R1\"/>"
        "<Jumper X1=\"2\" Y1=\"7\" X2=\"9\" Y2=\"7\" Name=\"J1\"/>"
        "<Wire X1=\"12\" Y1=\"2\" X2=\"18\" Y2=\"8\" Color=\"Red\" Name=\"W1\"/>"
        "<Text X1=\"5\" Y1=\"9\" Value=\"Hello\" Name=\"T1\"/>",
        "Stripboard");
    EXPECT_EQ(CountNonWhite(image), 2 * (400 + 200));
}

TEST(RenderCopperTest, PadsAreBlackWithAWhiteDrillMarkAndCoverTraces) {
    const QImage image = Copper(
        "<Trace X1=\"3\" Y1=\"2\" X2=\"7\" Y2=\"2\" Value=\"5px\" Color=\"Red\"/>"
        "<Pad X1=\"1\" Y1=\"1\" Value=\"15\" Color=\"Blue\"/>"
        "<Pad X1=\"10\" Y1=\"5\" Value=\"15px\" Square=\"True\"/>"
        "<Pad X1=\"3\" Y1=\"2\" Value=\"15\" Square=\"False\"/>");
    // The trace: 5 pixels thick from (60, 40) to (140, 40), black whatever its colour.
    EXPECT_EQ(At(image, 100, 40), kBlack);
    EXPECT_EQ(At(image, 100, 42), kBlack);
    EXPECT_EQ(At(image, 100, 43), kWhite);
    EXPECT_EQ(At(image, 100, 37), kWhite);

    // Round pad at hole (1, 1) = (20, 20): a disc 15 across with a drill 5 across.
    EXPECT_EQ(At(image, 20, 20), kWhite);
    EXPECT_EQ(At(image, 22, 20), kWhite);
    EXPECT_EQ(At(image, 23, 20), kBlack);
    EXPECT_EQ(At(image, 27, 20), kBlack);
    EXPECT_EQ(At(image, 13, 20), kBlack);
    EXPECT_EQ(At(image, 28, 20), kWhite);
    EXPECT_EQ(At(image, 12, 20), kWhite);
    EXPECT_EQ(At(image, 20, 27), kBlack);
    EXPECT_EQ(At(image, 20, 28), kWhite);
    EXPECT_EQ(At(image, 26, 26), kWhite);  // round, not square

    // Square pad at (200, 100): black from 6 left of and above the centre to 7
    // right of and below it, with a round drill.
    for (const QPoint p : {QPoint(194, 94), QPoint(207, 94), QPoint(194, 107), QPoint(207, 107)})
        EXPECT_EQ(At(image, p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    for (const QPoint p : {QPoint(193, 100), QPoint(208, 100), QPoint(200, 93), QPoint(200, 108)})
        EXPECT_EQ(At(image, p.x(), p.y()), kWhite) << p.x() << "," << p.y();
    EXPECT_EQ(At(image, 200, 100), kWhite);
    EXPECT_EQ(At(image, 202, 100), kWhite);
    EXPECT_EQ(At(image, 203, 100), kBlack);
    EXPECT_EQ(At(image, 206, 106), kBlack);  // where a round pad would be white

    // The pad drawn after the trace puts its drill on the trace's end.
    EXPECT_EQ(At(image, 60, 40), kWhite);
}

TEST(RenderCopperTest, SizesWithoutANumberGiveAThinTraceAndABareDrill) {
    const QImage image = Copper("<Trace X1=\"3\" Y1=\"4\" X2=\"7\" Y2=\"4\" Value=\"px\"/>"
                                "<Pad X1=\"12\" Y1=\"4\" Value=\"none\"/>");
    EXPECT_EQ(At(image, 100, 80), kBlack);
    EXPECT_EQ(At(image, 100, 79), kWhite);
    EXPECT_EQ(At(image, 100, 81), kWhite);
    EXPECT_EQ(At(image, 240, 80), kWhite);
    EXPECT_EQ(At(image, 244, 80), kWhite);
}

}  // namespace
}  // namespace sw
