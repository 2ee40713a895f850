// The 17-pixel bitmap font, the two centred digit strips, and the name-entry
// buffer that the keyboard fills.
#pragma once
#include <cstdint>

#include "base/layout.h"

using layout::glyphWidths;
// The font draws the printable characters from firstGlyph to lastGlyph.
constexpr int firstGlyph = 32;
constexpr int lastGlyph = 126;
// The most characters a name in the table may have.
constexpr int8_t longestName = 9;
extern int glyphOffsets[95];
extern char nameBuffer[11];  // typed text, "_" as the cursor, then zero
extern int8_t nameLength;

void computeGlyphOffsets();
void drawText(int x, int y, const char* text);
void drawSmallNumber(int centreX, int y, int value);
void drawLargeNumber(int centreX, int y, int value);
void resetName();
void appendNameChar(char c);
void removeNameChar();
// The last character of the name steps through the font's characters, round
// from the last to the first; an empty name gets its first letter.
void stepLastNameChar(int step);
