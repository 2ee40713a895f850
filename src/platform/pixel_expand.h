// The game's 16-bit 5-6-5 picture made into the 32-bit pixels a window shows,
// scaled on the way, and the test for which part of it changed since the last
// frame shown. Plain memory only, so every step can be checked without a display.
#pragma once
#include <cstdint>

#include "platform/picture_fit.h"
#include "platform/rect.h"

// One 5-6-5 pixel as 0x00RRGGBB, each channel v * 255 / its largest value,
// rounded down: the same colours the replay's screenshots hold.
uint32_t expandPixel(uint16_t pixel);

// The part of `now` that differs from `before` (both 640x480 with the given
// pitch in bytes); false when nothing changed. `before` is then brought up to
// date, so the next call compares against this frame.
bool takeChange(const uint16_t* now, int nowPitch, uint16_t* before, Rect& change);

// Writes the span of the picture at `scale` times its size (1 or more);
// `out` points where the span's top-left pixel goes.
void expandSharp(const uint16_t* picture, int picturePitch, uint32_t* out, int outPitch, int scale,
                 const Rect& span);

// Smooth (bilinear) scaling of a 640x480 picture already expanded to 32 bits
// into the fit's area: only the output pixels that the span can reach are
// written. `out` points at the fit's top-left corner. Returns the output
// rectangle written, relative to that corner.
Rect expandSmooth(const uint32_t* expanded, uint32_t* out, int outPitch, const PictureFit& fit,
                  const Rect& span);
