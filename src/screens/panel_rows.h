// Rows of choices on the set-up and options panels: each lights up with its
// highlight from the shared sheet, and the highlight's size is its hit area.
#pragma once
#include "base/layout.h"

// What panelRowAt finds when the point is on no row.
constexpr int noPanelRow = -1;

// Where the row's highlight lies on screen.
constexpr layout::Rect panelRowRect(const layout::Highlight& row)
{
    return row.source.at(row.at.x, row.at.y);
}

// The first row holding the point, or noPanelRow.
template <int count> int panelRowAt(const layout::Highlight (&rows)[count], int x, int y)
{
    for (int i = 0; i < count; ++i) {
        if (panelRowRect(rows[i]).contains(x, y)) {
            return i;
        }
    }
    return noPanelRow;
}
