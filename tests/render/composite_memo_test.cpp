// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/composite_memo.h"

#include "model/layout_document.h"
#include "render/board_geometry.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_caches.h"
#include "render/render_layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace sw {
namespace {

// Enough bodies for the rows to be composited in bands: resistors in a grid
// under a trace, transistors, tube sockets (the layer under the wiring) and a
// wire over them.
std::string CrowdedLayout() {
    std::string xml = R"(<Layout Type="Stripboard" Width="60" Height="30" Project="Memo" Credits="">)";
    for (int i = 0; i < 80; ++i) {
        const int x = 2 + (i % 10) * 5, y = 2 + (i / 10) * 3;
        xml += "<Resistor Name=\"R" + std::to_string(i + 1) + "\" Value=\"1K\" X1=\"" + std::to_string(x) +
               "\" Y1=\"" + std::to_string(y) + "\" X2=\"" + std::to_string(x + 3) + "\" Y2=\"" +
               std::to_string(y + 1) + "\"/>";
    }
    for (int i = 0; i < 6; ++i)
        xml += "<Tube Name=\"V" + std::to_string(i + 1) + "\" Type=\"Noval\" X1=\"" + std::to_string(8 + 8 * i) +
               "\" Y1=\"26\" X2=\"" + std::to_string(9 + 8 * i) + "\" Y2=\"26\"/>";
    xml += R"(<Transistor Name="Q1" Value="BC547" X1="55" Y1="5" X2="57" Y2="5"/>)";
    xml += R"(<Trace Value="3px" Color="Red" X1="1" Y1="4" X2="58" Y2="20"/>)";
    xml += R"(<Wire Color="Blue" X1="3" Y1="3" X2="40" Y2="25"/>)";
    xml += "</Layout>";
    return xml;
}

struct Frame {
    QImage picture;
    QImage keys;
};

// One repaint after `change` has been made to the document and the options.
struct Step {
    const char* what;
    std::function<void(LayoutDocument&, RenderOptions&)> change;
};

Frame Paint(const LayoutDocument& doc, RenderOptions options, RenderCaches* caches) {
    options.caches = caches;
    QImage image = MakeRaster(kBoardImageWidth, kBoardImageHeight);
    PickMap pick(kBoardImageWidth, kBoardImageHeight);
    {
        Canvas canvas(image);
        RenderLayout(doc, canvas, pick, kBoardImageWidth, kBoardImageHeight, options);
    }
    return {image, pick.Image()};
}

pugi::xml_node Named(LayoutDocument& doc, const char* name) {
    return doc.Root().find_child_by_attribute("Name", name);
}

// Repaint after repaint, each picture and pick map must be what a repaint with
// nothing kept gives: unchanged bands come from the memo, changed ones (a part
// moved and moved back, a selection that redraws leads, reveal mode, a part
// renamed so its image is another) are composited anew.
TEST(CompositeMemo, EveryRepaintEqualsOneWithNothingKept) {
    const std::vector<Step> steps = {
        {"first", [](LayoutDocument&, RenderOptions&) {}},
        {"second, kept", [](LayoutDocument&, RenderOptions&) {}},
        {"third, from the memo", [](LayoutDocument&, RenderOptions&) {}},
        {"a resistor moved one hole right",
         [](LayoutDocument& doc, RenderOptions&) {
             Named(doc, "R12").attribute("X1").set_value("8");
             Named(doc, "R12").attribute("X2").set_value("11");
         }},
        {"moved back",
         [](LayoutDocument& doc, RenderOptions&) {
             Named(doc, "R12").attribute("X1").set_value("7");
             Named(doc, "R12").attribute("X2").set_value("10");
         }},
        {"a tube socket moved down",
         [](LayoutDocument& doc, RenderOptions&) {
             Named(doc, "V3").attribute("Y1").set_value("27");
             Named(doc, "V3").attribute("Y2").set_value("27");
         }},
        {"R40 selected: its leads red",
         [](LayoutDocument&, RenderOptions& options) {
             options.isSelected = [](pugi::xml_node n) {
                 return std::string(n.attribute("Name").value()) == "R40";
             };
         }},
        {"reveal mode", [](LayoutDocument&, RenderOptions& options) { options.reveal = true; }},
        {"reveal mode again", [](LayoutDocument&, RenderOptions&) {}},
        {"reveal off, R5 renamed",
         [](LayoutDocument& doc, RenderOptions& options) {
             options.reveal = false;
             Named(doc, "R5").attribute("Name").set_value("R500");
         }},
        {"the trace removed", [](LayoutDocument& doc, RenderOptions&) {
             doc.Root().remove_child(doc.Root().child("Trace"));
         }},
        {"unchanged", [](LayoutDocument&, RenderOptions&) {}},
    };

    // The pictures with nothing kept, each step's changes applied in turn.
    std::vector<Frame> expected;
    {
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadText(CrowdedLayout()).ok);
        RenderOptions options;
        for (const Step& step : steps) {
            step.change(doc, options);
            expected.push_back(Paint(doc, options, nullptr));
        }
    }

