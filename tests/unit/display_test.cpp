// The display format, the colour key and the copies' whole rejection.
#include <gtest/gtest.h>

#include "graphics/display.h"
#include "surface_probe.h"
#include "test_support.h"

namespace {
class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTestDisplay();
    }
    void TearDown() override
    {
        analysePixelFormat();
    }
};

// A sprite filled with one colour, with a different pixel at its origin so
// that offsets show.
void fill(Sprite& sprite, uint32_t colour)
{
    probeFill(sprite.surface, Rect{0, 0, sprite.width, sprite.height}, colour);
    probeFill(sprite.surface, Rect{0, 0, 1, 1}, 0x1234);
}
}  // namespace

TEST_F(DisplayTest, DisplayFormatIs565)
{
    EXPECT_EQ(toDisplayColour(255, 0, 255), 0xF81Fu);
    EXPECT_EQ(toDisplayColour(255, 255, 255), 0xFFFFu);
    EXPECT_EQ(toDisplayColour(8, 4, 8), 0x0821u);
}

TEST_F(DisplayTest, MagentaKeySetsEveryRedAndBlueBitAndNoGreen)
{
    analyseMasks(0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(toDisplayColour(255, 0, 255), 0xF81Fu);
    analyseMasks(0x7C00, 0x03E0, 0x001F);
    EXPECT_EQ(toDisplayColour(255, 0, 255), 0x7C1Fu);
    analyseMasks(0xFF0000, 0x00FF00, 0x0000FF);
    EXPECT_EQ(toDisplayColour(255, 0, 255), 0xFF00FFu);
    EXPECT_EQ(toDisplayColour(0x12, 0x34, 0x56), 0x123456u);
}

TEST_F(DisplayTest, CopyLeavingEitherSurfaceDrawsNothing)
{
    Sprite source(20, 20, false);
    Sprite target(40, 40, false);
    fill(source, 0xFFFF);
    ASSERT_EQ(probePixel(source.surface, 0, 1), 0xFFFFu);

    // Inside: drawn.
    source.drawTo(&target, 10, 10, 0, 0, 20, 20);
    EXPECT_EQ(probePixel(target.surface, 10, 10), 0x1234u);

    Sprite fresh(40, 40, false);
    source.drawTo(&fresh, 30, 0, 0, 0, 20, 20);   // leaves the right edge
    source.drawTo(&fresh, -1, 0, 0, 0, 20, 20);   // leaves the left edge
    source.drawTo(&fresh, 0, 0, 0, 0, 21, 20);    // leaves the source
    source.drawTo(&fresh, 0, 0, 10, 10, 10, 20);  // empty
    source.drawTo(&fresh, 0, 0, 10, 10, 5, 5);    // inverted
    source.drawStretchedTo(&fresh, Rect{0, 0, 41, 10}, Rect{0, 0, 20, 20});
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            ASSERT_EQ(probePixel(fresh.surface, x, y), 0u) << x << "," << y;
        }
    }
}

TEST_F(DisplayTest, KeyedCopySkipsKeyPixelsOnly)
{
    Sprite keyed(8, 8, true);
    EXPECT_EQ(keyed.colourKey, 0xF81Fu);
    Sprite target(8, 8, false);
    fill(target, 0xFFFF);
    probeFill(keyed.surface, Rect{0, 0, 8, 8}, 0xF81F);
    probeFill(keyed.surface, Rect{2, 2, 4, 4}, 0xF81E);  // one bit off the key: art
    keyed.drawTo(&target, 0, 0, 0, 0, 8, 8);
    EXPECT_EQ(probePixel(target.surface, 1, 1), 0xFFFFu);
    EXPECT_EQ(probePixel(target.surface, 3, 3), 0xF81Eu);
    // The same sprite copied as unkeyed paints the key colour too.
    keyed.colourKeyed = 0;
    keyed.drawTo(&target, 0, 0, 0, 0, 8, 8);
    EXPECT_EQ(probePixel(target.surface, 1, 1), 0xF81Fu);
}

TEST_F(DisplayTest, ClippedCopyShowsOnlyTheInsideCorrectlyOffset)
{
    Sprite source(20, 20, false);
    fill(source, 0xFFFF);
    probeFill(source.surface, Rect{10, 10, 11, 11}, 0x4321);
    Sprite target(40, 40, false);
    source.setClipRect(10, 10, 30, 30);
    // Half outside to the upper left: the source's lower-right part lands at (10, 10).
    source.drawClippedTo(&target, 0, 0, 0, 0, 20, 20);
    EXPECT_EQ(probePixel(target.surface, 10, 10), 0x4321u);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 20 && y >= 10 && y < 20;
            const uint32_t expected = inside ? probePixel(source.surface, x, y) : 0u;
            ASSERT_EQ(probePixel(target.surface, x, y), expected) << x << "," << y;
        }
    }
}
