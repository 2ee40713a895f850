// Kitchen props of the game screen: the frying pan (the hint button), the blender that
// swallows cleared pieces, and the chef who blinks now and then.
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
