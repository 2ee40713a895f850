// The layout table: the game's own (every rectangle it copies out of a picture and every
// place on screen where it draws one), and what only the generator needs on top of it:
// the sizes of the picture files and the pixels that two pictures must leave free.
#pragma once

#include "base/layout.h"

namespace layout {

constexpr Rect mixerMustBeClear{36, 379, 98, 387};  // screen area shared with the menu button

// ---------------------------------------------------------------- Font.bmp
constexpr int glyphStripW = 891;
constexpr int fontW = 960, fontH = 168;

constexpr int glyphOffset(int code)
{
    int x = 0;
    for (int c = 32; c < code; ++c)
        x += glyphWidths[c - 32];
    return x;
}

// ---------------------------------------------------------------- digit strips
constexpr int smallDigitsH = 23;  // Number.jpg, at most 43 rows
constexpr int largeDigitsH = 27;  // level.jpg, at most 27 rows

// ---------------------------------------------------------------- "game over.jpg"
constexpr int bannerSheetW = 731, bannerSheetH = 305;

// ---------------------------------------------------------------- main menu
constexpr int menuPictureWindowH = 262;  // the tallest picture
constexpr int menuImageW = 735, menuImageH = 518;
constexpr int menuTxtW = 393, menuTxtH = 894;

// ---------------------------------------------------------------- ActiveOption.bmp
// Pairs of highlights that share pixels: those pixels stay transparent.
constexpr Rect activeOptionShared[2] = {{112, 26, 156, 27}, {112, 118, 115, 125}};
constexpr int activeOptionW = 235, activeOptionH = 361;

}  // namespace layout
