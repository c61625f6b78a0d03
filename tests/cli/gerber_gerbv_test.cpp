// SPDX-License-Identifier: GPL-3.0-or-later
// The Gerber and drill files read back by a real Gerber reader: gerbv draws them
// at 200 dots per inch, the copper picture's own scale, and the drawing is
// compared pixel by pixel with the picture `stripwright pnp` writes.

#include "cli_output_support.h"
#include "render/export/render_copper.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <iostream>

namespace sw::test {
namespace {

QString Gerbv() { return QStandardPaths::findExecutable(QStringLiteral("gerbv")); }

struct GerbvDrawing {
    QImage image;
    QByteArray messages;  // everything gerbv printed: warnings, errors
};

// gerbv's drawing of `files` (the first drawn on top, each in its colour) on a
// white window of `size` pixels. gerbv snaps its window to whole pixels; the
// lower-left corner (-0.05, -0.15) inches puts hole (X, Y) on the corner up
// and left of the picture's pixel of that hole, where the picture centres its
// even widths, so the odd widths are the ones rounded half a pixel apart.
GerbvDrawing DrawWithGerbv(const QStringList& files, const QStringList& colours, QSize size,
                           const QString& png) {
    QStringList args = {QStringLiteral("-x"), QStringLiteral("png"), QStringLiteral("-D"),
                        QStringLiteral("200"), QStringLiteral("-B"), QStringLiteral("0"),
                        QStringLiteral("-O"), QStringLiteral("-0.05x-0.15"), QStringLiteral("-w"),
                        QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                        QStringLiteral("-b"), QStringLiteral("#FFFFFF"), QStringLiteral("-o"), png};
    for (const QString& colour : colours)
        args << QStringLiteral("-f") << colour;
    args << files;
    QProcess gerbv;
    gerbv.start(Gerbv(), args);
    GerbvDrawing drawing;
    if (!gerbv.waitForFinished(30000) || gerbv.exitCode() != 0) {
        drawing.messages = "gerbv failed: " + gerbv.readAllStandardError();
        return drawing;
    }
    drawing.messages = (gerbv.readAllStandardOutput() + gerbv.readAllStandardError()).trimmed();
    drawing.image = QImage(png).convertToFormat(QImage::Format_RGB32);
    return drawing;
}

bool Black(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qGray(image.pixel(x, y)) < 128;
}

// Pixels black in either drawing; those black in both; and those black in one
// with no black pixel of the other among their eight neighbours (a difference
// of more than the one pixel an aperture's rounding can make at an edge).
struct Agreement {
    long copper = 0;
    long exact = 0;
    long beyondOnePixel = 0;
    QString firstBeyond;  // where the first few of them are, for the failure message
    double Exact() const { return copper ? double(exact) / copper : 1; }
    double WithinOnePixel() const { return copper ? 1 - double(beyondOnePixel) / copper : 1; }
};

Agreement Compare(const QImage& a, const QImage& b) {
    Agreement agreement;
    const auto nearBlack = [](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Black(image, x + dx, y + dy))
                    return true;
        return false;
    };
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = Black(a, x, y), inB = Black(b, x, y);
            if (!inA && !inB)
                continue;
            ++agreement.copper;
            if (inA && inB)
                ++agreement.exact;
            else if (!nearBlack(inA ? b : a, x, y) && ++agreement.beyondOnePixel <= 10)
                agreement.firstBeyond += QStringLiteral(" (%1, %2)%3").arg(x).arg(y).arg(inA ? "" : "*");
        }
    return agreement;
}

