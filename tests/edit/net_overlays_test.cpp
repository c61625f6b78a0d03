// SPDX-License-Identifier: GPL-3.0-or-later
// The lit net over the board: the session holds it and tells it, the board
// shows it over the picture only, and any change of the document puts it out.

#include "edit/board_scene.h"
#include "edit/net_overlays.h"

#include "edit/net_lighting.h"
#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/export/copper_output.h"
#include "render/export/gerber_files.h"
#include "render/export/render_to_image.h"
#include "session/editor_session.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace sw {
namespace {

constexpr const char kLayout[] = R"(<Layout Type="Stripboard" Width="20" Height="10">
  <Resistor Value="10K" X1="2" Y1="3" X2="6" Y2="3" Name="R1"/>
</Layout>)";

struct LitNet : ::testing::Test {
    EditorSession session;
    BoardScene scene{session};
    std::vector<SessionChange> told;
    LitNet() {
        EXPECT_TRUE(session.Document().LoadText(kLayout).ok);
        scene.EnablePainting();
        session.Observe([this](SessionChange c) { told.push_back(c); });
    }
    QPoint Centre(Hole h) const { return HoleCentre(BoardOriginX(kBoardImageWidth, 20), h.x, h.y); }
    static NetHighlight Strip() {
        NetHighlight lit;
        lit.holes = {{2, 3}, {3, 3}, {4, 3}};
        lit.pins = {{2, 3}};
        lit.links = {{{4, 3}, {4, 8}}};
        lit.caption = QStringLiteral("Net of R1.1: R1.1");
        return lit;
    }
};

TEST_F(LitNet, ShowsOverThePictureOnlyUntilCleared) {
    const QImage plain = scene.Image();
    session.SetHighlight(Strip());
    EXPECT_EQ(told, std::vector{SessionChange::Highlight});
    session.SetHighlight(Strip());
    EXPECT_EQ(told.size(), 1u) << "the same copper again is no change";
    // The holes, the strip between them and the link are lit; not the board's picture.
    for (const Hole h : {Hole{3, 3}, Hole{4, 3}, Hole{4, 6}})
        EXPECT_NE(scene.Shown().pixel(Centre(h)), plain.pixel(Centre(h))) << h.x << "," << h.y;
    const QPoint between = (Centre({3, 3}) + Centre({4, 3})) / 2;
    EXPECT_NE(scene.Shown().pixel(between), plain.pixel(between));
    for (const Hole h : {Hole{5, 3}, Hole{2, 4}, Hole{9, 8}})
        EXPECT_EQ(scene.Shown().pixel(Centre(h)), plain.pixel(Centre(h))) << h.x << "," << h.y;
    EXPECT_TRUE(scene.Image() == plain);
    EXPECT_EQ(scene.Renders(), 1u) << "lighting a net renders nothing";
    session.ClearHighlight();
    EXPECT_TRUE(scene.Shown() == plain);
}

TEST_F(LitNet, AnyChangeOfTheDocumentPutsItOut) {
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"edit", [&] { session.Edit(EditKind::Move, QStringLiteral("Move"), [] { return EditResult{}; }); }},
        {"undo", [&] { ASSERT_TRUE(session.Undo().ok); }},
        {"open", [&] {
             ASSERT_TRUE(session.ReplaceDocument({}, [](LayoutDocument& d) { return d.LoadText(kLayout); }).ok);
         }},
    };
    for (const auto& [name, change] : changes) {
        session.SetHighlight(Strip());
        told.clear();
        change();
        EXPECT_TRUE(session.Highlight().Empty()) << name;
        const auto lit = std::find(told.begin(), told.end(), SessionChange::Highlight);
        const auto copper = std::find_if(told.begin(), told.end(), [](SessionChange c) {
            return c == SessionChange::DocumentChanged || c == SessionChange::DocumentReplaced;
        });
        ASSERT_NE(copper, told.end()) << name;
        EXPECT_LT(lit, copper) << name << ": before the views read the new copper";
    }
    // Selecting leaves the copper as it is, so the lit net stays.
    session.SetHighlight(Strip());
    session.SelectOnly(session.Document().Root().first_child());
    EXPECT_EQ(session.Highlight(), Strip());
}

