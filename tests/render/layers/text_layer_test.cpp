// SPDX-License-Identifier: GPL-3.0-or-later
#include "layer_rig.h"

#include "model/text_bounds.h"
#include "render/layers.h"

namespace sw::test {
namespace {

// A text at hole (5,3): it starts at x = 900 and is centred on y = 250.
TEST(TextLayer, DrawnFromTheHoleAndPickedByItsWholeBox) {
    LayerRig rig("<Text Value='+9V in' X1='5' Y1='3' Name='A1'/>");
    rig.Paper().SetFont(QStringLiteral("Tahoma"), 10, false);
    const QSize box = rig.Paper().TextExtent(QStringLiteral("+9V in"));
    ASSERT_EQ(box.height(), 13);
    rig.Draw(DrawTextLayer);
    const int top = 250 - 13 / 2;  // 244
    int ink = 0;
    for (int y = 0; y < 1200; ++y)
        for (int x = 0; x < 2000; ++x)
            if (rig.At(x, y) != kWhite) {
                ++ink;
                EXPECT_EQ(rig.At(x, y), kBlack);
                EXPECT_TRUE(x >= 900 && x < 900 + box.width() && y >= top && y < top + 13) << x << "," << y;
            }
    EXPECT_GT(ink, 20);
    struct Probe {
        int x, y;
        unsigned key;
    } probes[] = {
        {900, top, 1}, {900 + box.width() - 1, top + 12, 1}, {900 + box.width() / 2, 250, 1},
        {899, 250, 0}, {900, top - 1, 0}, {900 + box.width(), 250, 0}, {900, top + 13, 0},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(rig.Key(p.x, p.y), p.key) << p.x << "," << p.y;
}

TEST(TextLayer, SelectedTextIsRedOnScreenAndInImages) {
    for (bool forImage : {false, true}) {
        LayerRig rig("<Text Value='OUT' X1='5' Y1='3' Name='A1'/>");
        rig.Select({"A1"});
        rig.Options().forImage = forImage;
        rig.Draw(DrawTextLayer);
        int red = 0, other = 0;
        for (int y = 240; y < 260; ++y)
            for (int x = 895; x < 940; ++x)
                (rig.At(x, y) == kRed ? red : other) += rig.At(x, y) != kWhite;
        EXPECT_GT(red, 10);
        EXPECT_EQ(other, 0);
    }
}

TEST(TextLayer, GlyphsOnlyAndTheBrushLeftSolid) {
    LayerRig rig("<Text Value='x' X1='5' Y1='3' Name='A1'/>");
    rig.Paper().SetBrush(MakeRgb(1, 2, 3));
    rig.Paper().FillRect(0, 0, 2000, 1200);
    rig.Paper().SetBrush(kWhite);
    rig.Draw(DrawTextLayer);
    EXPECT_EQ(rig.At(900, 244), MakeRgb(1, 2, 3));  // no background box behind the text
    rig.Paper().FillRect(0, 0, 1, 1);               // the brush is solid again
    EXPECT_EQ(rig.At(0, 0), kWhite);
}

}  // namespace
}  // namespace sw::test

namespace sw::test {
namespace {

// A repaint draws at most kMaxDrawnCharactersPerPaint characters of free text:
// a file of thousands of long texts cannot make it slow. The texts within the
// budget are drawn and picked; one after it is neither.
TEST(TextLayer, ARepaintDrawsABoundedAmountOfText) {
    for (int longTexts : {kMaxDrawnCharactersPerPaint / kMaxDrawnCharacters - 1,
                          kMaxDrawnCharactersPerPaint / kMaxDrawnCharacters}) {
        SCOPED_TRACE(longTexts);
        QByteArray body;
        const QByteArray text(kMaxDrawnCharacters, 'W');
        for (int i = 0; i < longTexts; ++i)
            body += "<Text Value='" + text + "' X1='1' Y1='1'/>";
        body += "<Text Value='last' X1='5' Y1='3' Name='A1'/>";
        LayerRig rig(body.constData());
        rig.Draw(DrawTextLayer);
        const bool withinBudget = longTexts * kMaxDrawnCharacters < kMaxDrawnCharactersPerPaint;
        EXPECT_EQ(rig.Key(905, 250), withinBudget ? unsigned(longTexts + 1) : 0u);
        EXPECT_EQ(rig.At(905, 250) != kWhite || rig.At(906, 250) != kWhite || rig.At(907, 250) != kWhite,
                  withinBudget);
    }
}

}  // namespace
}  // namespace sw::test
