// The game's shared look: palette, caption buttons, panel highlights, check boxes,
// slider knob, arrows, level plaque, signs, ribbons, sparkles and other pieces that
// appear on several pictures.
// Every overlay is drawn by the same function as the picture underneath it, so the two
// line up pixel for pixel.
#pragma once

#include <string>

#include "canvas.h"
#include "layout.h"

namespace theme {
const Colour walnut = hex(0x3B2314);
const Colour ink = hex(0x4A2A16);
const Colour cream = hex(0xFFF4DC);
const Colour paper = hex(0xFBEBC9);
const Colour paperDark = hex(0xEED7AA);
const Colour honey = hex(0xC98C4A);
const Colour gold = hex(0xFFC94A);
const Colour tomato = hex(0xD9412B);
}  // namespace theme

enum class Look { unlit, lit, greyed };

// The big menu captions (179x52): a rounded button with the caption on it.
void menuCaption(cairo_t* cr, const layout::Rect& r, const std::string& text, Look look);

// Captions on the parchment panels: the unlit text sits on the paper; the lit version is
// a golden capsule with the same text at the same place.
void panelCaption(cairo_t* cr, const layout::Rect& r, const std::string& text, Look look, double size = 15);

// A raised button on a panel (Back, Help, Start, OK): same face lit and unlit, only the
// colours change.
void panelButton(cairo_t* cr, const layout::Rect& r, const std::string& text, Look look, double size = 17);

// A recessed check box whose mark (the check-mark sprite) is drawn at markAt.
void checkBox(cairo_t* cr, layout::Point markAt);
// The check mark itself, drawn into a 19x25 box whose top-left is the origin.
void checkMark(cairo_t* cr);

// The slider knob (28x21) with its top-left at the origin, and the groove under it.
void sliderKnob(cairo_t* cr);
void sliderTrack(cairo_t* cr, int y, const std::string& label);

// The round "Menu" button of the game screen (85x79) with its top-left at (x, y).
void gameMenuButton(cairo_t* cr, double x, double y, Look look);

// The level plaque (97x31) with its top-left at the origin; its face is a vertical
// gradient, and levelPlaqueFace gives its colour at a row so the level digits can match.
void levelPlaque(cairo_t* cr);
Colour levelPlaqueFace(double row);

// The level bar tube (20x73) at the origin, full of soup or empty.
void barTube(cairo_t* cr, bool full);

// High-score arrows (107x53 cells) with their top-left at the origin; frame 0 is at rest.
void scoreArrow(cairo_t* cr, bool left, int frame, Look look);

// The end-of-game button (287x63) with its top-left at the origin.
void endButton(cairo_t* cr, Look look);

// The title screen's start button (320x65); frames 0 and 1 alternate, lit on hover.
void titleButton(cairo_t* cr, int frame, Look look);

// A table label ("6 kinds" ...) for the high-score tables (84x34).
void tableLabel(cairo_t* cr, int kinds, bool timed);

// A small dark plaque with a title, its top at y 2, centred on cx.
void titlePlaque(cairo_t* cr, double cx, const std::string& title);

// The parchment panel used by options, game set-up and name entry: a wooden frame round
// a sheet of paper, with a title plaque on its top edge.
void parchmentPanel(cairo_t* cr, double w, double h, const std::string& title);

// The dark walnut sign of the title picture, the menu and the panel titles.
PanelStyle signStyle(double radius, double outlineWidth, double gloss);

// A panel standing out from the wall on a soft shadow (offset dx, dy; strength alpha).
void raisedPanel(cairo_t* cr, double x, double y, double w, double h, const PanelStyle& ps, double dx,
                 double dy, double alpha);

// A tomato-red ribbon with a caption centred on it.
void ribbon(cairo_t* cr, double x, double y, double w, double h, double radius, double outlineWidth,
            const std::string& text, double size);

// The screen-sized wall of upright planks behind the menu and the high scores, under a
// warm glow round (320, glowY) that darkens towards the edges; glow and dusk are how
// strong its middle and its edge are.
void woodenWall(const Canvas& c, uint32_t seed, double glowY, double glowRadius, double glow, double dusk);

// A four-point star, filled and outlined: twinkles on lit buttons, studs on the selection
// frame, the flash over a hopping piece.
void sparkle(cairo_t* cr, double x, double y, double r, double inner, double turn, Colour fill, Colour edge,
             double edgeWidth);

// A painted title word with a thick outline and a glossy gradient.
TextStyle titleStyle(double size);
TextStyle captionStyle(double size, Look look);