TEST(HoleMapping, FollowsThePictureItDrawsOn) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(kLayout).ok);
    const QPoint c = HoleCentre(BoardOriginX(kBoardImageWidth, 20), 5, 3);
    for (const double scale : {1.0, 2.0, 3.5}) {
        const HoleMapping map(doc, scale);
        EXPECT_DOUBLE_EQ(map.Centre({5, 3}).x(), (c.x() + 0.5) * scale);
        EXPECT_DOUBLE_EQ(map.Centre({5, 3}).y(), (c.y() + 0.5) * scale);
        EXPECT_DOUBLE_EQ(map.Pixels(6), 6 * scale);
    }
    // On a canvas: its scale, from the corner of the window it shows.
    for (const int scale : {1, 3}) {
        QImage image = MakeRaster(100 * scale, 80 * scale);
        const QPoint origin(c.x() - 40, c.y() - 30);
        const Canvas canvas(image, {scale, origin, QSize(kBoardImageWidth, kBoardImageHeight)});
        const HoleMapping map = HoleMapping::OnCanvas(doc, canvas);
        EXPECT_EQ(map.Centre({5, 3}), QPointF(40.5, 30.5) * scale);
        EXPECT_EQ(canvas.ToDevice(QPointF(c) + QPointF(0.5, 0.5)), map.Centre({5, 3}));
        EXPECT_DOUBLE_EQ(map.Pixels(6), 6.0 * scale);
    }
}

// A stripboard lacking a jumper (A's row 2 is cut between R1 and R2) and a cut
// (B and C share row 5), with the netlist it should match.
constexpr const char* kDeck = "nets\nR1 A B 1k\nR2 A C 1k\n.end\n";
constexpr const char* kUnfinished = R"(<Layout Type="Stripboard" Width="20" Height="10" Netlist="%1">
  <Cut X1="6" Y1="2"/>
  <Resistor Value="1k" X1="3" Y1="2" X2="3" Y2="5" Name="R1"/>
  <Resistor Value="1k" X1="9" Y1="2" X2="9" Y2="5" Name="R2"/>
</Layout>)";

struct Nets : ::testing::Test {
    QTemporaryDir dir;
    EditorSession session;
    BoardScene scene{session};
    Nets() {
        const QString netlist = dir.filePath(QStringLiteral("nets.cir"));
        QFile file(netlist);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kDeck);
        file.close();
        const QByteArray layout = QString::fromLatin1(kUnfinished).arg(netlist).toUtf8();
        EXPECT_TRUE(session.ReplaceDocument({}, [&](LayoutDocument& d) { return d.LoadText(layout.constData()); }).ok);
        scene.EnablePainting();
    }
    QPoint Centre(Hole h) const { return HoleCentre(BoardOriginX(kBoardImageWidth, 20), h.x, h.y); }
    void Add(const char* element) {
        session.Edit(EditKind::Place, QStringLiteral("Place"), [&] {
            pugi::xml_document fragment;
            fragment.load_string(element);
            session.Document().Root().append_copy(fragment.first_child());
            return EditResult{};
        });
    }
};

