// The swinging phase banners (level complete, no moves, time up, game over)
// and what happens when each has swung out.
#include "game/banner.h"

#include <cmath>

#include "audio/music.h"
#include "base/layout.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/hud.h"
#include "game/moves.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "game/screen_switch.h"
#include "graphics/artwork.h"
#include "graphics/display.h"

float bannerClock = -200;
float bannerY = 0;

namespace {
void bannerEnded(int phase, float dt)
{
    bannerClock = -200;
    bannerY = 0;
    if (phase == phaseLevelDone) {
        level += 1;
    }
    if (phase == phaseLevelDone || phase == phaseTimedNoMove) {
        // A fresh board: level complete, or a timed board without moves (which
        // keeps its bar).
        if (gameMode == modeUntimed) {
            bar = 0;
        } else if (phase == phaseLevelDone) {
            bar = 30;
        }
        selectState = selectNone;
        startFlyOut();
        levelDoneFrames = 0;
        gamePhase = phasePlay;
    } else if (phase == phaseUntimedOver || phase == phaseTimeUp) {
        updateHud(dt);
        noFlyers = 1;
        gamePhase = phasePlay;
        enterFinishedGame(withTransition);
        playTrack(0);
    }
}
}  // namespace

void updateBanner(int phase, float dt)
{
    if (phase == phasePlay) {
        return;
    }
    clearHighlights();
    if (phase == phaseLevelDone) {
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
    if (bannerSprite && phase >= phaseUntimedOver && phase <= phaseTimedNoMove) {
        bannerSprite->drawClippedTo(backBuffer, layout::bannerX, int(bannerY), layout::bannerFrame(phase));
    }
    if (bannerClock >= 1000) {
        bannerEnded(phase, dt);
    }
}
