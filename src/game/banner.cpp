// The swinging phase banners (level complete, no moves, time up, game over)
// and what happens when each has swung out.
#include "game/banner.h"

#include <cmath>

#include "audio/music.h"
#include "game/board.h"
#include "game/game_screen.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "graphics/display.h"
#include "game/score_tables.h"
#include "game/screen_switch.h"
#include "base/screen_state.h"
#include "game/board_change.h"
#include "game/hud.h"
#include "game/flyers.h"

float bannerClock = -200;
float bannerY = 0;

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
        selectState = 0;
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
        switchScreen(screenHighScores, withTransition);
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
        bar = 73;  // the bar stays full while the level banner shows
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
    if (bannerSprite && phase >= 0 && phase <= 4) {
        bannerSprite->drawClippedTo(backBuffer, 286, int(bannerY), 0, 61 * phase, 300, 61 * phase + 61);
    }
    if (bannerClock >= 1000) {
        bannerEnded(phase, dt);
    }
}