TEST_F(Nets, TheRatsnestAndTheShortFollowEveryEdit) {
    ASSERT_NE(session.LatestCheck(), nullptr);
    const Ratsnest& shown = scene.RatsnestShown();
    ASSERT_EQ(shown.lines.size(), 1u);
    EXPECT_EQ(shown.lines[0].a, (Hole{3, 2}));
    EXPECT_EQ(shown.lines[0].b, (Hole{9, 2}));
    ASSERT_EQ(shown.shorts.size(), 1u);
    EXPECT_EQ(shown.shorts[0].a, (Hole{3, 5}));
    EXPECT_EQ(shown.shorts[0].b, (Hole{9, 5}));
    const QImage plain = scene.Image();
    const QPoint middle = (Centre({3, 2}) + Centre({9, 2})) / 2;
    EXPECT_NE(scene.Shown().pixel(middle), plain.pixel(middle)) << "the line over the cut";
    EXPECT_NE(scene.Shown().pixel(Centre({3, 5})), plain.pixel(Centre({3, 5}))) << "the short's mark";
    // The jumper mends the open; the cut parts the short.
    Add(R"(<Jumper X1="5" Y1="2" X2="7" Y2="2" Name="J1"/>)");
    EXPECT_TRUE(scene.RatsnestShown().lines.empty());
    EXPECT_EQ(scene.RatsnestShown().shorts.size(), 1u);
    Add(R"(<Cut X1="6" Y1="5"/>)");
    EXPECT_TRUE(scene.RatsnestShown().Empty());
    EXPECT_TRUE(session.LatestCheck()->Matches());
    EXPECT_TRUE(scene.Shown() == scene.Image());
    ASSERT_TRUE(session.Undo().ok);
    EXPECT_EQ(scene.RatsnestShown().shorts.size(), 1u) << "undo brings the short back";
}

TEST_F(Nets, ShowNetsColoursEachPieceOfCopperItsOwnWay) {
    const QImage plain = scene.Shown().copy();  // with the ratsnest
    scene.SetShowNets(true);
    const QImage& coloured = scene.Shown();
    // Row 2 left and right of the cut, and row 5: three colours; the cut hole stays.
    const QRgb left = coloured.pixel(Centre({2, 2})), right = coloured.pixel(Centre({12, 2}));
    const QRgb row5 = coloured.pixel(Centre({2, 5}));
    EXPECT_EQ(coloured.pixel(Centre({1, 2})), left);
    EXPECT_NE(left, right);
    EXPECT_NE(left, row5);
    EXPECT_NE(left, plain.pixel(Centre({2, 2})));
    EXPECT_EQ(coloured.pixel(Centre({6, 2})), plain.pixel(Centre({6, 2}))) << "a cut hole is copper of its own";
    // An edit joins two pieces: one colour, once the board is shown again.
    Add(R"(<Jumper X1="5" Y1="2" X2="7" Y2="2" Name="J1"/>)");
    EXPECT_EQ(scene.Shown().pixel(Centre({2, 2})), scene.Shown().pixel(Centre({12, 2})));
    const QImage joined = scene.Shown().copy();
    scene.SetShowNets(false);
    EXPECT_FALSE(scene.Shown() == joined);
    EXPECT_EQ(scene.Shown().pixel(Centre({2, 2})), scene.Image().pixel(Centre({2, 2})));
}

// What is drawn over the board is the view's: exports, prints, toner transfer
// and Gerber files are the same bytes with every layer on.
TEST_F(Nets, NoLayerReachesAnExport) {
    auto exports = [&] {
        QString error;
        return std::vector<QByteArray>{
            QByteArray(reinterpret_cast<const char*>(RenderToImage(session.Document()).constBits()),
                       RenderToImage(session.Document()).sizeInBytes()),
            QByteArray(reinterpret_cast<const char*>(RenderCopperImage(session.Document(), &error).constBits()),
                       RenderCopperImage(session.Document(), &error).sizeInBytes()),
            GerberCopperText(session.Document()), ExcellonDrillText(session.Document(), 8000)};
    };
    const std::vector<QByteArray> before = exports();
    const std::string saved = session.Document().ToText();
    scene.SetShowNets(true);
    session.SetHighlight(LightNet(session.Document(), {2, 2}));
    ASSERT_FALSE(scene.RatsnestShown().Empty());
    scene.Shown();
    EXPECT_TRUE(exports() == before);
    EXPECT_EQ(session.Document().ToText(), saved);
}

}  // namespace
}  // namespace sw
