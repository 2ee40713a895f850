// Rows of choices on the set-up and options panels: each lights up with its
// highlight from the shared sheet, and the highlight's size is its hit area.
#pragma once
#include "base/layout.h"

// What panelRowAt finds when the point is on no row.
constexpr int noPanelRow = -1;

// Lights the row or button: its highlight from the shared sheet, drawn into
// the back buffer.
void drawHighlight(const layout::Highlight& highlight);

// The first row holding the point, or noPanelRow.
template <int count> int panelRowAt(const layout::Highlight (&rows)[count], int x, int y)
{
    for (int i = 0; i < count; ++i) {
        if (rows[i].rect().contains(x, y)) {
            return i;
        }
    }
    return noPanelRow;
}
