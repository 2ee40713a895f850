// The desktop icon: a sunny kitchen tile with three of the game's own pieces, written as
// PNGs at the theme's fixed sizes and as one scalable SVG.
#pragma once

#include <ostream>
#include <string>

#include <cairo.h>

// The icon is designed in a square of this many units; every size scales from it.
constexpr double iconDesignSize = 256;
// The fixed sizes a desktop asks the hicolor theme for.
constexpr int iconSizes[] = {48, 64, 128, 256};

// Draws the icon into the square (0, 0)-(iconDesignSize, iconDesignSize) of cr.
void drawIcon(cairo_t* cr);

// Writes THEMEDIR/<N>x<N>/apps/NAME.png for every fixed size and
// THEMEDIR/scalable/apps/NAME.svg. Returns false (after saying why on `log`) on any failure.
bool writeIcons(const std::string& themeDir, const std::string& name, std::ostream& log);
