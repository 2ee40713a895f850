// Scoring: points and bar for every clear pass, and the no-move test that ends
// or replaces a board without moves.
#include "game/scoring.h"

#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/hints.h"

int score = 0;
float shownScore = 0;
int multiplier = 0;
float bar = 0;
float shownBar = 0;
int level = 1;
uint8_t gameMode = modeUntimed;

void scorePass(int cleared)
{
    // A pass with fewer than three marks keeps the multiplier of the clear before.
    if (cleared >= 7) {
        multiplier = 5;
    } else if (cleared >= 3) {
        multiplier = cleared - 2;
    }
    score += 5 * multiplier;
    // More kinds make lines rarer, so each pass fills more of the bar.
    bar += (pieceKindCount - 3) * multiplier * 0.2f;
}

void noMoveTest()
{
    if (!boardFull() || hasMove() || hintActive) {
        return;
    }
    playSound(soundNoMoves);
    // A full bar still completes the level instead.
    if (bar < fullBar) {
        gamePhase = gameMode == modeUntimed ? phaseUntimedOver : phaseTimedNoMove;
    }
}