// Every `Pad`'s hole in the copper picture's pixels (hole pitch 20, origin 0).
// The pads that have copper, and so a hole (a pad without copper is none).
std::vector<QPoint> PadHoles(const QByteArray& xml) {
    std::vector<QPoint> holes;
    pugi::xml_document doc;
    doc.load_buffer(xml.constData(), size_t(xml.size()));
    for (pugi::xml_node pad : doc.document_element().children("Pad"))
        if (PadCopperPixels(pad) > 0)
            holes.emplace_back(20 * pad.attribute("X1").as_int(), 20 * pad.attribute("Y1").as_int());
    return holes;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every trace width from 1 to 16 and some wider, slanted traces at several
// angles, half sizes rounded to even, a width without a number, a trace of no
// length.
const char kTraceLayout[] = R"(<Layout Type="PCB" Width="40" Height="24">
  <Trace X1="2" Y1="1" X2="12" Y2="1" Value="1" /><Trace X1="2" Y1="2" X2="12" Y2="2" Value="2" />
  <Trace X1="2" Y1="3" X2="12" Y2="3" Value="3" /><Trace X1="2" Y1="4" X2="12" Y2="4" Value="4" />
  <Trace X1="2" Y1="5" X2="12" Y2="5" Value="5" /><Trace X1="2" Y1="6" X2="12" Y2="6" Value="6" />
  <Trace X1="2" Y1="7" X2="12" Y2="7" Value="7" /><Trace X1="2" Y1="8" X2="12" Y2="8" Value="8" />
  <Trace X1="2" Y1="9" X2="12" Y2="9" Value="9" /><Trace X1="2" Y1="10" X2="12" Y2="10" Value="10" />
  <Trace X1="2" Y1="11" X2="12" Y2="11" Value="11" /><Trace X1="2" Y1="12" X2="12" Y2="12" Value="12" />
  <Trace X1="2" Y1="13" X2="12" Y2="13" Value="13" /><Trace X1="2" Y1="14" X2="12" Y2="14" Value="14" />
  <Trace X1="2" Y1="15" X2="12" Y2="15" Value="15" /><Trace X1="2" Y1="16" X2="12" Y2="16" Value="16" />
  <Trace X1="2" Y1="18" X2="12" Y2="18" Value="20" /><Trace X1="2" Y1="21" X2="12" Y2="23" Value="25" />
  <Trace X1="15" Y1="2" X2="25" Y2="5" Value="3" /><Trace X1="15" Y1="6" X2="18" Y2="16" Value="8" />
  <Trace X1="20" Y1="8" X2="30" Y2="18" Value="5" /><Trace X1="30" Y1="2" X2="38" Y2="22" Value="2" />
  <Trace X1="26" Y1="20" X2="38" Y2="12" Value="12" /><Trace X1="16" Y1="22" X2="24" Y2="19" Value="2.5" />
  <Trace X1="33" Y1="3" X2="37" Y2="9" Value="3.5" /><Trace X1="35" Y1="5" X2="35" Y2="5" Value="9" />
  <Trace X1="21" Y1="3" X2="27" Y2="9" Value="" /><Trace X1="1" Y1="24" X2="40" Y2="24" Value="7" />
</Layout>)";

// Round and square pads of every size from 1 to 20 along the top and bottom
// edges, large ones on the side edges, pads in the margin beyond the outline,
// a pad whose size is not a number, and traces joining some of them.
QByteArray PadLayout() {
    QByteArray xml = R"(<Layout Type="PCB" Width="20" Height="12">)";
    for (int size = 1; size <= 20; ++size) {
        xml += QStringLiteral(R"(<Pad X1="%1" Y1="1" Value="%1" Square="False" />)").arg(size).toUtf8();
        xml += QStringLiteral(R"(<Pad X1="%1" Y1="12" Value="%1" Square="True" />)").arg(size).toUtf8();
    }
    xml += R"(<Pad X1="1" Y1="6" Value="25" /><Pad X1="20" Y1="6" Value="25" Square="True" />
      <Pad X1="0" Y1="3" Value="15" /><Pad X1="21" Y1="9" Value="15" Square="True" />
      <Pad X1="10" Y1="6" Value="big" /><Pad X1="8" Y1="8" Value="15" Square="True" />
      <Trace X1="1" Y1="6" X2="10" Y2="6" Value="10" /><Trace X1="10" Y1="6" X2="20" Y2="6" Value="6" />
      <Trace X1="8" Y1="8" X2="0" Y2="3" Value="4" /></Layout>)";
    return xml;
}

struct Case {
    const char* name;
    QByteArray xml;  // empty: the example layout of that name
};

