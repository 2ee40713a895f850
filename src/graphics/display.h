// The display: the back buffer, the colour-key conversion into the display's
// pixel format, presenting a frame, and the FPS readout.
#pragma once
#include <cstdint>

#include "graphics/sprite.h"
#include "platform/rect.h"

extern Sprite* backBuffer;

bool createDisplayDevice();
bool setUpDisplay(bool wantFullscreen);
void releaseDisplay();
void present();
void analysePixelFormat();
// Records the shifts and losses of the given channel masks.
void analyseMasks(uint32_t redMask, uint32_t greenMask, uint32_t blueMask);
uint32_t toDisplayColour(int red, int green, int blue);
void drawFpsReadout();
