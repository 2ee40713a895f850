// Damaged, cut-off, oversized and lying artwork files: each ends in the
// clean failure path (no surface, the usual error boxes), never in a read
// outside a buffer. Worth running under AddressSanitizer.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>

#include "graphics/display.h"
#include "graphics/sprite.h"
#include "surface_probe.h"
#include "test_pictures.h"
#include "test_support.h"

namespace {
class BadArtworkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTestDisplay();
        takeErrorBoxes();
    }

    // A BMP that fails its checks is treated like one that cannot be opened.
    void expectBmpRefused(const std::vector<uint8_t>& bytes, const std::string& what)
    {
        SCOPED_TRACE(what);
        data.put("Bad.bmp", bytes);
        Sprite sprite("Bad.bmp", true);
        EXPECT_EQ(sprite.surface, nullptr);
        EXPECT_EQ(sprite.width, 0);
        EXPECT_EQ(sprite.height, 0);
        EXPECT_TRUE(sprite.bmpFileData.empty());
        EXPECT_EQ(takeErrorBoxes(), (std::vector<std::string>{"Bad.bmp", "CreateSurface"}));
    }

    // A JPEG that cannot be decoded leaves a zero size and names itself, as a
    // BMP does.
    void expectJpegRefused(const std::vector<uint8_t>& bytes, const std::string& what)
    {
        SCOPED_TRACE(what);
        data.put("Bad.jpg", bytes);
        Sprite sprite("Bad.jpg", false);
        EXPECT_EQ(sprite.surface, nullptr);
        EXPECT_EQ(sprite.width, 0);
        EXPECT_EQ(sprite.height, 0);
        EXPECT_EQ(takeErrorBoxes(), (std::vector<std::string>{"Bad.jpg", "CreateSurface"}));
        EXPECT_FALSE(sprite.readImageFile("Bad.jpg"));
        EXPECT_EQ(sprite.jpegImage.pixels, nullptr);
        takeErrorBoxes();
    }

    ScratchDataDir data;
};

std::vector<uint8_t> smallBmp(int bits)
{
    BmpLayout layout;
    layout.width = 3;
    layout.height = 2;
    layout.bits = bits;
    if (bits <= 8) {
        layout.palette.assign(size_t(1) << bits, Rgb{90, 90, 90});
    }
    return encodeBmp(layout, [](int x, int y) { return uint32_t(x + y); });
}

void putU32(std::vector<uint8_t>& bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        bytes[at + size_t(i)] = uint8_t(v >> (8 * i));
    }
}

std::vector<uint8_t> smallJpeg()
{
    return encodeJpeg(24, 16, 3, [](int x, int y) { return Rgb{x * 10, y * 15, 128}; });
}

// Where the frame header of a baseline JPEG keeps its height and width.
size_t frameHeaderAt(const std::vector<uint8_t>& jpeg)
{
    for (size_t i = 0; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            return i;
        }
    }
    return 0;
}
}  // namespace

TEST_F(BadArtworkTest, EveryCutOffBmpIsRefused)
{
    for (const int bits : {8, 24}) {
        const auto whole = smallBmp(bits);
        for (size_t length = 0; length < whole.size(); ++length) {
            expectBmpRefused(std::vector<uint8_t>(whole.begin(), whole.begin() + long(length)),
                             std::to_string(bits) + " bits cut to " + std::to_string(length) + " bytes");
        }
        data.put("Whole.bmp", whole);
        Sprite sprite("Whole.bmp", false);
        EXPECT_NE(sprite.surface, nullptr);
        EXPECT_TRUE(takeErrorBoxes().empty());
    }
}

