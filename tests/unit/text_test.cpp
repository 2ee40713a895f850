// The bitmap font, the digit strips and the name-entry buffer.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "graphics/artwork.h"
#include "graphics/display.h"
#include "graphics/sprite.h"
#include "graphics/text.h"
#include "surface_probe.h"
#include "test_pictures.h"
#include "test_support.h"

namespace {
// Every column of the test strips says which column it is: red holds the low
// five bits, green the next six, and blue is full so nothing drawn is black.
uint32_t columnPixel(int x)
{
    return uint32_t(x & 31) << 11 | uint32_t(x >> 5 & 63) << 5 | 31;
}

Sprite* strip(ScratchDataDir& data, const char* name, int width, int height)
{
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bits = 16;
    layout.compression = 3;
    layout.masks = {0xF800, 0x07E0, 0x001F};
    data.put(name, encodeBmp(layout, [](int x, int) { return columnPixel(x); }));
    return new Sprite(name, false);
}

class TextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTestDisplay();
        probeFill(backBuffer->surface, Rect{0, 0, 640, 480}, 0);
        computeGlyphOffsets();
        // Other tests may have the game's own artwork loaded; it comes back afterwards.
        savedFont = fontSprite;
        savedSmallDigits = smallDigitsSprite;
        savedLargeDigits = largeDigitsSprite;
        fontSprite = strip(data, "Font.bmp", 891, 40);  // more artwork below the glyphs
        smallDigitsSprite = strip(data, "Number.bmp", 100, 23);
        largeDigitsSprite = strip(data, "level.bmp", 150, 27);
    }

    void TearDown() override
    {
        deleteSprite(fontSprite);
        deleteSprite(smallDigitsSprite);
        deleteSprite(largeDigitsSprite);
        fontSprite = savedFont;
        smallDigitsSprite = savedSmallDigits;
        largeDigitsSprite = savedLargeDigits;
    }

    // The strip column shown at (x, y), or -1 where nothing was drawn.
    static int columnAt(int x, int y)
    {
        const uint32_t p = probePixel(backBuffer->surface, x, y);
        return p == 0 ? -1 : int(p >> 11 | (p >> 5 & 63) << 5);
    }

    // What a row of the back buffer shows from x on, as strip columns.
    static std::vector<int> columnsFrom(int x, int y, int count)
    {
        std::vector<int> out;
        out.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            out.push_back(columnAt(x + i, y));
        }
        return out;
    }

    static std::vector<int> glyph(char c)
    {
        std::vector<int> out;
        const int i = c - 32;
        for (int x = glyphOffsets[i]; x < glyphOffsets[i] + glyphWidths[i]; ++x) {
            out.push_back(x);
        }
        return out;
    }

    static std::vector<int> digits(int width, const char* text)
    {
        std::vector<int> out;
        for (const char* p = text; *p; ++p) {
            for (int x = 0; x < width; ++x) {
                out.push_back(*p == ' ' ? -1 : (*p - '0') * width + x);
            }
        }
        return out;
    }

    ScratchDataDir data;
    Sprite* savedFont = nullptr;
    Sprite* savedSmallDigits = nullptr;
    Sprite* savedLargeDigits = nullptr;
};

std::vector<int> joined(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> out;
    for (const auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}
}  // namespace

TEST_F(TextTest, GlyphOffsetsRunAlongTheStrip)
{
    EXPECT_EQ(glyphOffsets['0' - 32], 118);
    EXPECT_EQ(glyphOffsets['A' - 32], 285);
    EXPECT_EQ(glyphOffsets['Z' - 32], 591);
    EXPECT_EQ(glyphOffsets['_' - 32], 625);
    EXPECT_EQ(glyphOffsets['a' - 32], 640);
    EXPECT_EQ(glyphOffsets['z' - 32], 859);
    EXPECT_EQ(glyphOffsets[94] + glyphWidths[94], 891);
}

