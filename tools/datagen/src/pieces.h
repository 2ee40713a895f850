// The eight food pieces: glossy, shaded and outlined, each with its own silhouette and
// colour, and the 14-frame idle hop that starts and ends at rest.
#pragma once

#include <cairo.h>

#include "canvas.h"

enum Kind { kindTomato, kindCheese, kindEgg, kindCarrot, kindGrapes, kindBroccoli, kindMushroom, kindFish };

// The main colour of a kind (for underlays, sparkles and menu art).
Colour kindColour(int kind);

// Draws a piece centred on (cx, cy) at rest, about 38 px tall when scale is 1.
void drawPiece(cairo_t* cr, int kind, double cx, double cy, double scale);

// Draws frame f (0..13) of a piece's idle animation inside a 50x50 cell whose top-left
// corner is the current origin. Frame 0 is the piece at rest.
void drawPieceFrame(cairo_t* cr, int kind, int frame);
