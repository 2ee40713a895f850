// The 17-pixel bitmap font, the two centred digit strips, and the name-entry
// buffer that the keyboard fills.
#pragma once
#include <cstdint>

#include "base/layout.h"

using layout::glyphWidths;
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