TEST_F(TextTest, WordIsDrawnGlyphByGlyphFromTheTopRows)
{
    drawText(10, 50, "Empty");
    // 12 + 15 + 10 + 6 + 8 pixels, and nothing after.
    EXPECT_EQ(columnsFrom(10, 50, 52),
              joined({glyph('E'), glyph('m'), glyph('p'), glyph('t'), glyph('y'), {-1}}));
    EXPECT_EQ(columnsFrom(10, 66, 51), columnsFrom(10, 50, 51));
    EXPECT_EQ(columnAt(10, 67), -1);  // 17 rows only
    EXPECT_EQ(columnAt(9, 50), -1);
}

TEST_F(TextTest, EmptyTextAndBytesWithoutGlyphsDrawNothing)
{
    drawText(10, 50, "");
    EXPECT_EQ(columnAt(10, 50), -1);
    // Control codes, DEL and bytes above 127 take no room; "~" is 0 wide.
    drawText(10, 100,
             "A\x01\x7f\xc8~\xff"
             "B\n");
    EXPECT_EQ(columnsFrom(10, 100, 26), joined({glyph('A'), glyph('B'), {-1}}));
}

TEST_F(TextTest, SmallNumbersAreCentred)
{
    drawSmallNumber(100, 200, 0);
    EXPECT_EQ(columnsFrom(94, 200, 12), joined({{-1}, digits(10, "0"), {-1}}));
    drawSmallNumber(300, 200, 345);
    EXPECT_EQ(columnsFrom(284, 200, 32), joined({{-1}, digits(10, "345"), {-1}}));
    EXPECT_EQ(columnAt(285, 222), 30);  // the strip's full height
    EXPECT_EQ(columnAt(285, 223), -1);
}

TEST_F(TextTest, LargeNumbersAreCentredWithTheHalfRoundedDown)
{
    drawLargeNumber(100, 10, 7);
    EXPECT_EQ(columnsFrom(92, 10, 17), joined({{-1}, digits(15, "7"), {-1}}));
    drawLargeNumber(300, 10, 42);
    EXPECT_EQ(columnsFrom(284, 10, 32), joined({{-1}, digits(15, "42"), {-1}}));
    drawLargeNumber(500, 10, 100);
    EXPECT_EQ(columnsFrom(477, 10, 47), joined({{-1}, digits(15, "100"), {-1}}));
    EXPECT_EQ(columnAt(478, 36), 15);
    EXPECT_EQ(columnAt(478, 37), -1);
}

TEST_F(TextTest, NumbersOfEveryLengthFit)
{
    drawLargeNumber(320, 100, INT_MAX);
    EXPECT_EQ(columnsFrom(244, 100, 152), joined({{-1}, digits(15, "2147483647"), {-1}}));
    // No strip picture for the sign: it keeps its place in the centring.
    drawSmallNumber(320, 300, INT_MIN);
    EXPECT_EQ(columnsFrom(264, 300, 112), joined({{-1}, digits(10, " 2147483648"), {-1}}));
}

TEST(NameBufferTest, TypingAndBackspace)
{
    resetName();
    EXPECT_EQ(nameLength, 0);
    EXPECT_EQ(std::memcmp(nameBuffer, "_\0\0\0\0\0\0\0\0\0\0", 11), 0);
    removeNameChar();  // nothing to remove
    EXPECT_EQ(nameLength, 0);
    EXPECT_STREQ(nameBuffer, "_");

    appendNameChar('B');
    appendNameChar('o');
    appendNameChar('b');
    EXPECT_STREQ(nameBuffer, "Bob_");
    EXPECT_EQ(nameLength, 3);
    removeNameChar();
    EXPECT_STREQ(nameBuffer, "Bo_");

    for (const char c : std::string("0123456789")) {
        appendNameChar(c);
    }
    EXPECT_STREQ(nameBuffer, "Bo0123456_");  // nine characters at most
    EXPECT_EQ(nameLength, 9);
    for (int i = 0; i < 12; ++i) {
        removeNameChar();
    }
    EXPECT_EQ(nameLength, 0);
    EXPECT_EQ(std::memcmp(nameBuffer, "_\0", 2), 0);
}