TEST(GerberAgainstGerbv, DrawsTheCopperOfThePictureAndDrillsThePadCentres) {
    if (Gerbv().isEmpty())
        GTEST_SKIP() << "gerbv is not installed (scripts/setup installs it)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir folder(dir.path());
    const std::vector<Case> cases = {
        {"pcb", {}}, {"traces", QByteArray(kTraceLayout)}, {"pads", PadLayout()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        const QString layout = c.xml.isEmpty()
                                   ? QStringLiteral(SW_EXAMPLES "/%1.swb").arg(name)
                                   : WriteLayout(folder, name + QStringLiteral(".swb"), c.xml);
        const QString out = folder.filePath(name);
        const QString picture = folder.filePath(name + QStringLiteral(".gif"));
        // Drilled at the picture's 5-pixel drill mark (0.635 mm), so the holes
        // can be compared with the picture's.
        ASSERT_EQ(RunCli({QStringLiteral("gerber"), layout, out, QStringLiteral("--drill"),
                          QStringLiteral("0.635")})
                      .code,
                  0);
        ASSERT_EQ(RunCli({QStringLiteral("pnp"), layout, picture}).code, 0);
        const QImage copper = QImage(picture).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(copper.isNull());
        const QString base = QDir(out).filePath(name);

        // Copper and outline in black, the drill holes in white over them, as
        // the picture's drill marks are.
        const GerbvDrawing drawn = DrawWithGerbv(
            {base + QStringLiteral(".drl"), base + QStringLiteral("-B_Cu.gbr"),
             base + QStringLiteral("-Edge_Cuts.gbr")},
            {QStringLiteral("#FFFFFFFF"), QStringLiteral("#000000FF"), QStringLiteral("#000000FF")},
            copper.size(), folder.filePath(name + QStringLiteral("-gerbv.png")));
        EXPECT_EQ(drawn.messages, QByteArray()) << "gerbv reported problems";
        ASSERT_EQ(drawn.image.size(), copper.size());
        const Agreement agreement = Compare(copper, drawn.image);
        std::cout << "[ gerbv    ] " << c.name << ": " << agreement.copper << " copper pixels, "
                  << 100 * agreement.WithinOnePixel() << " % agree within one pixel, "
                  << 100 * agreement.Exact() << " % exactly\n";
        EXPECT_GE(agreement.WithinOnePixel(), 0.999)
            << "differing by more than a pixel (* only gerbv's):" << agreement.firstBeyond.toStdString();
        EXPECT_GE(agreement.Exact(), 0.8);

        // The holes alone, drawn 10 pixels (1.27 mm) wide: each one centred on
        // its pad's hole, that is on the corner the window puts it on.
        const QString drills = folder.filePath(name + QStringLiteral("-drill"));
        ASSERT_EQ(RunCli({QStringLiteral("gerber"), layout, drills, QStringLiteral("--drill"),
                          QStringLiteral("1.27")})
                      .code,
                  0);
        const GerbvDrawing holes =
            DrawWithGerbv({QDir(drills).filePath(name + QStringLiteral(".drl"))},
                          {QStringLiteral("#000000FF")}, copper.size(),
                          folder.filePath(name + QStringLiteral("-holes.png")));
        EXPECT_EQ(holes.messages, QByteArray());
        const std::vector<QPoint> pads = PadHoles(ReadAll(layout));
        long holePixels = 0;
        for (const QPoint& pad : pads) {
            double sx = 0, sy = 0;
            int n = 0;
            for (int y = pad.y() - 8; y <= pad.y() + 8; ++y)
                for (int x = pad.x() - 8; x <= pad.x() + 8; ++x)
                    if (Black(holes.image, x, y)) {
                        sx += x;
                        sy += y;
                        ++n;
                    }
            // Pads in the margin may be cut by the window's edge.
            if (pad.x() < 10 || pad.y() < 10 || pad.x() + 10 > copper.width() ||
                pad.y() + 10 > copper.height())
                continue;
            ASSERT_GT(n, 60) << "no hole at pad " << pad.x() << ", " << pad.y();
            EXPECT_NEAR(sx / n, pad.x() - 0.5, 0.25) << "pad at " << pad.x() << ", " << pad.y();
            EXPECT_NEAR(sy / n, pad.y() - 0.5, 0.25) << "pad at " << pad.x() << ", " << pad.y();
            holePixels += n;
        }
        EXPECT_EQ(holePixels > 0, !pads.empty());
    }
}

}  // namespace
}  // namespace sw::test
