// Shared set-up for the board tests.
#include "board_support.h"

#include <cstring>

#include "base/screen_state.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "game/game_state.h"
#include "game/hints.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "platform/clock.h"
#include "test_support.h"

namespace {
template <typename KindOf> void fillBoard(KindOf kindOf)
{
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            cellAt(c, r) = Cell{};
            cellAt(c, r).kind = uint8_t(kindOf(c, r));
            snapCell(c, r);
        }
    }
}
}  // namespace

void resetBoardState(uint32_t ticks)
{
    platformSimulateClock(ticks);
    resetGameState();
    mouseDown = 1;
    setFillerBoard();
    takeSounds();
}

void setFillerBoard()
{
    fillBoard([](int c, int r) { return 6 + (c / 2 + r / 2) % 2; });
}

void setStripeBoard()
{
    pieceKindCount = 5;
    fillBoard([](int c, int r) { return 5 + (c + r) % 3; });
}

void setKind(int column, int row, int kind)
{
    cellAt(column, row).kind = uint8_t(kind);
}

void boardFrame(float dt)
{
    platformAdvanceSimulatedClock(dt);
    swapStep(dt);
    fallStep(dt);
    hintStep(dt);
}

int settleBoard(int limit)
{
    for (int frames = 0; frames < limit; ++frames) {
        if (!falling && !targetSwapping() && !hintActive) {
            return frames;
        }
        boardFrame();
    }
    return -1;
}

bool hasRunOfThree()
{
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            const uint8_t k = cellAt(c, r).kind;
            if ((c < 6 && cellAt(c + 1, r).kind == k && cellAt(c + 2, r).kind == k) ||
                (r < 6 && cellAt(c, r + 1).kind == k && cellAt(c, r + 2).kind == k)) {
                return true;
            }
        }
    }
    return false;
}

std::vector<uint8_t> boardBytes()
{
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(board);
    return std::vector<uint8_t>(bytes, bytes + sizeof board);
}

bool clickCell(int column, int row)
{
    mouseDown = 1;
    const layout::Point p = layout::cellArea(column, row).middle();
    return boardClick(p.x, p.y);
}
