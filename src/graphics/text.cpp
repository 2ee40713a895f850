// The 17-pixel bitmap font from "Font.bmp", the digit strips of "Number.jpg"
// and "level.jpg", and the name-entry buffer.
#include "graphics/text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "graphics/artwork.h"
#include "graphics/display.h"
#include "graphics/sprite.h"

namespace {
constexpr char cursorChar = '_';

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
                           layout::glyphRows);
        advance += glyphWidths[i];
    }
}

void drawSmallNumber(int centreX, int y, int value)
{
    drawNumber(smallDigitsSprite, layout::smallDigitW, centreX, y, value);
}

void drawLargeNumber(int centreX, int y, int value)
{
    drawNumber(largeDigitsSprite, layout::largeDigitW, centreX, y, value);
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

void stepLastNameChar(int step)
{
    if (nameLength < 1) {
        appendNameChar('A');
        return;
    }
    const int count = lastGlyph - firstGlyph + 1;
    const int code = static_cast<unsigned char>(nameBuffer[nameLength - 1]);
    const int index = std::clamp(code, firstGlyph, lastGlyph) - firstGlyph;
    nameBuffer[nameLength - 1] = char(firstGlyph + ((index + step) % count + count) % count);
}
