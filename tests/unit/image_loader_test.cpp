// Artwork files into sprites: decoder choice by name, BMP depths and row
// orders, JPEG colour, grey and odd row lengths.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "graphics/display.h"
#include "graphics/sprite.h"
#include "surface_probe.h"
#include "test_pictures.h"
#include "test_support.h"

namespace {
class ImageLoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTestDisplay();
        takeErrorBoxes();
    }

    static std::unique_ptr<Sprite> load(const std::string& name, bool keyed = false)
    {
        return std::make_unique<Sprite>(name.c_str(), keyed);
    }

    // Every pixel of the sprite against the picture it was made from.
    static void expectPicture(const Sprite& sprite, int width, int height, const PixelColour& colour,
                              int tolerance)
    {
        ASSERT_NE(sprite.surface, nullptr);
        ASSERT_EQ(sprite.width, width);
        ASSERT_EQ(sprite.height, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const Rgb want = colour(x, y);
                const Rgb got = pixelAt(sprite.surface, x, y);
                ASSERT_TRUE(near(got, want, tolerance))
                    << "at (" << x << ", " << y << "): " << describe(got) << " instead of " << describe(want);
            }
        }
    }

    ScratchDataDir data;
};

// A different colour in every pixel, so a flipped, shifted or sheared
// picture cannot pass.
Rgb gradient(int x, int y)
{
    return Rgb{40 * x % 256, 60 * y % 256, 200 - 10 * x};
}

uint32_t packed(const Rgb& c)
{
    return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | uint32_t(c.b);
}

// Four flat quadrants of 16x16 pixels, whole blocks for the JPEG coder.
Rgb quadrants(int x, int y)
{
    static const Rgb colours[4] = {{220, 30, 30}, {30, 200, 40}, {40, 50, 210}, {240, 240, 240}};
    return colours[(y / 16) * 2 + x / 16];
}
}  // namespace

TEST_F(ImageLoaderTest, BottomUpAndTopDownBmpsArriveUpright)
{
    for (const bool topDown : {false, true}) {
        BmpLayout layout;
        layout.width = 5;  // 15-byte rows, padded to 16
        layout.height = 3;
        layout.topDown = topDown;
        data.put("Rows.bmp", encodeBmp(layout, [](int x, int y) { return packed(gradient(x, y)); }));
        const auto sprite = load("Rows.bmp");
        SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
        expectPicture(*sprite, 5, 3, gradient, 7);
        EXPECT_TRUE(takeErrorBoxes().empty());
    }
}

TEST_F(ImageLoaderTest, EveryBmpDepthShowsItsOwnColours)
{
    const std::vector<Rgb> twoColours = {{10, 20, 120}, {250, 220, 20}};
    std::vector<Rgb> fiveColours = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 0, 255}};
    std::vector<Rgb> greys;
    greys.reserve(256);
    for (int i = 0; i < 256; ++i) {
        greys.push_back(Rgb{i, 255 - i, i / 2});
    }
    struct Case {
        const char* what;
        BmpLayout layout;
        PixelValue value;
        PixelColour colour;
    };
    const auto index = [](int x, int y) { return uint32_t(x + 3 * y); };
    std::vector<Case> cases;
    {
        BmpLayout l;
        l.bits = 1;
        l.palette = twoColours;
        cases.push_back({"1 bit", l, [](int x, int y) { return uint32_t((x + y) % 2); },
                         [&](int x, int y) { return twoColours[(x + y) % 2]; }});
    }
    {
        BmpLayout l;
        l.bits = 4;
        l.palette = fiveColours;
        l.coloursUsed = 5;  // a short colour table moves the pixels up
        cases.push_back({"4 bits, five colours", l, [](int x, int y) { return uint32_t((x + 2 * y) % 5); },
                         [&](int x, int y) { return fiveColours[(x + 2 * y) % 5]; }});
    }
    {
        BmpLayout l;
        l.bits = 8;
        l.palette = greys;
        cases.push_back({"8 bits", l, index, [&](int x, int y) { return greys[x + 3 * y]; }});
    }
    {
        BmpLayout l;
        l.bits = 16;  // 5-5-5
        cases.push_back({"16 bits", l, [](int x, int y) { return uint32_t(x << 10 | y << 5 | (31 - x)); },
                         [](int x, int y) {
                             return Rgb{x * 255 / 31, y * 255 / 31, (31 - x) * 255 / 31};
                         }});
    }
    {
        BmpLayout l;
        l.bits = 16;
        l.compression = 3;
        l.masks = {0xF800, 0x07E0, 0x001F};  // after a 40-byte header
        cases.push_back({"16 bits 5-6-5 with masks", l,
                         [](int x, int y) { return uint32_t(x << 11 | (y * 9) << 5 | 7); },
                         [](int x, int y) {
                             return Rgb{x * 255 / 31, y * 9 * 255 / 63, 7 * 255 / 31};
                         }});
    }
    {
        BmpLayout l;
        l.bits = 32;
        cases.push_back({"32 bits, spare byte set", l,
                         [](int x, int y) { return 0xAB000000u | packed(gradient(x, y)); }, gradient});
    }
    {
        BmpLayout l;
        l.bits = 32;
        l.compression = 3;
        l.headerSize = 124;  // masks inside the header
        l.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
        cases.push_back({"32 bits, long header with masks", l,
                         [](int x, int y) { return packed(gradient(x, y)); }, gradient});
    }
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.layout.width = 7;
        c.layout.height = 4;
        data.put("Depth.bmp", encodeBmp(c.layout, c.value));
        const auto sprite = load("Depth.bmp");
        expectPicture(*sprite, 7, 4, c.colour, 8);
        EXPECT_TRUE(takeErrorBoxes().empty());
    }
}

