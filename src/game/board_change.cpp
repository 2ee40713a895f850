// Between boards: the old pieces fall out row by row, a new board is dealt and
// its pieces drop in from above; and the start of a new game.
#include "game/board_change.h"

#include <cstdlib>

#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/game_screen.h"
#include "game/game_state.h"
#include "game/hud.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "platform/clock.h"

uint8_t dropIn = 0;
uint8_t flyOutRunning = 0;

namespace {
struct FlyOutPiece {
    float x;
    float y;
    float offset;
    int kind;
    int threshold;
};

float dropY[64];
FlyOutPiece flyOutPieces[64];
float flyOutClock = 0;
uint8_t flyOutCount = 0;
}  // namespace

void startDropIn()
{
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            dropY[c * 8 + r] = float(std::rand() % 70 + 120 * r - 996);
        }
    }
    dropIn = 1;
}

bool updateDropIn(float dt)
{
    // The drop-in waits for the screen transition to finish.
    if (!dropIn || transitionActive) {
        return true;
    }
    bool arrived = true;
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            float& y = dropY[c * 8 + r];
            y += 650 * dt;
            const float rest = float(boardTop + cellSize * r);
            if (y >= rest) {
                y = rest;
                playSound(soundDropIn);
            } else {
                arrived = false;
            }
            drawPiece(boardLeft + cellSize * c, int(y), cellAt(c, r).kind, 0);
        }
    }
    if (arrived) {
        selectState = selectNone;
        dropIn = 0;
    }
    return arrived;
}

void startFlyOut()
{
    flyOutRunning = 1;
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            FlyOutPiece& p = flyOutPieces[c * 8 + r];
            p.x = float(boardLeft + cellSize * c);
            p.y = float(boardTop + cellSize * r);
            p.offset = 0;
            p.kind = cellAt(c, r).kind;
            p.threshold = 270 - 30 * r + std::rand() % 25;
        }
    }
}

bool updateFlyOut(float dt)
{
    if (!flyOutRunning) {
        return true;
    }
    flyOutClock += 500 * dt;
    for (int i = 0; i < 64; ++i) {
        FlyOutPiece& p = flyOutPieces[i];
        if (float(p.threshold) <= flyOutClock) {
            p.offset += 550 * dt;
        }
        drawPiece(int(p.x), int(p.y) + int(p.offset), p.kind, 0);
        // The new board comes as soon as the top-left piece has fallen away.
        if (flyOutPieces[0].offset >= 500) {
            flyOutCount += 1;
            flyOutRunning = 0;
            flyOutClock = 0;
            dealBoard(pieceKindCount);
            startDropIn();
            if (flyOutCount > 3) {
                std::srand(platformTicks());
                flyOutCount = 0;
            }
            return true;
        }
    }
    return false;
}

void startNewGame()
{
    resetScoreAndLevel(gameMode == modeUntimed ? 0.0f : 30.0f);
    dealBoard(pieceKindCount);
    startDropIn();
    noGameInProgress = 0;
    paused = 0;
    std::srand(platformTicks());
}
