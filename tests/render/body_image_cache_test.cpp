// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/body_image_cache.h"

#include "model/layout_document.h"
#include "render/canvas.h"
#include "render/pick_map.h"
#include "render/render_layout.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace sw {
namespace {

// Restores the default bound and empties the cache around each test, so the
// tests neither see nor leave images of other tests.
class BodyImageCache : public ::testing::Test {
protected:
    void SetUp() override {
        SetBodyImageCacheLimit(kDefaultBodyCacheBytes);
        ClearBodyImageCache();
    }
    void TearDown() override {
        SetBodyImageCacheLimit(kDefaultBodyCacheBytes);
        ClearBodyImageCache();
    }
};

QImage Filled(int side, QRgb colour) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST_F(BodyImageCache, BuildsOnceAndKeepsTheImageUnderItsKey) {
    int builds = 0;
    auto build = [&] {
        ++builds;
        return Filled(10, 0xFF123456u);
    };
    const auto first = CachedBodyImage("a", build);
    const auto again = CachedBodyImage("a", build);
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(again, first);
    EXPECT_EQ(FindBodyImage("a"), first);
    EXPECT_EQ(first->RowPixels(3)[3], 0xFF123456u);
    EXPECT_EQ(FindBodyImage("b"), nullptr);
    CachedBodyImage("b", build);
    EXPECT_EQ(builds, 2);
    // A null image (nothing to draw) is kept too.
    int nullBuilds = 0;
    auto nothing = [&] {
        ++nullBuilds;
        return QImage();
    };
    EXPECT_EQ(CachedBodyImage("n", nothing)->Width(), 0);
    EXPECT_EQ(CachedBodyImage("n", nothing)->Width(), 0);
    EXPECT_EQ(nullBuilds, 1);
}

TEST_F(BodyImageCache, DropsTheLeastRecentlyUsedPastTheBound) {
    int builds = 0;
    auto build = [&] {
        ++builds;
        return Filled(64, 0xFF000000u);
    };
    CachedBodyImage("1", build);
    // Each entry holds a 16 KiB image and a little for its runs; room for three.
    const std::size_t entry = BodyImageCacheUsage().bytes;
    ASSERT_GT(entry, 16384u);
    const std::size_t bound = 3 * entry + entry / 2;
    SetBodyImageCacheLimit(bound);
    CachedBodyImage("2", build);
    CachedBodyImage("3", build);
    CachedBodyImage("1", build);  // now the most recent
    CachedBodyImage("4", build);  // drops "2"
    EXPECT_EQ(builds, 4);
    EXPECT_EQ(BodyImageCacheUsage().entries, 3u);
    EXPECT_LE(BodyImageCacheUsage().bytes, bound);
    CachedBodyImage("1", build);
    CachedBodyImage("3", build);
    CachedBodyImage("4", build);
    EXPECT_EQ(builds, 4);
    CachedBodyImage("2", build);
    EXPECT_EQ(builds, 5);

    // An image larger than the whole bound is returned but not kept; a bound
    // of 0 keeps nothing.
    const auto big = CachedBodyImage("big", [] { return Filled(200, 0xFF00FF00u); });
    EXPECT_EQ(big->Width(), 200);
    EXPECT_EQ(BodyImageCacheUsage().entries, 3u);
    SetBodyImageCacheLimit(0);
    EXPECT_EQ(BodyImageCacheUsage().entries, 0u);
    EXPECT_EQ(BodyImageCacheUsage().bytes, 0u);
}

TEST_F(BodyImageCache, DifferentArgumentsNeverShareAKey) {
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
// that builds every image, on screen (reveal, selection) and for export.
TEST_F(BodyImageCache, KeptImagesRenderTheSamePixelsAsFreshOnes) {
    for (const char* example : {"stripboard.swb", "perfboard.swb", "pcb.swb"}) {
        SCOPED_TRACE(example);
        LayoutDocument doc;
        ASSERT_TRUE(doc.LoadFile(test::ExamplePath(QString::fromLatin1(example))).ok);
        for (const bool forImage : {false, true}) {
            RenderOptions options;
            options.forImage = forImage;
            options.reveal = !forImage;
            auto render = [&](QImage& image, PickMap& pick) {
                Canvas canvas(image);
                RenderLayout(doc, canvas, pick, 2000, 1200, options);
            };
            SetBodyImageCacheLimit(0);
            QImage fresh = MakeRaster(2000, 1200);
            PickMap freshPick(2000, 1200);
            render(fresh, freshPick);
            SetBodyImageCacheLimit(kDefaultBodyCacheBytes);
            QImage warm = MakeRaster(2000, 1200);
            PickMap warmPick(2000, 1200);
            render(warm, warmPick);  // fills the cache
            EXPECT_GE(BodyImageCacheUsage().entries, 8u);  // each example has eight parts or more
            warm = MakeRaster(2000, 1200);
            warmPick.Clear();
            render(warm, warmPick);  // every body from the cache
            EXPECT_TRUE(warm == fresh);
            EXPECT_TRUE(warmPick.Image() == freshPick.Image());
        }
    }
}

}  // namespace
}  // namespace sw
