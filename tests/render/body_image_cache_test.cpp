// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_image_cache.h"

#include "model/layout_document.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_caches.h"
#include "render/render_layout.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace sw {
namespace {

QImage Filled(int side, QRgb colour) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(BodyImageCache, BuildsOnceAndKeepsTheImageUnderItsKey) {
    BodyImageCache cache;
    int builds = 0;
    auto build = [&] {
        ++builds;
        return Filled(10, 0xFF123456u);
    };
    const auto first = cache.Cached("a", build);
    const auto again = cache.Cached("a", build);
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(again, first);
    EXPECT_EQ(cache.Find("a"), first);
    EXPECT_EQ(first->RowPixels(3)[3], 0xFF123456u);
    EXPECT_EQ(cache.Find("b"), nullptr);
    cache.Cached("b", build);
    EXPECT_EQ(builds, 2);
    // A null image (nothing to draw) is kept too.
    int nullBuilds = 0;
    auto nothing = [&] {
        ++nullBuilds;
        return QImage();
    };
    EXPECT_EQ(cache.Cached("n", nothing)->Width(), 0);
    EXPECT_EQ(cache.Cached("n", nothing)->Width(), 0);
    EXPECT_EQ(nullBuilds, 1);
}

TEST(BodyImageCache, DropsTheLeastRecentlyUsedPastTheBound) {
    BodyImageCache cache;
    int builds = 0;
    auto build = [&] {
        ++builds;
        return Filled(64, 0xFF000000u);
    };
    cache.Cached("1", build);
    // Each entry holds a 16 KiB image and a little for its runs; room for three.
    const std::size_t entry = cache.Usage().bytes;
    ASSERT_GT(entry, 16384u);
    const std::size_t bound = 3 * entry + entry / 2;
    cache.SetLimit(bound);
    cache.Cached("2", build);
    cache.Cached("3", build);
    cache.Cached("1", build);  // now the most recent
    cache.Cached("4", build);  // drops "2"
    EXPECT_EQ(builds, 4);
    EXPECT_EQ(cache.Usage().entries, 3u);
    EXPECT_LE(cache.Usage().bytes, bound);
    cache.Cached("1", build);
    cache.Cached("3", build);
    cache.Cached("4", build);
    EXPECT_EQ(builds, 4);
    cache.Cached("2", build);
    EXPECT_EQ(builds, 5);

    // An image larger than the whole bound is returned but not kept; a bound
    // of 0 keeps nothing.
    const auto big = cache.Cached("big", [] { return Filled(200, 0xFF00FF00u); });
    EXPECT_EQ(big->Width(), 200);
    EXPECT_EQ(cache.Usage().entries, 3u);
    cache.SetLimit(0);
    EXPECT_EQ(cache.Usage().entries, 0u);
    EXPECT_EQ(cache.Usage().bytes, 0u);
}

TEST(BodyImageCache, DifferentArgumentsNeverShareAKey) {
    const std::string keys[] = {
        BodyKey("Resistor").Add(QStringLiteral("R1")).Add(0.0).Take(),
        BodyKey("Capacitor").Add(QStringLiteral("R1")).Add(0.0).Take(),
        BodyKey("Resistor").Add(QStringLiteral("R1")).Add(-0.0).Take(),
        BodyKey("Resistor").Add(QStringLiteral("R1")).Add(3.141592653589793).Take(),
        BodyKey("Resistor").Add(QStringLiteral("R1")).Add(3.1415926535897927).Take(),
        BodyKey("Resistor").Add(QStringLiteral("R")).Add(0.0).Take(),
        // The boundary between two texts cannot move.
        BodyKey("Tube").Add(QStringLiteral("ab")).Add(QStringLiteral("c")).Take(),
        BodyKey("Tube").Add(QStringLiteral("a")).Add(QStringLiteral("bc")).Take(),
        BodyKey("Jack").Add(QStringLiteral("J")).Add(true).Take(),
        BodyKey("Jack").Add(QStringLiteral("J")).Add(false).Take(),
        BodyKey("IC").Add(1LL).Add(2LL).Take(),
        BodyKey("IC").Add(2LL).Add(1LL).Take(),
        BodyKey("IC").Add(258LL).Take(),
    };
    std::set<std::string> distinct(std::begin(keys), std::end(keys));
    EXPECT_EQ(distinct.size(), std::size(keys));
    EXPECT_EQ(BodyKey("IC").Add(1LL).Add(QStringLiteral("é")).Take(),
              BodyKey("IC").Add(1LL).Add(QStringLiteral("é")).Take());
}

// A repaint from kept images gives the very pixels and pick keys of a repaint
// that builds every image, on screen (reveal, selection) and for export; what
// one renderer keeps is its own: a picture made with another set, or with none,
// neither reads nor fills it.
TEST(BodyImageCache, KeptImagesRenderTheSamePixelsAsFreshOnes) {
    for (const char* example : {"stripboard.swb", "perfboard.swb", "pcb.swb"}) {
        SCOPED_TRACE(example);
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadFile(test::ExamplePath(QString::fromLatin1(example))).ok);
        for (const bool forImage : {false, true}) {
            RenderCaches screen, other;
            auto render = [&](QImage& image, PickMap& pick, RenderCaches* caches) {
                RenderOptions options;
                options.forImage = forImage;
                options.reveal = !forImage;
                options.caches = caches;
                Canvas canvas(image);
                RenderLayout(doc, canvas, pick, 2000, 1200, options);
            };
            QImage fresh = MakeRaster(2000, 1200);
            PickMap freshPick(2000, 1200);
            render(fresh, freshPick, nullptr);
            QImage warm = MakeRaster(2000, 1200);
            PickMap warmPick(2000, 1200);
            render(warm, warmPick, &screen);  // fills the screen's set
            EXPECT_GE(screen.bodies.Usage().entries, 8u);  // each example has eight parts or more
            EXPECT_EQ(other.bodies.Usage().entries, 0u);
            const std::size_t kept = screen.bodies.Usage().entries;
            QImage elsewhere = MakeRaster(2000, 1200);
            PickMap elsewherePick(2000, 1200);
            render(elsewhere, elsewherePick, &other);
            EXPECT_EQ(other.bodies.Usage().entries, kept);
            warm = MakeRaster(2000, 1200);
            warmPick.Clear();
            render(warm, warmPick, &screen);  // every body from the cache
            EXPECT_EQ(screen.bodies.Usage().entries, kept);
            EXPECT_TRUE(warm == fresh);
            EXPECT_TRUE(warmPick.Image() == freshPick.Image());
            EXPECT_TRUE(elsewhere == fresh);
        }
    }
}

}  // namespace
}  // namespace sw
