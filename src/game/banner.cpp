// The swinging phase banners (level complete, no moves, time up, game over)
// and what happens when each has swung out.
#include <cmath>

#include "audio/music.h"
#include "base/layout.h"
#include "game/board.h"
#include "game/game_screen.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "graphics/display.h"
#include "screens/high_scores.h"
#include "shell/shell.h"

namespace {
void bannerEnded(int phase, float dt)
{
    bannerClock = -200;
    bannerY = 0;
    if (phase == 2) {
        level += 1;
    }
    if (phase == 2 || phase == 4) {
        // A fresh board: level complete, or a timed board without moves (which
        // keeps its bar).
        if (gameMode == 0) {
            bar = 0;
        } else if (phase == 2) {
            bar = 30;
        }
        selectState = selectNone;
        startFlyOut();
        levelDoneFrames = 0;
        gamePhase = 1;
    } else if (phase == 0 || phase == 3) {
        nameEntryActive = 1;
        updateHud(dt);
        noFlyers = 1;
        noGameInProgress = 1;
        shownTable = pieceKindCount;
        placeScore(gameMode != 0 ? 1 : 0);
        gamePhase = 1;
        transitionRequest = 1;
        currentScreen = screenHighScores;
        playTrack(0);
    }
}
}  // namespace

void updateBanner(int phase, float dt)
{
    if (phase == 1) {
        return;
    }
    clearHighlights();
    if (phase == 2) {
        bar = fullBar;  // the bar stays full while the level banner shows
    }
    bannerClock += 360 * dt;
    const float t = bannerClock;
    if (t <= 150) {
        bannerY = t;
    } else if (t < 800) {
        // Drops in, then swings around y 140 and settles.
        bannerY = 140 - t * std::sin(t * 0.022222223f) * std::exp(t * -0.006666667f);
    } else {
        bannerY -= 600 * dt;
    }
    if (bannerSprite && phase >= 0 && phase < layout::bannerCount) {
        bannerSprite->drawClippedTo(backBuffer, layout::bannerX, int(bannerY), layout::bannerFrame(phase));
    }
    if (bannerClock >= 1000) {
        bannerEnded(phase, dt);
    }
}
