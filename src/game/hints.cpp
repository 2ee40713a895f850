// Every swap that completes a line, as sixteen patterns: the no-move test, the
// hint search with its fixed scan order, and the hint's there-and-back animation.
#include "game/hints.h"

#include "audio/sound_effects.h"
#include "game/board.h"
#include "game/moves.h"
#include "game/scoring.h"

int hintFirstColumn = 0;
int hintFirstRow = 0;
int hintSecondColumn = 0;
int hintSecondRow = 0;
uint8_t hintActive = 0;
int hintLegs = 0;
float hintTravel = 0;

namespace {
struct Offset {
    int dc;
    int dr;
};

// Three cells of one kind, relative to the scan position, that a single swap
// of the first and second cell lines up. Each pattern carries the range of
// scan positions that keeps all its cells on the board, so nothing else is read.
struct Pattern {
    int minColumn, maxColumn, minRow, maxRow;
    Offset cells[3];
    Offset first;   // right cell of a horizontal pair, lower cell of a vertical one
    Offset second;  // left or upper cell
};

// Their order decides which move the hint shows: horizontal lines first.
constexpr Pattern patterns[16] = {
    // A piece steps up or down into the end or the middle of a row of three.
    {0, 5, 0, 6, {{0, 0}, {1, 0}, {2, 1}}, {2, 1}, {2, 0}},
    {0, 5, 1, 7, {{0, 0}, {1, 0}, {2, -1}}, {2, 0}, {2, -1}},
    {0, 5, 0, 6, {{0, 0}, {1, 1}, {2, 0}}, {1, 1}, {1, 0}},
    {0, 5, 1, 7, {{0, 0}, {1, -1}, {2, 0}}, {1, 0}, {1, -1}},
    {0, 5, 1, 7, {{0, -1}, {1, 0}, {2, 0}}, {0, 0}, {0, -1}},
    {0, 5, 0, 6, {{0, 1}, {1, 0}, {2, 0}}, {0, 1}, {0, 0}},
    // A piece steps sideways onto the end of a row of three.
    {0, 4, 0, 7, {{0, 0}, {1, 0}, {3, 0}}, {3, 0}, {2, 0}},
    {0, 4, 0, 7, {{0, 0}, {2, 0}, {3, 0}}, {1, 0}, {0, 0}},
    // The same for columns.
    {0, 6, 0, 5, {{0, 0}, {0, 1}, {1, 2}}, {1, 2}, {0, 2}},
    {1, 7, 0, 5, {{0, 0}, {0, 1}, {-1, 2}}, {0, 2}, {-1, 2}},
    {0, 6, 0, 5, {{0, 0}, {1, 1}, {0, 2}}, {1, 1}, {0, 1}},
    {1, 7, 0, 5, {{0, 0}, {-1, 1}, {0, 2}}, {0, 1}, {-1, 1}},
    {1, 7, 0, 5, {{-1, 0}, {0, 1}, {0, 2}}, {0, 0}, {-1, 0}},
    {0, 6, 0, 5, {{1, 0}, {0, 1}, {0, 2}}, {1, 0}, {0, 0}},
    {0, 7, 0, 4, {{0, 0}, {0, 1}, {0, 3}}, {0, 3}, {0, 2}},
    {0, 7, 0, 4, {{0, 0}, {0, 2}, {0, 3}}, {0, 1}, {0, 0}},
};

constexpr bool offsetInside(const Pattern& p, Offset o)
{
    return p.minColumn + o.dc >= 0 && p.maxColumn + o.dc < boardColumns && p.minRow + o.dr >= 0 &&
           p.maxRow + o.dr < boardRows;
}

constexpr bool allPatternsInside()
{
    for (const Pattern& p : patterns) {
        for (const Offset& o : p.cells) {
            if (!offsetInside(p, o)) {
                return false;
            }
        }
        if (!offsetInside(p, p.first) || !offsetInside(p, p.second)) {
            return false;
        }
    }
    return true;
}
// Whatever the kinds, even damaged ones, a pattern reads and names only board cells.
static_assert(allPatternsInside(), "a pattern's range lets it reach beyond the board");

constexpr float hintSpeed = 160;

bool patternHolds(const Pattern& p, int c, int r)
{
    if (c < p.minColumn || c > p.maxColumn || r < p.minRow || r > p.maxRow) {
        return false;
    }
    const uint8_t k = cellAt(c + p.cells[0].dc, r + p.cells[0].dr).kind;
    return cellAt(c + p.cells[1].dc, r + p.cells[1].dr).kind == k &&
           cellAt(c + p.cells[2].dc, r + p.cells[2].dr).kind == k;
}

bool anyPatternAt(int c, int r)
{
    for (const Pattern& p : patterns) {
        if (patternHolds(p, c, r)) {
            return true;
        }
    }
    return false;
}

void snapHintCells()
{
    snapCell(hintFirstColumn, hintFirstRow);
    snapCell(hintSecondColumn, hintSecondRow);
}
}  // namespace

bool hasMove()
{
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            if (anyPatternAt(c, r)) {
                return true;
            }
        }
    }
    return false;
}

void findHint()
{
    // Rows outer, so the topmost move wins.
    for (int r = 0; r < boardRows; ++r) {
        for (int c = 0; c < boardColumns; ++c) {
            for (const Pattern& p : patterns) {
                if (patternHolds(p, c, r)) {
                    hintFirstColumn = c + p.first.dc;
                    hintFirstRow = r + p.first.dr;
                    hintSecondColumn = c + p.second.dc;
                    hintSecondRow = r + p.second.dr;
                    return;
                }
            }
        }
    }
}

void hintStep(float dt)
{
    if (!hintActive) {
        return;
    }
    const float step = hintSpeed * dt;
    hintTravel += step;
    if (hintTravel >= cellSize) {
        hintTravel = 0;
        hintLegs += 1;
        swapCells(cellAt(hintFirstColumn, hintFirstRow), cellAt(hintSecondColumn, hintSecondRow));
        snapHintCells();
    }
    Cell& first = cellAt(hintFirstColumn, hintFirstRow);
    Cell& second = cellAt(hintSecondColumn, hintSecondRow);
    first.highlighted = 1;
    second.highlighted = 1;
    // The first cell is the right or lower one, so the two slide toward each other.
    if (hintFirstRow == hintSecondRow) {
        first.x -= step;
        second.x += step;
    } else if (hintFirstColumn == hintSecondColumn) {
        first.y -= step;
        second.y += step;
    }
    // The second exchange has put both records home; nothing was tested or cleared.
    if (hintLegs > 1) {
        snapHintCells();
        hintLegs = 0;
        hintTravel = 0;
        selectState = selectNone;
        hintActive = 0;
        clearHighlights();
    }
}

void useHint()
{
    playSound(soundHint);
    clearHighlights();
    selectState = selectNone;
    // With no move on the board the pair of the last search is shown again.
    findHint();
    hintActive = 1;
    // A timed game low on time gets the hint free, so a hint never empties the bar.
    if (bar > 10 || gameMode == modeUntimed) {
        bar -= 4;
        score -= 10;
    }
}
