// Bitmap font and name buffer (placeholder until they land).
#include "graphics/text.h"

const int glyphWidths[95] = {};
int glyphOffsets[95];
char nameBuffer[11];
int8_t nameLength = 0;

void computeGlyphOffsets() {}
void drawText(int, int, const char*) {}
void drawSmallNumber(int, int, int) {}
void drawLargeNumber(int, int, int) {}
void resetName() {}
void appendNameChar(char) {}
void removeNameChar() {}
