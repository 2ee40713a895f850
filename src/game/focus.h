// Play by keys or controller: whether the player's focus is shown, the frame
// that marks it where the mouse has no highlight, and moving it along a row.
#pragma once

#include "base/actions.h"
#include "base/layout.h"

// Where the focus stands when a screen has nothing lit: no button holds it.
constexpr int focusNowhere = -1;

// From the first arrow or press until the mouse moves again, the screens light
// the item that has the focus instead of the one under the pointer.
bool focusShown();
void showFocus(bool shown);

// A frame round a rectangle, for the board's cursor and a slider's knob.
void drawFocusFrame(const layout::Rect& around);

// -1, 0 or 1 along one axis for a direction; 0 for anything else.
int verticalStep(Action action);
int horizontalStep(Action action);

// The index after a step of -1 or +1 among count items in a ring. A new item
// plays the hover sound as the pointer entering it does.
int stepFocus(int index, int step, int count);

// A panel's column of rows above a pair of buttons side by side (Back and
// Start, Back and Help): up and down go through the rows and the pair as one
// more row, which they enter on landing; left and right go between the pair.
// False when the action moves nothing from where the focus stands.
bool stepPanelFocus(int& focused, Action action, int pairFirst, int landing);

// The point the pointer would stand on to light or press the rectangle.
void centreOf(const layout::Rect& r, int& x, int& y);
