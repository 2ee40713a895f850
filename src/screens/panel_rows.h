// Rows of choices on the set-up and options panels: each lights up with a
// highlight from the shared sheet, and the highlight's size is its hit area.
#pragma once
#include "platform/rect.h"

struct PanelRow {
    int x;  // relative to the panel's corner
    int y;
    Rect source;  // the highlight in "ActiveOption.bmp"
};

// Where the row lies on screen with the panel's corner at (panelX, panelY).
inline Rect panelRowRect(const PanelRow& row, int panelX, int panelY)
{
    return rectAt(row.x + panelX, row.y + panelY, row.source);
}

// The first row holding the point, or -1.
template <int count> int panelRowAt(const PanelRow (&rows)[count], int panelX, int panelY, int x, int y)
{
    for (int i = 0; i < count; ++i) {
        if (pointInRect(panelRowRect(rows[i], panelX, panelY), x, y)) {
            return i;
        }
    }
    return -1;
}
