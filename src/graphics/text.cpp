// The 17-pixel bitmap font from "Font.bmp", the digit strips of "Number.jpg"
// and "level.jpg", and the name-entry buffer.
#include "graphics/text.h"

#include <cstdio>
#include <cstring>

#include "graphics/artwork.h"
#include "graphics/display.h"
#include "graphics/sprite.h"

namespace {
constexpr int firstGlyph = 32;
constexpr int lastGlyph = 126;
constexpr int glyphHeight = 17;
constexpr int smallDigitWidth = 10;
constexpr int largeDigitWidth = 15;
constexpr char cursorChar = '_';
constexpr int8_t longestName = 9;

// Digits side by side in the strip, centred on centreX. A minus sign takes
// its place in the centring but has no picture in the strip.
void drawNumber(Sprite* strip, int digitWidth, int centreX, int y, int value)
{
    if (!strip) {
        return;
    }
    char text[16];  // room for any int
    const int n = std::snprintf(text, sizeof text, "%i", value);
    int x = centreX - digitWidth * n / 2;
    for (int i = 0; i < n; ++i, x += digitWidth) {
        if (text[i] >= '0' && text[i] <= '9') {
            const int d = text[i] - '0';
            strip->drawTo(backBuffer, x, y, digitWidth * d, 0, digitWidth * d + digitWidth, strip->height);
        }
    }
}
}  // namespace

const int glyphWidths[95] = {
    6,  4,  5,  11, 10, 16, 12, 4,  7,  5,  7,  11, 3,  8,  3,  6,   // 32..47
    11, 9,  10, 9,  11, 10, 10, 10, 10, 11, 5,  4,  10, 10, 10, 10,  // 48..63
    17, 13, 12, 13, 13, 12, 11, 14, 14, 4,  9,  12, 10, 15, 13, 14,  // 64..79
    12, 14, 13, 11, 12, 13, 11, 17, 13, 11, 12, 4,  6,  4,  8,  11,  // 80..95
    4,  10, 10, 9,  10, 10, 5,  10, 10, 2,  6,  9,  4,  15, 10, 10,  // 96..111
    10, 10, 6,  8,  6,  9,  9,  13, 10, 8,  10, 6,  9,  7,  0,       // 112..126
};
int glyphOffsets[95];
char nameBuffer[11];
int8_t nameLength = 0;

void computeGlyphOffsets()
{
    int x = 0;
    for (int i = 0; i < 95; ++i) {
        glyphOffsets[i] = x;
        x += glyphWidths[i];
    }
}

void drawText(int x, int y, const char* text)
{
    if (!fontSprite || !text) {
        return;
    }
    int advance = 0;
    for (const char* p = text; *p; ++p) {
        const int code = static_cast<unsigned char>(*p);
        // Names come back from the save file, which may be damaged: a byte
        // without a glyph is skipped.
        if (code < firstGlyph || code > lastGlyph) {
            continue;
        }
        const int i = code - firstGlyph;
        fontSprite->drawTo(backBuffer, x + advance, y, glyphOffsets[i], 0, glyphOffsets[i] + glyphWidths[i],
                           glyphHeight);
        advance += glyphWidths[i];
    }
}

void drawSmallNumber(int centreX, int y, int value)
{
    drawNumber(smallDigitsSprite, smallDigitWidth, centreX, y, value);
}

void drawLargeNumber(int centreX, int y, int value)
{
    drawNumber(largeDigitsSprite, largeDigitWidth, centreX, y, value);
}

void resetName()
{
    nameLength = 0;
    std::memset(nameBuffer, 0, sizeof nameBuffer);
    nameBuffer[0] = cursorChar;
}

void appendNameChar(char c)
{
    if (nameLength >= longestName) {
        return;
    }
    nameBuffer[nameLength] = c;
    nameBuffer[nameLength + 1] = cursorChar;
    ++nameLength;
}

void removeNameChar()
{
    if (nameLength < 1) {
        return;
    }
    --nameLength;
    nameBuffer[nameLength] = cursorChar;
    nameBuffer[nameLength + 1] = 0;
}