TEST_F(BadArtworkTest, BmpHeadersThatLieAreRefused)
{
    // Offsets into the file: the bitmap header starts at 14.
    struct Lie {
        const char* what;
        size_t at;
        uint32_t value;
        int bits;
    };
    const Lie lies[] = {
        {"header shorter than 40 bytes", 14, 39, 24},
        {"header longer than the file", 14, 100000, 24},
        {"header size near the top of the range", 14, 0xFFFFFFF0u, 24},
        {"no planes", 26, 0 | 24u << 16, 24},
        {"two planes", 26, 2 | 24u << 16, 24},
        {"zero width", 18, 0, 24},
        {"negative width", 18, uint32_t(-3), 24},
        {"width past 8192", 18, 8193, 24},
        {"zero height", 22, 0, 24},
        {"height past 8192", 22, 8193, 24},
        {"top-down height past 8192", 22, uint32_t(-8193), 24},
        {"most negative height", 22, uint32_t(INT_MIN), 24},
        {"two bits a pixel", 28, 2, 8},
        {"seven bits a pixel", 28, 7, 8},
        {"64 bits a pixel", 28, 64, 24},
        {"run-length compressed", 30, 1, 8},
        {"masks at eight bits", 30, 3, 8},
        {"JPEG inside", 30, 4, 24},
        {"more colours than the depth has", 46, 257, 8},
        {"colour table far past the end", 46, 0x40000000, 24},
        {"colour table just past the end", 46, 3, 24},
        {"rows past the end", 18, 5000, 24},
        {"more rows than the file holds", 22, 3, 24},
    };
    for (const Lie& lie : lies) {
        auto bytes = smallBmp(lie.bits);
        putU32(bytes, lie.at, lie.value);
        expectBmpRefused(bytes, lie.what);
    }

    // Masks promised after a short header but missing from the file.
    BmpLayout layout;
    layout.bits = 16;
    layout.compression = 3;
    auto bytes = encodeBmp(layout, [](int, int) { return 0u; });
    expectBmpRefused(bytes, "masks missing");
}

TEST_F(BadArtworkTest, EmptyGarbageAndCutOffJpegsAreRefused)
{
    expectJpegRefused({}, "empty");
    expectJpegRefused(std::vector<uint8_t>(500, 0x5A), "not a JPEG");
    const auto whole = smallJpeg();
    for (const size_t length : {size_t(2), size_t(20), frameHeaderAt(whole) + 5, whole.size() / 2,
                                whole.size() - 40, whole.size() - 2}) {
        expectJpegRefused(std::vector<uint8_t>(whole.begin(), whole.begin() + long(length)),
                          "cut to " + std::to_string(length) + " of " + std::to_string(whole.size()));
    }
    data.put("Whole.jpg", whole);
    Sprite sprite("Whole.jpg", false);
    EXPECT_NE(sprite.surface, nullptr);
    EXPECT_TRUE(takeErrorBoxes().empty());
}

TEST_F(BadArtworkTest, OversizedJpegsAreRefusedBeforeDecoding)
{
    expectJpegRefused(encodeJpeg(8200, 8, 3, [](int, int) { return Rgb{}; }), "8200 wide");
    expectJpegRefused(encodeJpeg(8, 8200, 1, [](int, int) { return Rgb{}; }), "8200 high");

    // A small file whose frame header claims 60000 x 60000 pixels: the
    // decoded buffer would need ten gigabytes.
    auto lying = smallJpeg();
    const size_t at = frameHeaderAt(lying);
    ASSERT_NE(at, 0u);
    lying[at + 5] = 0xEA;  // height 60000
    lying[at + 6] = 0x60;
    lying[at + 7] = 0xEA;  // width 60000
    lying[at + 8] = 0x60;
    expectJpegRefused(lying, "frame header lies");

    data.put("Wide.jpg", encodeJpeg(8192, 8, 3, [](int, int) { return Rgb{200, 100, 50}; }));
    Sprite widest("Wide.jpg", false);
    EXPECT_EQ(widest.width, 8192);
    EXPECT_NE(widest.surface, nullptr);
}

TEST_F(BadArtworkTest, PipesAndFoldersAreRefusedWithoutWaiting)
{
    for (const char* name : {"Pipe.bmp", "Pipe.jpg"}) {
        ASSERT_EQ(mkfifo((std::string("bmp/") + name).c_str(), 0600), 0);
        EXPECT_TRUE(finishesInTime([name] {
            Sprite sprite(name, false);
            if (sprite.surface) {
                _exit(1);
            }
        })) << name;
    }
    ASSERT_EQ(mkdir("bmp/Folder.bmp", 0700), 0);
    Sprite sprite("Folder.bmp", false);
    EXPECT_EQ(sprite.surface, nullptr);
    takeErrorBoxes();
}

TEST_F(BadArtworkTest, CmykJpegIsRefused)
{
    expectJpegRefused(encodeJpeg(16, 16, 4, [](int, int) { return Rgb{0, 255, 255}; }), "CMYK");
}
