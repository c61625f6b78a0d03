// SPDX-License-Identifier: GPL-3.0-or-later
// The Gerber and drill texts: the frame, the apertures with the picture's size
// numbers and Square rule, and what is refused.

#include "model/layout_document.h"
#include "render/export/gerber_files.h"

#include <QList>
#include <gtest/gtest.h>

namespace sw {
namespace {

LayoutDocument Pcb(const QByteArray& children, const char* type = "PCB", int width = 20,
                   int height = 10) {
    LayoutDocument doc;
    const QByteArray xml = QByteArray("<Layout Type=\"") + type + "\" Width=\"" +
                           QByteArray::number(width) + "\" Height=\"" + QByteArray::number(height) +
                           "\">" + children + "</Layout>";
    EXPECT_TRUE(doc.LoadText(xml.toStdString()).ok);
    return doc;
}

QList<QByteArray> Lines(const QByteArray& text) { return text.split('\n'); }

TEST(GerberFilesTest, PadsAndTracesGetThePicturesSizesAtTheirHoles) {
    // One row per element: its text on a 20 x 10 board, the aperture it must
    // define and the operation at its hole (hole (X, Y) is at 2.54 X - 1.27 and
    // 2.54 (10 - Y) + 1.27 mm, in units of 10 nm).
    struct Row {
        const char* element;
        const char* aperture;
        const char* operation;
    } rows[] = {
        {R"(<Pad X1="1" Y1="1" Value="15"/>)", "%ADD10C,1.905*%", "X127000Y2413000D03*"},
        {R"(<Pad X1="20" Y1="10" Value="15" Square="True"/>)", "%ADD10R,1.778X1.778*%",
         "X4953000Y127000D03*"},
        {R"(<Pad X1="3" Y1="4" Value="16px" Square="True"/>)", "%ADD10R,2.032X2.032*%",
         "X635000Y1651000D03*"},
        {R"(<Pad X1="0" Y1="11" Value="2.5"/>)", "%ADD10C,0.254*%", "X-127000Y-127000D03*"},
        {R"(<Trace X1="2" Y1="2" X2="5" Y2="7" Value="3.5"/>)", "%ADD10C,0.508*%",
         "X1143000Y889000D01*"},
        {R"(<Trace X1="2" Y1="2" X2="5" Y2="2" Value=""/>)", "%ADD10C,0.127*%",
         "X381000Y2159000D02*"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.element);
        const LayoutDocument doc = Pcb(row.element);
        ASSERT_EQ(GerberRefusal(doc), std::nullopt);
        const QList<QByteArray> lines = Lines(GerberCopperText(doc));
        EXPECT_TRUE(lines.contains(row.aperture));
        EXPECT_TRUE(lines.contains(row.operation));
        EXPECT_TRUE(lines.contains("%FSLAX45Y45*%"));
        EXPECT_TRUE(lines.contains("%MOMM*%"));
        EXPECT_EQ(lines.at(lines.size() - 2), "M02*");
        // Attributes only in their comment form, which every reader skips.
        for (const QByteArray& line : lines)
            EXPECT_FALSE(line.startsWith("%TF")) << line.toStdString();
    }
}

TEST(GerberFilesTest, ApertursAreDefinedOnceAndPadsWithoutCopperAreInNeitherFile) {
    const LayoutDocument doc = Pcb(R"(<Pad X1="1" Y1="1" Value="15"/><Pad X1="2" Y1="1" Value="15"/>
        <Pad X1="3" Y1="1" Value="1" Square="True"/><Pad X1="4" Y1="1" Value="none"/>
        <Trace X1="1" Y1="1" X2="2" Y2="1" Value="15"/>)");
    const QByteArray copper = GerberCopperText(doc);
    EXPECT_EQ(copper.count("%ADD"), 1);  // traces and round pads of 15 share D10
    EXPECT_EQ(copper.count("D10*"), 1);  // selected once
    EXPECT_EQ(copper.count("D03*"), 2);  // the square of side 0 and the pad of size 0 flash nothing
    const QByteArray drill = ExcellonDrillText(doc, kDefaultDrillUnits);
    EXPECT_TRUE(drill.startsWith("M48\n"));
    EXPECT_TRUE(drill.contains("\nMETRIC,TZ\nT1C0.8\n%\n"));
    // Copper and drill agree on which pads exist.
    EXPECT_TRUE(drill.contains("\nT1\nX1.27Y24.13\nX3.81Y24.13\nT0\nM30\n"));
    EXPECT_TRUE(ExcellonDrillText(doc, 63500).contains("\nT1C0.635\n"));
}

TEST(GerberFilesTest, EveryPadFlashedIsDrilledAndNoOther) {
    // Values as files hold them, a decimal comma among them (read by the
    // user's locale: under the C locale it is no number).
    const char* values[] = {"15", "1,5px", "15,0", "0", "1", "px", "", "2.5", "4096", "-3"};
    for (const char* square : {"False", "True"}) {
        QByteArray pads;
        for (int i = 0; i < int(std::size(values)); ++i)
            pads += "<Pad X1=\"" + QByteArray::number(i + 1) + "\" Y1=\"2\" Value=\"" + values[i] +
                    "\" Square=\"" + square + "\"/>";
        const LayoutDocument doc = Pcb(pads);
        const QByteArray copper = GerberCopperText(doc);
        const QByteArray drill = ExcellonDrillText(doc, kDefaultDrillUnits);
        int holes = 0;
        for (const QByteArray& line : Lines(drill))
            holes += line.startsWith('X');
        EXPECT_EQ(copper.count("D03*"), holes) << square;
        EXPECT_GT(holes, 0) << square;
    }
}

TEST(GerberFilesTest, TheOutlineIsTheBoardRectangleFromTheOrigin) {
    const QByteArray outline = GerberOutlineText(Pcb("", "PCB", 30, 22));
    EXPECT_TRUE(outline.contains("%ADD10C,0.127*%\nG01*\nD10*\nX0Y0D02*\nX7620000Y0D01*\n"
                                 "X7620000Y5588000D01*\nX0Y5588000D01*\nX0Y0D01*\nM02*\n"));
    EXPECT_TRUE(outline.contains("G04 #@! TF.FileFunction,Profile,NP*"));
}

TEST(GerberFilesTest, RefusesWhatIsNoPcbOrCannotBeWritten) {
    const struct {
        LayoutDocument doc;
        const char* says;
    } rows[] = {
        {Pcb("", "Stripboard"), "Gerber output is for PCB layouts; this layout's type is \"Stripboard\"."},
        {Pcb("", "PCB", 0, 10), "The board has no holes"},
        {Pcb("", "PCB", 5000, 10), "too large"},
        {Pcb(R"(<Pad X1="3937" Y1="1" Value="15" Name="P9"/>)"), nullptr},
        {Pcb(R"(<Pad X1="3938" Y1="1" Value="15" Name="P9"/>)"),
         "Pad \"P9\" at hole (3938, 1) lies too far off the board"},
        {Pcb(R"(<Trace X1="1" Y1="1" X2="1" Y2="-2147483648" Value="5"/>)"),
         "Trace at hole (1, -2147483648) lies too far off the board"},
    };
    for (const auto& row : rows) {
        const std::optional<QString> refusal = GerberRefusal(row.doc);
        if (!row.says) {
            EXPECT_EQ(refusal, std::nullopt);
            continue;
        }
        ASSERT_TRUE(refusal) << row.says;
        EXPECT_TRUE(refusal->contains(QString::fromUtf8(row.says))) << refusal->toStdString();
    }
}

TEST(GerberFilesTest, DrillDiametersAreMillimetresUpToTen) {
    const struct {
        const char* text;
        std::optional<std::int64_t> units;
    } rows[] = {{"0.8", 80000}, {" 1.016 ", 101600}, {"10", 1000000}, {"0.00001", 1},
                {"0", std::nullopt}, {"-1", std::nullopt}, {"10.5", std::nullopt},
                {"abc", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt}, {"", std::nullopt}};
    for (const auto& row : rows) {
        EXPECT_EQ(DrillUnitsFromText(QString::fromUtf8(row.text)), row.units) << row.text;
        // What the editor offers again reads back as the same diameter.
        if (row.units)
            EXPECT_EQ(DrillUnitsFromText(DrillUnitsText(*row.units)), row.units) << row.text;
    }
    EXPECT_EQ(DrillUnitsText(kDefaultDrillUnits), QStringLiteral("0.8"));
    EXPECT_EQ(DrillUnitsText(63500), QStringLiteral("0.635"));
}

}  // namespace
}  // namespace sw
