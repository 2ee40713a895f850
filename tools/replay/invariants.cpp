// What must hold after every frame of a run: a settled board is full, in
// place, without a run of three or a swap flag; the shown score lies between 0
// and the score; the shown bar lies within the bar's height; flying pieces
// reach the mixer; no frame is slow.
#include "invariants.h"

#include <time.h>

#include <algorithm>
#include <cstdio>

#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/hints.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "platform/clock.h"
#include "shell/shell.h"

namespace {
// Every flight lasts one second of board time; the margin covers the frame
// in which a flyer starts.
constexpr double longestFlight = 1.25;

double frameLimit = 0;
int lastScore = 0;
int scoreCeiling = 0;  // what the shown score may count down from after the score fell
size_t lastFlyerCount = 0;
double sinceLaunch = 0;  // board time since a piece last took off

// The move engine is idle and nobody is pressing: nothing may be under way.
bool settled(bool pressed)
{
    return currentScreen == screenGame && !dropIn && !flyOutRunning && !falling &&
           selectState != selectSwapping && !hintActive && !pressed && !mouseDown;
}

bool checkSettledBoard(std::string& why)
{
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            const Cell& piece = cellAt(c, r);
            if (piece.kind == emptyKind) {
                why = "the settled board has a hole at " + cellName(c, r);
                return false;
            }
            if (piece.x != float(boardLeft + cellSize * c) || piece.y != float(boardTop + cellSize * r)) {
                char where[64];
                std::snprintf(where, sizeof where, " lies at (%g, %g)", double(piece.x), double(piece.y));
                why = "the settled piece of " + cellName(c, r) + where;
                return false;
            }
            if (piece.swapping) {
                why = "the settled piece of " + cellName(c, r) + " is flagged for a swap";
                return false;
            }
        }
    }
    if (hasLine()) {
        why = "the settled board holds a run of three";
        return false;
    }
    return true;
}

bool checkCounters(std::string& why)
{
    const int shown = int(shownScore);
    if (shown <= score) {
        scoreCeiling = 0;
    }
    if (shown < 0 || shown > std::max(score, scoreCeiling)) {
        why = "the shown score " + std::to_string(shown) + " is not between 0 and the score " +
              std::to_string(score);
        return false;
    }
    if (shownBar < 0 || shownBar > fullBar) {
        char text[80];
        std::snprintf(text, sizeof text, "the shown bar %g is outside 0..%g", double(shownBar),
                      double(fullBar));
        why = text;
        return false;
    }
    return true;
}

bool checkFlyers(double dt, bool scored, std::string& why)
{
    // A clear always scores, so a new score or a longer list means a launch.
    if (flyers.size() > lastFlyerCount || scored) {
        sinceLaunch = 0;
    }
    lastFlyerCount = flyers.size();
    if (flyers.empty()) {
        sinceLaunch = 0;
        return true;
    }
    // Flying pieces move only while the board itself is drawn.
    if (currentScreen == screenGame && !paused && !dropIn && !flyOutRunning) {
        sinceLaunch += dt;
    }
    if (sinceLaunch > longestFlight && !mixerRequest) {
        why = std::to_string(flyers.size()) + " flying pieces are still in the air after the mixer settled";
        return false;
    }
    return true;
}
}  // namespace

void startInvariantChecks(double frameLimitSeconds)
{
    frameLimit = frameLimitSeconds;
    lastScore = score;
    scoreCeiling = 0;
    lastFlyerCount = flyers.size();
    sinceLaunch = 0;
}

bool checkInvariants(double dt, bool pressed, double cpuSeconds, std::string& message)
{
    if (cpuSeconds > frameLimit) {
        char text[96];
        std::snprintf(text, sizeof text, "the frame took %.0f ms, more than the limit of %.0f ms",
                      cpuSeconds * 1000, frameLimit * 1000);
        message = text;
        return false;
    }
    if (settled(pressed) && !checkSettledBoard(message)) {
        return false;
    }
    // A hint can take points away; the counter then runs down from above.
    if (score < lastScore) {
        scoreCeiling = std::max(scoreCeiling, lastScore);
    }
    const bool scored = score != lastScore;
    lastScore = score;
    if (!checkFlyers(dt, scored, message)) {
        return false;
    }
    return currentScreen != screenGame || checkCounters(message);
}

std::string cellName(int column, int row)
{
    return "(" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

FrameEnd checkedFrame(double dt, bool check, double& played, std::string& message)
{
    const double cpuStart = threadSeconds();
    if (!processEvents()) {
        return FrameEnd::gameEnded;
    }
    // A key's action, like a click, may flag a swap that starts next frame.
    const bool pressed = clickPending != 0 || actionWaiting();
    const bool ran = appActive && appReady;
    if (ran) {
        platformAdvanceSimulatedClock(dt);
        runFrame();
        played += dt;
    }
    if (windowDestroyed) {
        return FrameEnd::windowGone;
    }
    if (check && !checkInvariants(ran ? dt : 0, pressed, threadSeconds() - cpuStart, message)) {
        return FrameEnd::violated;
    }
    return FrameEnd::ran;
}
