// The picture's way to the screen: where it sits in a window of any size,
// clicks mapped back to board cells, the changed-part search, the
// conversion and scaling into 32-bit pixels, and pacing without vsync.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "game/board.h"
#include "graphics/display.h"
#include "platform/frame_pacer.h"
#include "platform/picture_fit.h"
#include "platform/pixel_expand.h"
#include "platform/window.h"
#include "test_support.h"

namespace {
using Clock = std::chrono::steady_clock;

struct FitCase {
    int w;
    int h;
    PictureFit want;
};

TEST(PictureFit, WholeMultiplesWhenTheyNearlyFillTheWindowSmoothOtherwise)
{
    const FitCase cases[] = {
        {640, 480, {0, 0, 640, 480, true}},      {1280, 960, {0, 0, 1280, 960, true}},
        {1300, 1000, {10, 20, 1280, 960, true}},  // a thin border keeps the pixels sharp
        {1000, 750, {0, 0, 1000, 750, false}},   {1366, 768, {171, 0, 1024, 768, false}},
        {800, 1000, {0, 200, 800, 600, false}},  {1600, 480, {480, 0, 640, 480, true}},
        {320, 240, {0, 0, 320, 240, false}},
    };
    for (const FitCase& c : cases) {
        const PictureFit f = fitPicture(c.w, c.h);
        EXPECT_EQ(f.x, c.want.x) << c.w << "x" << c.h;
        EXPECT_EQ(f.y, c.want.y) << c.w << "x" << c.h;
        EXPECT_EQ(f.width, c.want.width) << c.w << "x" << c.h;
        EXPECT_EQ(f.height, c.want.height) << c.w << "x" << c.h;
        EXPECT_EQ(f.sharp, c.want.sharp) << c.w << "x" << c.h;
    }
    const PictureFit none = fitPicture(0, 0);
    EXPECT_EQ(none.width, pictureWidth);
}

TEST(PictureFit, ClicksInAResizedWindowReachTheCellUnderThem)
{
    const int sizes[][2] = {{640, 480}, {1000, 750}, {1280, 960}, {1366, 768}, {800, 1000}, {1919, 1080}};
    for (const auto& size : sizes) {
        const PictureFit fit = fitPicture(size[0], size[1]);
        const double sx = double(fit.width) / pictureWidth;
        const double sy = double(fit.height) / pictureHeight;
        for (int column = 0; column < boardColumns; ++column) {
            for (int row = 0; row < boardRows; ++row) {
                // Near the cell's top-left and bottom-right corners, as the player sees them.
                for (const double inset : {2.0, cellSize - 2.0}) {
                    const double wx = fit.x + (boardLeft + column * cellSize + inset) * sx;
                    const double wy = fit.y + (boardTop + row * cellSize + inset) * sy;
                    int px = 0;
                    int py = 0;
                    ASSERT_TRUE(outputToPicture(fit, wx, wy, px, py));
                    EXPECT_EQ((px - boardLeft) / cellSize, column) << size[0] << "x" << size[1];
                    EXPECT_EQ((py - boardTop) / cellSize, row) << size[0] << "x" << size[1];
                }
            }
        }
        int px = 0;
        int py = 0;
        if (fit.x > 0) {
            EXPECT_FALSE(outputToPicture(fit, fit.x - 1, size[1] / 2.0, px, py));
            EXPECT_LT(px, 0);
        }
        EXPECT_FALSE(outputToPicture(fit, fit.x + fit.width + 0.5, fit.y + 1, px, py));
        EXPECT_FALSE(outputToPicture(fit, fit.x + 1, fit.y + fit.height + 0.5, px, py));
    }
}

TEST(PictureFit, DenseDisplaysGetALargerFirstWindowThatStillFits)
{
    EXPECT_EQ(comfortableScale(96, 1920, 1000), 1);
    EXPECT_EQ(comfortableScale(0, 1920, 1000), 1);
    EXPECT_EQ(comfortableScale(192, 3456, 1900), 2);
    EXPECT_EQ(comfortableScale(288, 3456, 1900), 3);
    EXPECT_EQ(comfortableScale(192, 1200, 800), 1);  // twice the picture would not fit
    EXPECT_EQ(comfortableScale(400, 600, 400), 1);   // never below the picture's own size
}

std::vector<uint16_t> picture(uint16_t fill)
{
    return std::vector<uint16_t>(size_t(pictureWidth) * pictureHeight, fill);
}

constexpr int picturePitch = pictureWidth * 2;

TEST(ChangedPart, BoundsEveryChangedPixelAndRemembersTheFrame)
{
    std::vector<uint16_t> now = picture(0x1234);
    std::vector<uint16_t> before = now;
    Rect span;
    EXPECT_FALSE(takeChange(now.data(), picturePitch, before.data(), span));

    now[size_t(100) * pictureWidth + 7] = 0xFFFF;
    ASSERT_TRUE(takeChange(now.data(), picturePitch, before.data(), span));
    EXPECT_EQ(span.left, 7);
    EXPECT_EQ(span.right, 8);
    EXPECT_EQ(span.top, 100);
    EXPECT_EQ(span.bottom, 101);
    EXPECT_EQ(before, now);
    EXPECT_FALSE(takeChange(now.data(), picturePitch, before.data(), span));

    now[size_t(5) * pictureWidth + 600] = 1;
    now[size_t(479) * pictureWidth + 0] = 1;
    now[size_t(200) * pictureWidth + 639] = 1;
    ASSERT_TRUE(takeChange(now.data(), picturePitch, before.data(), span));
    EXPECT_EQ(span.left, 0);
    EXPECT_EQ(span.right, 640);
    EXPECT_EQ(span.top, 5);
    EXPECT_EQ(span.bottom, 480);
    EXPECT_EQ(before, now);
}

TEST(Expansion, ChannelsSpanTheFullRange)
{
    EXPECT_EQ(expandPixel(0x0000), 0x000000u);
    EXPECT_EQ(expandPixel(0xFFFF), 0xFFFFFFu);
    EXPECT_EQ(expandPixel(0xF800), 0xFF0000u);
    EXPECT_EQ(expandPixel(0x07E0), 0x00FF00u);
    EXPECT_EQ(expandPixel(0x001F), 0x0000FFu);
    // The magenta key colour and a mid grey, as the screenshots hold them.
    EXPECT_EQ(expandPixel(0xF81F), 0xFF00FFu);
    EXPECT_EQ(expandPixel(uint16_t(16 << 11 | 32 << 5 | 16)), 0x838183u);
}

TEST(Expansion, SharpScalingFillsWholeBlocksAndStaysInsideTheSpan)
{
    std::vector<uint16_t> in = picture(0);
    for (int x = 0; x < pictureWidth; ++x) {
        in[size_t(11) * pictureWidth + size_t(x)] = uint16_t(x);
    }
    constexpr int scale = 3;
    constexpr uint32_t guard = 0xDEADBEEF;
    const Rect span{4, 10, 9, 12};
    const int outWidth = pictureWidth * scale;
    std::vector<uint32_t> out(size_t(outWidth) * pictureHeight * scale, guard);
    uint32_t* corner = out.data() + size_t(span.top * scale) * size_t(outWidth) + size_t(span.left * scale);
    expandSharp(in.data(), picturePitch, corner, outWidth * 4, scale, span);
    for (int y = 0; y < pictureHeight * scale; ++y) {
        for (int x = 0; x < outWidth; ++x) {
            const uint32_t got = out[size_t(y) * size_t(outWidth) + size_t(x)];
            const int px = x / scale;
            const int py = y / scale;
            if (px >= span.left && px < span.right && py >= span.top && py < span.bottom) {
                ASSERT_EQ(got, expandPixel(in[size_t(py) * pictureWidth + size_t(px)])) << x << "," << y;
            } else {
                ASSERT_EQ(got, guard) << x << "," << y;
            }
        }
    }
}

TEST(Expansion, SmoothScalingKeepsFlatAreasFlatAndReachesAroundTheChange)
{
    std::vector<uint32_t> expanded(size_t(pictureWidth) * pictureHeight, 0x336699);
    const PictureFit fit = fitPicture(1000, 750);
    ASSERT_FALSE(fit.sharp);
    std::vector<uint32_t> out(size_t(fit.width) * size_t(fit.height), 0);
    const Rect all = expandSmooth(expanded.data(), out.data(), fit.width * 4, fit,
                                  Rect{0, 0, pictureWidth, pictureHeight});
    EXPECT_EQ(all.left, 0);
    EXPECT_EQ(all.top, 0);
    EXPECT_EQ(all.right, fit.width);
    EXPECT_EQ(all.bottom, fit.height);
    for (uint32_t p : out) {
        ASSERT_EQ(p, 0x336699u);
    }

    // One bright pixel: what it touches lies inside the rectangle reported.
    expanded[size_t(240) * pictureWidth + 320] = 0xFFFFFF;
    const Rect one = expandSmooth(expanded.data(), out.data(), fit.width * 4, fit, Rect{320, 240, 321, 241});
    int touched = 0;
    for (int y = 0; y < fit.height; ++y) {
        for (int x = 0; x < fit.width; ++x) {
            if (out[size_t(y) * size_t(fit.width) + size_t(x)] != 0x336699u) {
                ++touched;
                EXPECT_TRUE(x >= one.left && x < one.right && y >= one.top && y < one.bottom)
                    << x << "," << y;
            }
        }
    }
    EXPECT_GT(touched, 0);
    EXPECT_LT((one.right - one.left) * (one.bottom - one.top), 100);
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(Pacing, SleepsToTheRefreshAndNeverHurriesToCatchUp)
{
    constexpr double period = 0.01;
    resetFramePacer();
    paceFrame(period);
    const auto start = Clock::now();
    for (int i = 0; i < 30; ++i) {
        paceFrame(period);
    }
    const double spent = secondsSince(start);
    EXPECT_GT(spent, 0.28);
    EXPECT_LT(spent, 0.6);

    // After a long stall the next frame is not hurried out at once to make
    // up for it, nor are the ones after it.
    const auto stall = Clock::now();
    while (secondsSince(stall) < 0.1) {}
    const auto after = Clock::now();
    paceFrame(period);
    paceFrame(period);
    paceFrame(period);
    EXPECT_GT(secondsSince(after), 0.015);
}

TEST(Pacing, PresentingWithoutVsyncKeepsNearTheRefreshRate)
{
    setenv("PLUMBRIX_PRESENT", "surface", 1);
    openTestDisplay();
    present();
    const auto start = Clock::now();
    constexpr int frames = 30;
    for (int i = 0; i < frames; ++i) {
        present();
    }
    // The headless display has no refresh rate of its own: 60 Hz.
    const double rate = frames / secondsSince(start);
    EXPECT_GT(rate, 45);
    EXPECT_LT(rate, 66);
}
}  // namespace
