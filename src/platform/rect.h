// A screen rectangle: left and top inclusive, right and bottom exclusive.
#pragma once

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

inline bool pointInRect(const Rect& r, int x, int y)
{
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}
