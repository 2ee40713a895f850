// Fuzzing "game.sav": the reader and the checks after it, as start-up runs
// them, then the game playing a few frames on what was read: the board when
// there is a game to resume, and the high-score tables.
#include <cstdint>

#include "base/screen_state.h"
#include "fuzz_support.h"
#include "game/board.h"
#include "game/game_state.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "screens/high_scores.h"
#include "screens/options.h"
#include "screens/save_file.h"
#include "shell/shell.h"

namespace {
constexpr double frameTime = 1.0 / 64;

void runFrames(int count)
{
    for (int i = 0; i < count; ++i) {
        platformAdvanceSimulatedClock(frameTime);
        runFrame();
    }
}
}  // namespace

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder(true);
    platformSimulateClock(1000);
    platformSimulateInput();
    platformSetSimulatedPointer(-1, -1, false);
    return startGame() ? 0 : 1;
}

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeInput("game.sav", data, size);
    resetGameState();
    if (!readSaveFile()) {
        noGameInProgress = 1;
        dealBoard(pieceKindCount);
    }
    clampSliders();
    initHighScores();
    if (!noGameInProgress) {
        currentScreen = screenGame;
        runFrames(8);
    }
    currentScreen = screenHighScores;
    shownTable = pieceKindCount;
    runFrames(2);
    return 0;
}
