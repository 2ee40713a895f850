// Copies from artwork into the back buffer: the clip rectangle on every side
// and from inside a sheet, and the stretched copy.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/display.h"
#include "graphics/sprite.h"
#include "surface_probe.h"
#include "test_pictures.h"
#include "test_support.h"

namespace {
// Source pixels say where they came from: red is x, green is y, and blue is
// always full, so no source pixel is ever black.
uint32_t sourcePixel(int x, int y)
{
    return uint32_t(x) << 11 | uint32_t(y) << 5 | 31;
}

class BlitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTestDisplay();
        probeFill(backBuffer->surface, Rect{0, 0, 640, 480}, 0);
        BmpLayout layout;
        layout.width = 32;
        layout.height = 32;
        layout.bits = 16;
        layout.compression = 3;
        layout.masks = {0xF800, 0x07E0, 0x001F};
        data.put("Tiles.bmp", encodeBmp(layout, [](int x, int y) { return sourcePixel(x, y); }));
        tiles = std::make_unique<Sprite>("Tiles.bmp", false);
        ASSERT_NE(tiles->surface, nullptr);
    }

    static uint32_t shown(int x, int y)
    {
        return probePixel(backBuffer->surface, x, y);
    }

    ScratchDataDir data;
    std::unique_ptr<Sprite> tiles;
};
}  // namespace

TEST_F(BlitTest, SpriteHalfOutsideItsClipRectangleShowsOnlyTheInsidePart)
{
    tiles->setClipRect(236, 4, 636, 404);

    // Over the bottom-left corner of the board: 16 columns and 14 rows inside.
    tiles->drawClippedTo(backBuffer, 220, 390, 0, 0, 32, 32);
    EXPECT_EQ(shown(236, 390), sourcePixel(16, 0));
    EXPECT_EQ(shown(251, 403), sourcePixel(31, 13));
    EXPECT_EQ(shown(235, 390), 0u);
    EXPECT_EQ(shown(236, 404), 0u);
    EXPECT_EQ(shown(252, 390), 0u);

    // Over the top-right corner: 16 columns and 18 rows inside.
    tiles->drawClippedTo(backBuffer, 620, -10, 0, 0, 32, 32);
    EXPECT_EQ(shown(620, 4), sourcePixel(0, 14));
    EXPECT_EQ(shown(635, 21), sourcePixel(15, 31));
    EXPECT_EQ(shown(636, 4), 0u);
    EXPECT_EQ(shown(620, 3), 0u);

    // From the middle of the sheet, the offset still counts from there.
    tiles->drawClippedTo(backBuffer, 230, 100, 8, 8, 24, 24);
    EXPECT_EQ(shown(236, 100), sourcePixel(14, 8));
    EXPECT_EQ(shown(245, 115), sourcePixel(23, 23));
    EXPECT_EQ(shown(246, 100), 0u);
}

TEST_F(BlitTest, SpriteWhollyOutsideItsClipRectangleDrawsNothing)
{
    tiles->setClipRect(236, 4, 636, 404);
    tiles->drawClippedTo(backBuffer, 100, 100, 0, 0, 32, 32);
    tiles->drawClippedTo(backBuffer, 300, 420, 0, 0, 32, 32);
    for (int y = 90; y < 480; y += 3) {
        for (int x = 90; x < 400; x += 3) {
            ASSERT_EQ(shown(x, y), 0u) << x << ", " << y;
        }
    }
}

TEST_F(BlitTest, StretchedCopyScales)
{
    tiles->drawStretchedTo(backBuffer, Rect{100, 100, 108, 116}, Rect{4, 4, 8, 8});
    EXPECT_EQ(shown(100, 100), sourcePixel(4, 4));
    EXPECT_EQ(shown(101, 103), sourcePixel(4, 4));
    EXPECT_EQ(shown(102, 104), sourcePixel(5, 5));
    EXPECT_EQ(shown(107, 115), sourcePixel(7, 7));
    EXPECT_EQ(shown(108, 100), 0u);
}
