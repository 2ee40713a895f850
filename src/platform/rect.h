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

// A rectangle of the same size as like, with its top-left corner at (left, top).
inline Rect rectAt(int left, int top, const Rect& like)
{
    return Rect{left, top, left + like.right - like.left, top + like.bottom - like.top};
}
