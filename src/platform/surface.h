// Off-screen pictures in the display format (16-bit 5-6-5), the copies between
// them, uploading decoded artwork, and presenting the back buffer.
#pragma once
#include <cstdint>

#include "platform/rect.h"

struct PlatformSurface;

PlatformSurface* platformCreateSurface(int width, int height);
void platformFreeSurface(PlatformSurface* surface);

// Channel masks and bits per pixel of the display format.
void platformPixelFormat(uint32_t& redMask, uint32_t& greenMask, uint32_t& blueMask, int& bits);

// A keyed copy skips source pixels equal to the key (a display-format value).
void platformSetColourKey(PlatformSurface* surface, uint32_t key);

// Unscaled copy of src to (x, y) of dst. A rectangle that leaves its surface is
// rejected whole; an empty or inverted one draws nothing.
void platformCopy(PlatformSurface* dst, int x, int y, PlatformSurface* src, const Rect& srcRect, bool keyed);
// Nearest-neighbour scaled copy, with the same whole rejection.
void platformStretch(PlatformSurface* dst, const Rect& dstRect, PlatformSurface* src, const Rect& srcRect,
                     bool keyed);

// Fills a rectangle with one display-format colour; one that leaves the
// surface is rejected like a copy.
void platformFill(PlatformSurface* dst, const Rect& rect, uint32_t colour);

// Draws a device-independent bitmap (a BITMAPINFOHEADER with its colour table,
// and the pixel rows) 1:1 at (0, 0): 1, 4, 8 bits with a palette, 16 bits
// 5-5-5, 24 bits BGR, 32 bits BGRx; bottom-up for a positive height, top-down
// for a negative one.
bool platformUploadDib(PlatformSurface* surface, const uint8_t* info, const uint8_t* bits);
// Draws width x height red, green, blue triples, top row first and rows
// unpadded, 1:1 at (0, 0).
bool platformUploadRgb(PlatformSurface* surface, const uint8_t* pixels, int width, int height);

// Small text for diagnostics drawn into a surface (a device context stand-in).
void platformDrawDebugText(PlatformSurface* surface, int x, int y, const char* text);

// Shows the surface (640x480) in the window.
bool platformPresent(PlatformSurface* backBuffer);

// Writes a 24-bit BMP of the surface.
bool platformSaveBmp(PlatformSurface* surface, const char* path);
