// The board by keys or controller. The cursor only ever names a cell; picking
// and swapping go through the same steps as the clicks, so their sounds,
// timing and scoring are the mouse's.
#include "game/board_cursor.h"

#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/focus.h"
#include "game/game_screen.h"
#include "game/hints.h"
#include "game/moves.h"

namespace {
// The cursor starts near the middle of the board.
int cursorColumn = 3;
int cursorRow = 3;

bool boardShown()
{
    return currentScreen == screenGame && !paused && gamePhase == phasePlay && !endOfGameFlag && !dropIn &&
           !flyOutRunning;
}

// When the board takes a pick or a swap: as for a click, and never while a
// swap runs, whose pieces a new pick would take over.
bool boardTakesMoves()
{
    return boardShown() && boardFull() && !hintActive && !targetSwapping() && selectState != selectSwapping;
}

bool pressAt(const layout::Rect& r)
{
    int x = 0;
    int y = 0;
    centreOf(r, x, y);
    return gameClick(x, y);
}

bool move(int dx, int dy)
{
    int column = 0;
    int row = 0;
    if (piecePicked(column, row)) {
        // The picked piece goes toward the neighbour; one beyond the edge does nothing.
        cursorColumn = column;
        cursorRow = row;
        return boardTakesMoves() && swapPickedWith(column + dx, row + dy);
    }
    if (!onBoard(cursorColumn + dx, cursorRow + dy)) {
        return false;
    }
    cursorColumn += dx;
    cursorRow += dy;
    return true;
}

bool press()
{
    if (!boardTakesMoves()) {
        return false;
    }
    int column = 0;
    int row = 0;
    if (piecePicked(column, row) && column == cursorColumn && row == cursorRow) {
        putPieceDown();
    } else {
        pickPiece(cursorColumn, cursorRow);
    }
    return true;
}
}  // namespace

bool gameAction(Action action)
{
    if (currentScreen != screenGame || endOfGameFlag) {
        return false;
    }
    switch (action) {
    case Action::back:
        return pressAt(layout::menuButtonHit);
    case Action::hint:
        return pressAt(layout::panHit);
    case Action::press:
        return press();
    case Action::pause:
        return false;
    default:
        return move(horizontalStep(action), verticalStep(action));
    }
}

void drawBoardCursor()
{
    if (boardShown()) {
        const int x = boardLeft + cellSize * cursorColumn;
        const int y = boardTop + cellSize * cursorRow;
        drawFocusFrame({x, y, x + cellSize, y + cellSize});
    }
}

void boardCursor(int& column, int& row)
{
    column = cursorColumn;
    row = cursorRow;
}
