// Putting the game's state back to its start values.
#include "game/game_state.h"

#include <cstring>

#include "base/screen_state.h"
#include "game/banner.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "game/hints.h"
#include "game/hover.h"
#include "game/hud.h"
#include "game/moves.h"
#include "game/score_tables.h"
#include "game/scoring.h"

namespace {
void resetBoardAndMoves()
{
    for (Cell& cell : board) {
        cell = Cell{};
    }
    std::memset(clearMarks, 0, sizeof clearMarks);
    std::memset(columnGap, 0, sizeof columnGap);
    for (int c = 0; c < boardColumns; ++c) {
        resetSpawnCell(c);
    }
    pieceKindCount = 6;
    selectState = selectNone;
    firstColumn = firstRow = targetColumn = targetRow = 0;
    pressX = pressY = 0;
    swapTravel = fallTravel = 0;
    swapLegs = falling = 0;
    fallSpeed = 3;
    clearedCount = 0;
    hintFirstColumn = hintFirstRow = hintSecondColumn = hintSecondRow = 0;
    hintActive = 0;
    hintLegs = 0;
    hintTravel = 0;
}
}  // namespace

void resetScoreAndLevel(float startBar)
{
    bar = shownBar = startBar;
    level = 1;
    score = 0;
    shownScore = 0;
    // Every game can finish the last level, not only the first of a run.
    lastLevelFrames = 0;
    levelDoneFrames = 0;
}

void resetGameState()
{
    resetScreenFlags();
    resetBoardAndMoves();
    resetScoreAndLevel(0);
    multiplier = 0;
    gameMode = modeUntimed;
    barRising = 0;
    barHoldTime = 0;
    tickTime = 0;
    bannerClock = -200;
    bannerY = 0;
    dropIn = flyOutRunning = 0;
    flyers.clear();
    flyersLaunched = 0;
    noFlyers = 1;
    mixerRequest = 0;
    menuHover = panHover = 0;
    mixerClock = 0;
    hoverLatch = 0;
    shownTable = 0;
    placedRank = 0;
    namePending = 0;
}