TEST_F(ImageLoaderTest, NameContainingJpgInAnyCaseTakesTheJpegPath)
{
    const auto jpeg = encodeJpeg(32, 32, 3, quadrants);
    for (const char* name : {"WindowHS.JPG", "Menu.jpg", "odd.JpG.bmp"}) {
        SCOPED_TRACE(name);
        data.put(name, jpeg);
        const auto sprite = load(name);
        EXPECT_EQ(sprite->isJpeg, 1);
        expectPicture(*sprite, 32, 32, quadrants, 24);
    }
    // The same bytes under a name without ".jpg" are read as a BMP, which
    // they are not.
    data.put("Figures.bmp", jpeg);
    const auto sprite = load("Figures.bmp");
    EXPECT_EQ(sprite->isJpeg, 0);
    EXPECT_EQ(sprite->surface, nullptr);
    EXPECT_EQ(takeErrorBoxes(), (std::vector<std::string>{"Figures.bmp", "CreateSurface"}));
}

TEST_F(ImageLoaderTest, GreyJpegComesOutGrey)
{
    data.put("grey.jpg", encodeJpeg(40, 8, 1, [](int x, int) { return Rgb{x * 6, 0, 0}; }));
    const auto sprite = load("grey.jpg");
    ASSERT_NE(sprite->surface, nullptr);
    for (int x = 0; x < 40; ++x) {
        const uint32_t p = probePixel(sprite->surface, x, 4);
        const uint32_t red = p >> 11;
        const uint32_t green = p >> 5 & 63;
        const uint32_t blue = p & 31;
        EXPECT_EQ(red, blue) << "x " << x;
        EXPECT_EQ(green >> 1, red) << "x " << x;
    }
    EXPECT_GT(probePixel(sprite->surface, 39, 4), probePixel(sprite->surface, 0, 4));
}

TEST_F(ImageLoaderTest, JpegRowsOfOddLengthShowNoShear)
{
    // 33 pixels make 99 bytes a row, padded to 100 for the upload.
    const auto halves = [](int x, int) { return x < 16 ? Rgb{230, 20, 20} : Rgb{20, 20, 230}; };
    data.put("odd.jpg", encodeJpeg(33, 48, 3, halves));
    const auto sprite = load("odd.jpg");
    ASSERT_NE(sprite->surface, nullptr);
    EXPECT_EQ(sprite->width, 33);
    EXPECT_EQ(sprite->height, 48);
    for (int y = 0; y < 48; ++y) {
        for (const int x : {2, 12, 20, 32}) {
            const Rgb got = pixelAt(sprite->surface, x, y);
            EXPECT_TRUE(near(got, halves(x, y), 40)) << "at (" << x << ", " << y << "): " << describe(got);
        }
    }
}

TEST_F(ImageLoaderTest, MissingFilesEndInTheErrorBoxes)
{
    Sprite bmp("Nothing.bmp", true);
    EXPECT_EQ(bmp.surface, nullptr);
    EXPECT_EQ(takeErrorBoxes(), (std::vector<std::string>{"Nothing.bmp", "CreateSurface"}));
    EXPECT_FALSE(bmp.loadSprite("Nothing.bmp", true));
    takeErrorBoxes();

    // A JPEG that cannot be opened shows nothing of its own.
    Sprite jpeg("Nothing.jpg", false);
    EXPECT_EQ(jpeg.surface, nullptr);
    EXPECT_EQ(takeErrorBoxes(), (std::vector<std::string>{"CreateSurface"}));
    EXPECT_FALSE(jpeg.readImageFile("Nothing.jpg"));
}

TEST_F(ImageLoaderTest, NamesLongerThanThePathBufferAreRefused)
{
    BmpLayout layout;
    const auto bmp = encodeBmp(layout, [](int, int) { return 0x808080u; });
    const auto jpeg = encodeJpeg(8, 8, 3, [](int, int) { return Rgb{128, 128, 128}; });
    const std::string longest(91, 'a');  // with the extension, 95 characters
    data.put(longest + ".bmp", bmp);
    data.put(longest + ".jpg", jpeg);
    data.put(longest + "a.bmp", bmp);
    data.put(longest + "a.jpg", jpeg);

    EXPECT_NE(load(longest + ".bmp")->surface, nullptr);
    EXPECT_NE(load(longest + ".jpg")->surface, nullptr);
    EXPECT_TRUE(takeErrorBoxes().empty());

    EXPECT_EQ(load(longest + "a.bmp")->surface, nullptr);
    EXPECT_EQ(takeErrorBoxes(), (std::vector<std::string>{longest + "a.bmp", "CreateSurface"}));
    EXPECT_EQ(load(longest + "a.jpg")->surface, nullptr);
    EXPECT_EQ(takeErrorBoxes(), (std::vector<std::string>{"CreateSurface"}));

    const std::string huge(400, 'b');
    EXPECT_EQ(load(huge + ".jpg")->surface, nullptr);
    takeErrorBoxes();
}
