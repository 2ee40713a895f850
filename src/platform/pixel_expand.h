// The game's 16-bit 5-6-5 picture made into the 32-bit pixels a window shows,
// scaled on the way, and the test for which part of it changed since the last
// frame shown. Plain memory only, so every step can be checked without a display.
#pragma once
#include <cstdint>

#include "platform/picture_fit.h"

// A part of the picture: left and top inclusive, right and bottom exclusive.
struct PixelSpan {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// One 5-6-5 pixel as 0x00RRGGBB, each channel v * 255 / its largest value,
// rounded down: the same colours the replay's screenshots hold.
uint32_t expandPixel(uint16_t pixel);

// The part of `now` that differs from `before` (both 640x480 with the given
// pitch in bytes); false when nothing changed. `before` is then brought up to
// date, so the next call compares against this frame.
bool takeChange(const uint16_t* now, int nowPitch, uint16_t* before, PixelSpan& change);

// Writes the span of the picture at `scale` times its size (1 or more);
// `out` points where the span's top-left pixel goes.
void expandSharp(const uint16_t* picture, int picturePitch, uint32_t* out, int outPitch, int scale,
                 const PixelSpan& span);

// Smooth (bilinear) scaling of a 640x480 picture already expanded to 32 bits
// into the fit's area: only the output pixels that the span can reach are
// written. `out` points at the fit's top-left corner. Returns the output
// rectangle written, relative to that corner.
PixelSpan expandSmooth(const uint32_t* expanded, uint32_t* out, int outPitch, const PictureFit& fit,
                       const PixelSpan& span);
