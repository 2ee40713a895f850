// A tiny 3x5 pixel font for the frames-per-second readout, standing in for a
// device context that can draw text into a surface.
#include "platform/internal.h"
#include "platform/surface.h"

namespace {
// Rows of three bits, top row first.
struct Glyph {
    char c;
    unsigned char rows[5];
};
constexpr Glyph glyphs[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 7, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 1, 1}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'.', {0, 0, 0, 0, 2}}, {'=', {0, 7, 0, 7, 0}},
    {'F', {7, 4, 6, 4, 4}}, {'P', {7, 5, 7, 4, 4}}, {'S', {7, 4, 7, 1, 7}},
};
}  // namespace

void platformDrawDebugText(PlatformSurface* surface, int x, int y, const char* text)
{
    if (!surface || !text) {
        return;
    }
    SDL_Surface* s = surface->pixels;
    const Uint32 white = SDL_MapRGB(s->format, 255, 255, 255);
    for (; *text; ++text, x += 4) {
        for (const Glyph& g : glyphs) {
            if (g.c != *text) {
                continue;
            }
            for (int row = 0; row < 5; ++row) {
                for (int col = 0; col < 3; ++col) {
                    if (g.rows[row] >> (2 - col) & 1) {
                        SDL_Rect dot{x + col, y + row, 1, 1};
                        SDL_FillRect(s, &dot, white);  // clipped by SDL
                    }
                }
            }
        }
    }
}
