// Test access to surface pixels behind the platform layer's back: reading one
// pixel and filling a rectangle, both in the display format.
#pragma once
#include <cstdint>

#include "platform/rect.h"

struct PlatformSurface;

// 0 outside the surface.
uint32_t probePixel(const PlatformSurface* surface, int x, int y);
// Clipped to the surface.
void probeFill(PlatformSurface* surface, const Rect& rect, uint32_t colour);
