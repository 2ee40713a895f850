// Kitchen props: the frying pan (the hint button), the blender that swallows cleared
// pieces, the chef who blinks now and then, and the trophy cup of the high scores.
#pragma once

#include <cairo.h>

// The pan in its 95x155 box (origin at the box's top-left). Frame 0 is at rest; the pan
// animation uses frames 0..3, the last one equal to the rest frame.
void fryingPan(cairo_t* cr, int frame);

// The blender in its 109x109 box (origin at the box's top-left). Frame 0 is at rest and
// so is frame 11; rows 101..108 stay empty so the menu button below shows through.
void blender(cairo_t* cr, int frame);

// The chef, in screen coordinates, eyes open.
void chef(cairo_t* cr);
// The chef's closed eyelids, in screen coordinates; they cover the open eyes completely.
void chefEyelids(cairo_t* cr);

// How a trophy is drawn: the high-score menu picture shows it large with finer lines and
// its handles in front; the end-of-game picture keeps the defaults.
struct TrophyStyle {
    double outline = 2.2;      // round the cup
    double trimOutline = 2;    // round the rim, the stem and the foot
    double handleRadius = 12;  // the handles are half rings at x = -30 and 30
    double handleY = 22;
    double handleEdge = 8, handleCore = 4.5;  // stroke widths of the dark edge and the gold
    bool handlesInFront = false;
    double footHeight = 12;
    bool footBand = true;  // a gold band across the foot
    double star = 11, starInner = 4.6, starOutline = 1.3;
};

// The gold trophy cup with the middle of its brim at the origin; the foot ends at about
// y 75.
void trophy(cairo_t* cr, const TrophyStyle& s);
