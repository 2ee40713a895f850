// The high-score tables and where a finished game's score goes.
#include "game/score_tables.h"

#include <cstring>

#include "base/screen_state.h"
#include "game/board.h"
#include "game/scoring.h"
#include "game/screen_switch.h"
#include "graphics/text.h"

HighScoreRow highScores[54];
int shownTable = 0;
int placedRank = 0;
uint8_t namePending = 0;

namespace {
// The table the last score went into: changing the mode or the kinds before
// the name is committed must not rename someone else's row.
int placedMode = 0;
int placedKinds = 6;
}  // namespace

bool validKinds(int kinds)
{
    return kinds >= 6 && kinds <= 8;
}

void resetHighScores()
{
    for (int r = 0; r < 9; ++r) {
        for (int i = 0; i < 6; ++i) {
            HighScoreRow& row = highScores[r * 6 + i];
            std::memset(row.name, 0, sizeof row.name);
            std::strcpy(row.name, "Empty ");
            row.score = 1000 - 100 * r;
        }
    }
}

void placeScore(int mode)
{
    placedMode = mode != 0 ? 1 : 0;
    placedKinds = shownTable;
    int rank = 0;
    while (validKinds(placedKinds) && rank < 9 && highScoreRow(rank, placedMode, placedKinds).score > score) {
        ++rank;
    }
    if (!validKinds(placedKinds) || rank == 9) {
        placedRank = 10;
        namePending = 0;
        return;
    }
    placedRank = rank;
    // Everyone below moves down one place; the last row drops out.
    for (int r = 7; r >= rank; --r) {
        highScoreRow(r + 1, placedMode, placedKinds) = highScoreRow(r, placedMode, placedKinds);
    }
    highScoreRow(rank, placedMode, placedKinds).score = score;
    namePending = 1;
}

void enterFinishedGame(unsigned switchWith)
{
    nameEntryActive = 1;
    noGameInProgress = 1;
    shownTable = pieceKindCount;
    placeScore(gameMode);
    switchScreen(screenHighScores, switchWith);
}

void commitName()
{
    if (placedRank >= 0 && placedRank <= 8 && validKinds(placedKinds)) {
        HighScoreRow& row = highScoreRow(placedRank, placedMode, placedKinds);
        // The buffer ends with the "_" cursor, which is not part of the name.
        size_t length = std::strlen(nameBuffer);
        length = length > 0 ? length - 1 : 0;
        std::memset(row.name, 0, sizeof row.name);
        std::memcpy(row.name, nameBuffer, length);
    }
    namePending = 0;
}
