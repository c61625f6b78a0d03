// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_placement.h"

#include "render/blend.h"
#include "render/images/image_toolkit.h"
#include "render/layers.h"
#include "render/render_context.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

namespace sw {
namespace {

// A 20 x 10 layout on the 2000 x 1200 board image: x0 = 800, hole (X, Y) at
// (800 + 20 X, 190 + 20 Y). Draws the two body layers in the renderer's order.
struct Scene {
    LayoutDocument doc;
    QImage image = MakeRaster(2000, 1200);
    PickMap pick{2000, 1200};
    RenderOptions options;
    RenderCaches caches;

    explicit Scene(const std::string& children, const char* type = "Stripboard") {
        const LoadResult loaded = doc.LoadText(std::string("<Layout Type=\"") + type +
                                               "\" Width=\"20\" Height=\"10\">" + children +
                                               "</Layout>");
        EXPECT_TRUE(loaded.ok) << loaded.message.toStdString();
    }
    RenderContext Context(Canvas& canvas) {
        return RenderContext{doc, canvas, pick, 2000, 1200, options, 800, doc.BoardType(),
                             20,  10,     caches};
    }
    void Draw() {
        image = MakeRaster(2000, 1200);
        pick.Clear();
        Canvas canvas(image);
        RenderContext ctx = Context(canvas);
        DrawSwitchTubeLayer(ctx);
        DrawBodyLayer(ctx);
    }
    std::optional<BodyPlacement> Placement(int childIndex) {
        Canvas canvas(image);
        RenderContext ctx = Context(canvas);
        pugi::xml_node node = doc.Root().first_child();
        for (int i = 0; i < childIndex; ++i)
            node = node.next_sibling();
        return PlaceBody(ctx, node);
    }
    unsigned Key(QPoint p) const { return pick.KeyAt(p.x(), p.y()); }
    Rgb Colour(QPoint p) const { return image.pixel(p) & 0xFFFFFF; }
    bool PickIsEmpty() const { return KeyBox(0).isNull(); }
    // The box around every pixel holding `key`; for key 0, around every pixel
    // holding anything else.
    QRect KeyBox(unsigned key) const {
        int left = 2000, right = -1, top = 1200, bottom = -1;
        const QImage& keys = pick.Image();
        for (int y = 0; y < 1200; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(keys.constScanLine(y));
            for (int x = 0; x < 2000; ++x) {
                if (((line[x] & 0xFFFFFF) == key) != (key == 0)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    }
};

QPoint Hole(int x, int y) { return {800 + 20 * x, 190 + 20 * y}; }

std::string Element(const char* kind, int x1, int y1, int x2, int y2, const char* extra = "") {
    return std::string("<") + kind + " Name=\"N\" X1=\"" + std::to_string(x1) + "\" Y1=\"" +
           std::to_string(y1) + "\" X2=\"" + std::to_string(x2) + "\" Y2=\"" + std::to_string(y2) +
           "\" " + extra + "/>";
}

TEST(BodyPlacement, TwoLeadBodiesAreCentredBetweenTheirHoles) {
    struct Case {
        const char* kind;
        int x1, y1, x2, y2;
    } cases[] = {
        {"Resistor", 2, 3, 6, 3}, {"Resistor", 6, 3, 2, 3}, {"Capacitor", 4, 2, 4, 7},
        {"Resistor", -30, 3, -26, 3},  // off the board, still where the lattice puts it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.x1 << "," << c.y1);
        Scene scene(Element(c.kind, c.x1, c.y1, c.x2, c.y2));
        scene.Draw();
        const QPoint p1 = Hole(c.x1, c.y1), p2 = Hole(c.x2, c.y2);
        const QRect box = scene.KeyBox(1);
        ASSERT_FALSE(box.isEmpty());
        EXPECT_EQ(box.left() + box.right(), p1.x() + p2.x());
        EXPECT_EQ(box.top() + box.bottom(), p1.y() + p2.y());
    }
}

TEST(BodyPlacement, FixedFootprintsLandOnTheirHoles) {
    struct Case {
        std::string element;
        QPoint topLeft;
    } cases[] = {
        {Element("Transistor", 3, 5, 5, 5), {853, 263}},
        {Element("Pot", 4, 2, 4, 4), {870, 170}},
        {Element("Jack", 3, 4, 3, 4), Hole(3, 4) - QPoint(25, 18)},
        {Element("Jack", 10, 4, 10, 4), Hole(10, 4) - QPoint(92, 18)},
        {Element("Jack", 9, 4, 9, 4), Hole(9, 4) - QPoint(25, 18)},
        {Element("Tube", 5, 5, 5, 7, "Type=\"Noval\""), Hole(5, 5) - QPoint(85, 85)},
        {Element("LineIC", 5, 2, 5, 6), Hole(5, 2) - QPoint(50, 10)},
        {Element("LineIC", 2, 4, 6, 4), Hole(2, 4) - QPoint(10, 50)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        Scene scene(c.element);
        const auto placed = scene.Placement(0);
        ASSERT_TRUE(placed);
        EXPECT_EQ(QPoint(int(placed->left), int(placed->top)), c.topLeft);
    }
}

TEST(BodyPlacement, TrimmerShapeAngleAndCornerFollowTheOffset) {
    struct Case {
        int dx, dy, shape;
        double angle;
        QPoint fromHole1;
    } cases[] = {
        {1, 1, 1, kPi / 2, {-40, -50}},   {-1, 1, 1, kPi, {-50, -40}},
        {1, -1, 1, 0, {-50, -60}},        {-1, -1, 1, 3 * kPi / 2, {-60, -50}},
        {1, 2, 2, kPi, {-50, -30}},       {2, -1, 2, kPi / 2, {-30, -50}},
        {-1, -2, 2, 0, {-50, -70}},       {-2, 1, 2, 3 * kPi / 2, {-70, -50}},
        {-1, 4, 4, kPi, {-50, -10}},      {4, 1, 4, kPi / 2, {-10, -50}},
        {1, -4, 4, 0, {-50, -90}},        {-4, -1, 4, 3 * kPi / 2, {-90, -50}},
        {-1, 0, 5, 0, {-50, -50}},        {0, 1, 5, kPi / 2, {-50, -50}},
        {3, 0, 0, 0, {-50, -30}},         {-3, -2, 0, 0, {-90, -70}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        const TrimmerShape t = TrimmerShapeOf(5, 5, 5 + c.dx, 5 + c.dy);
        EXPECT_EQ(t.shape, c.shape);
        EXPECT_DOUBLE_EQ(t.angle, c.angle);
        Scene scene(Element("Trimmer", 5, 5, 5 + c.dx, 5 + c.dy));
        const auto placed = scene.Placement(0);
        ASSERT_TRUE(placed);
        EXPECT_EQ(QPoint(int(placed->left), int(placed->top)) - Hole(5, 5), c.fromHole1);
    }
}

TEST(BodyPlacement, PinsAndLugsFallOnTheHoles) {
    const Rgb pinOnWhite = BlendColour(0, 0xFFFFFF, 200);
    // Trimmer: wiper on hole 1, ends on hole 2 and its mirror; no pin dots on a PCB.
    for (const char* type : {"Stripboard", "PCB"}) {
        Scene scene(Element("Trimmer", 5, 5, 6, 4), type);
        scene.Draw();
        for (QPoint hole : {Hole(4, 4), Hole(6, 4), Hole(5, 5)})
            EXPECT_EQ(scene.Colour(hole) == pinOnWhite, std::string(type) != "PCB") << type;
    }
    // Pot in a column: the lug holes are see-through on the three hole centres.
    Scene pot(Element("Pot", 5, 4, 5, 6));
    pot.Draw();
    for (QPoint hole : {Hole(5, 2), Hole(5, 4), Hole(5, 6)}) {
        EXPECT_EQ(pot.Key(hole), 0u);
        EXPECT_EQ(pot.Key(hole + QPoint(0, 3)), 1u);
    }
    // Transistor: the body spans hole 1, the hole between and hole 2.
    Scene transistor(Element("Transistor", 3, 5, 5, 5));
    transistor.Draw();
    for (int x : {3, 4, 5})
        EXPECT_EQ(transistor.Key(Hole(x, 5)), 1u);
    // Jack: the sleeve lug's hole on hole 1, mirrored or not.
    for (int column : {3, 10}) {
        Scene jack(Element("Jack", column, 4, column, 4));
        jack.Draw();
        EXPECT_EQ(jack.Key(Hole(column, 4)), 0u);
        EXPECT_EQ(jack.Key(Hole(column, 4) + QPoint(0, -5)), 1u);
    }
}

TEST(BodyPlacement, LineICBodyIsCentredOnItsPinLine) {
    Scene column(Element("LineIC", 5, 2, 5, 6));
    column.Draw();
    for (int y = 2; y <= 6; ++y) {
        EXPECT_EQ(column.Key(Hole(5, y) + QPoint(-8, 0)), 1u);
        EXPECT_EQ(column.Key(Hole(5, y) + QPoint(8, 0)), 1u);
        EXPECT_EQ(column.Key(Hole(5, y) + QPoint(-13, 0)), 0u);
        EXPECT_EQ(column.Key(Hole(5, y) + QPoint(13, 0)), 0u);
    }
    Scene row(Element("LineIC", 2, 4, 6, 4));
    row.Draw();
    for (int x = 2; x <= 6; ++x) {
        EXPECT_EQ(row.Key(Hole(x, 4) + QPoint(0, 8)), 1u);
        EXPECT_EQ(row.Key(Hole(x, 4) + QPoint(0, -13)), 0u);
    }
}

TEST(BodyPlacement, RevealDimsBodiesOnScreenOnly) {
    const Rgb fill = MakeRgb(215, 235, 255);
    struct Case {
        bool reveal, forImage;
        int opacity;
    } cases[] = {{false, false, 200}, {true, false, 75}, {true, true, 200}, {false, true, 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.reveal << c.forImage);
        Scene scene(Element("Resistor", 2, 3, 6, 3));
        scene.options.reveal = c.reveal;
        scene.options.forImage = c.forImage;
        scene.Draw();
        const QPoint middle = Hole(4, 3) + QPoint(-9, 0);  // body fill, left of the label
        EXPECT_EQ(scene.Colour(middle), BlendColour(fill, 0xFFFFFF, c.opacity));
        EXPECT_EQ(scene.Key(middle), 1u);
    }
}

TEST(BodyPlacement, TheLaterElementIsOnTopWhateverItsKind) {
    const std::string ic = Element("IC", 3, 2, 6, 5);
    const std::string resistor = Element("Resistor", 2, 3, 7, 3);
    const std::string sw = Element("Switch", 2, 2, 7, 5);
    const QPoint overlap = Hole(5, 3) + QPoint(0, 4);
    struct Case {
        std::string children;
        unsigned top;
    } cases[] = {
        {ic + resistor, 2}, {resistor + ic, 2}, {resistor + ic + resistor, 3},
        {ic + sw, 1},  // a switch lies under every body of the later layer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.children);
        Scene scene(c.children);
        scene.Draw();
        EXPECT_EQ(scene.Key(overlap), c.top);
    }
}

TEST(BodyPlacement, BodiesThatAreNotDrawn) {
    const char* every[] = {"IC",       "Relay",  "Transformer", "LineIC", "Trimmer",
                           "Transistor", "Pot",  "Jack",        "Resistor", "Capacitor",
                           "Diode",    "Led",    "Electrolyte", "Switch", "Tube"};
    std::vector<std::string> cases = {
        Element("Transistor", 3, 3, 5, 4), Element("Pot", 3, 3, 5, 5),
        Element("Tube", 5, 5, 6, 6, "Type=\"Noval\""), Element("Tube", 5, 5, 5, 7, "Type=\"Loctal\""),
        Element("IC", 1, 1, 100000000, 2), Element("LineIC", 1, 3, 1, 300),
        Element("Switch", -5000, 1, 5000, 2), Element("Transformer", 1, 1, 3, 100000),
    };
    for (const char* kind : every) {
        cases.push_back(Element(kind, INT_MAX, INT_MAX, INT_MAX, INT_MIN, "Type=\"Octal\""));
        cases.push_back(Element(kind, INT_MIN, 5, INT_MIN + 1, 5, "Type=\"Octal\""));
        cases.push_back(Element(kind, 3, INT_MAX, 3, INT_MAX - 2, "Type=\"Octal\""));
    }
    // All in one layout: any pixel drawn names its element by its key.
    std::string all;
    for (const std::string& element : cases)
        all += element;
    Scene scene(all);
    scene.Draw();
    if (!scene.PickIsEmpty()) {
        for (unsigned key = 1; key <= cases.size(); ++key)
            EXPECT_TRUE(scene.KeyBox(key).isNull()) << "drawn: " << cases[key - 1];
        ADD_FAILURE() << "a body that should not be drawn was drawn";
    }
    EXPECT_EQ(scene.image, MakeRaster(2000, 1200));
}

}  // namespace
}  // namespace sw