    RenderCaches caches;
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(CrowdedLayout()).ok);
    RenderOptions options;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].what);
        steps[i].change(doc, options);
        const Frame frame = Paint(doc, options, &caches);
        EXPECT_TRUE(frame.picture == expected[i].picture);
        EXPECT_TRUE(frame.keys == expected[i].keys);
    }
}

// A body image released from the body image cache while the memo lists it must
// not be mistaken for a new image built at the same address: the memo tells
// images apart by their serials.
TEST(CompositeMemo, AnImageBuiltWhereAReleasedOneWasIsAnotherImage) {
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(CrowdedLayout()).ok);
    RenderCaches caches;
    Paint(doc, {}, &caches);
    Paint(doc, {}, &caches);
    caches.bodies.Clear();
    Named(doc, "R1").attribute("Name").set_value("R1000");
    const Frame kept = Paint(doc, {}, &caches);
    const Frame fresh = Paint(doc, {}, nullptr);
    EXPECT_TRUE(kept.picture == fresh.picture);
    EXPECT_TRUE(kept.keys == fresh.keys);
}

// A crowd of parts whose images are more than the body image cache keeps is
// built and composited a run of bodies at a time; each picture, the first and
// the next, is the one a cache that keeps them all gives.
TEST(CompositeMemo, ACrowdPastWhatTheCacheKeepsIsDrawnAsWithRoomForAll) {
    std::string xml = R"(<Layout Type="Stripboard" Width="98" Height="50" Project="Crowd" Credits="">)";
    for (int i = 0; i < 1500; ++i) {
        const int x = 1 + (i * 7) % 90, y = 1 + (i * 3) % 46;
        xml += "<Resistor Name=\"R" + std::to_string(i + 1) + "\" Value=\"" + std::to_string(i + 1) + "K\" X1=\"" +
               std::to_string(x) + "\" Y1=\"" + std::to_string(y) + "\" X2=\"" + std::to_string(x + 4) +
               "\" Y2=\"" + std::to_string(y + (i % 3)) + "\"/>";
    }
    xml += "</Layout>";
    LayoutDocument doc;
    ASSERT_TRUE(doc.LoadText(xml).ok);
    const Frame roomy = Paint(doc, {}, nullptr);
    for (std::size_t limit : {std::size_t(0), std::size_t(1) << 20}) {
        SCOPED_TRACE(limit);
        RenderCaches caches;
        caches.bodies.SetLimit(limit);
        for (int paint = 0; paint < 2; ++paint) {
            const Frame frame = Paint(doc, {}, &caches);
            EXPECT_TRUE(frame.picture == roomy.picture);
            EXPECT_TRUE(frame.keys == roomy.keys);
        }
        EXPECT_LE(caches.bodies.Usage().bytes, limit);
    }
}

}  // namespace
}  // namespace sw
