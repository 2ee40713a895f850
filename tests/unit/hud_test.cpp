// The score counter, the level bar with its timed drain, the level-complete
// test, the banners and the board change, driven with fixed frame times.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/banner.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/game_screen.h"
#include "game/game_state.h"
#include "game/hud.h"
#include "game/moves.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "platform/clock.h"
#include "screens/high_scores.h"
#include "test_support.h"

namespace {
constexpr float dt = 1.0f / 128;

class HudTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loadTestArtwork()) << "the generated data folder is missing";
        platformSimulateClock(4242);
        resetGameState();
        currentScreen = screenGame;
        dealBoard(6);
        takeSounds();
    }

    // Runs the HUD for a number of seconds; returns the frames it took.
    static int runFor(float seconds)
    {
        const int frames = int(std::lround(seconds / dt));
        for (int i = 0; i < frames; ++i) {
            updateHud(dt);
        }
        return frames;
    }
};
}  // namespace

TEST_F(HudTest, CounterClimbsAtAHundredAndSettlesOnTheScore)
{
    score = 100;
    runFor(0.5f);
    EXPECT_NEAR(shownScore, 50, 1);
    runFor(0.6f);
    EXPECT_EQ(shownScore, 100);
}

// At 60 frames a second a step of the counter is 1.7 points, at 20 it is 5:
// rising by whole steps used to carry the shown score past the score for a
// frame or more before it fell back.
TEST_F(HudTest, CounterNeverShowsMoreThanTheScore)
{
    for (const float frameTime : {1.0f / 128, 1.0f / 60, 1.0f / 20, 0.1f}) {
        shownScore = 0;
        for (score = 5; score <= 200; score += 5) {
            for (int i = 0; i < 8; ++i) {
                updateHud(frameTime);
                ASSERT_LE(int(shownScore), score) << "at " << 1 / frameTime << " frames a second";
            }
        }
        EXPECT_EQ(shownScore, float(score - 5));
    }
}

TEST_F(HudTest, NegativeScoreFallsToZeroAndStaysThere)
{
    score = 20;
    shownScore = 20;
    score -= 30;  // a hint at 20 points
    runFor(0.5f);
    EXPECT_NEAR(shownScore, 5, 0.5);
    runFor(1.0f);
    EXPECT_EQ(shownScore, 0);
    EXPECT_EQ(score, 0);
}

TEST_F(HudTest, TimedBarDrainsByLevelAndEndsTheGame)
{
    gameMode = modeTimed;
    bar = shownBar = 30;
    runFor(75);
    EXPECT_NEAR(bar, 15, 0.1);
    EXPECT_EQ(gamePhase, 1);
    runFor(75.1f);
    EXPECT_EQ(bar, 0);
    EXPECT_EQ(gamePhase, 3);
    const auto sounds = takeSounds();
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), soundNoMoves), sounds.end());

    gamePhase = 1;
    level = 10;
    bar = shownBar = 30;
    runFor(1);
    EXPECT_NEAR(bar, 28, 0.05);
}

TEST_F(HudTest, DrainHoldsHalfASecondAfterTheBarRose)
{
    gameMode = modeTimed;
    bar = 20;
    shownBar = 19;
    updateHud(dt);  // the shown bar catches up and marks the rise
    EXPECT_EQ(barRising, 1);
    while (int(shownBar) != int(bar)) {
        updateHud(dt);
    }
    const float held = bar;
    runFor(0.49f);
    EXPECT_EQ(bar, held);
    runFor(0.1f);
    EXPECT_LT(bar, held);
}

TEST_F(HudTest, NoDrainWhilePausedInTransitionOrBetweenBoards)
{
    gameMode = modeTimed;
    bar = shownBar = 30;
    for (uint8_t* flag : {&paused, &transitionActive, &dropIn}) {
        *flag = 1;
        runFor(2);
        EXPECT_EQ(bar, 30);
        *flag = 0;
    }
}

TEST_F(HudTest, WarningTicksOnceASecondBelowTen)
{
    gameMode = modeTimed;
    level = 1;
    bar = shownBar = 9;
    takeSounds();
    runFor(3.05f);
    const auto sounds = takeSounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), soundTimeTick), 3);
}

TEST_F(HudTest, UntimedEmptyBarIsNotGameOver)
{
    bar = shownBar = 0;
    runFor(1);
    EXPECT_EQ(gamePhase, 1);
}

TEST_F(HudTest, LevelCompletesOnlyWithTheShownBarFullOnAFullBoard)
{
    bar = 80;  // above full: the bar itself is not limited
    shownBar = 72;
    updateHud(dt);
    EXPECT_EQ(gamePhase, 1);
    runFor(0.1f);
    EXPECT_EQ(shownBar, 73);
    EXPECT_EQ(gamePhase, 2);
    const auto sounds = takeSounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), soundLevelComplete), 1);  // once, not every frame

    gamePhase = 1;
    levelDoneFrames = 0;
    cellAt(3, 3).kind = emptyKind;
    runFor(0.1f);
    EXPECT_EQ(gamePhase, 1);
}

TEST_F(HudTest, LastLevelEndsTheGameOncePerGame)
{
    level = 99;
    bar = shownBar = 73;
    runFor(0.1f);
    EXPECT_EQ(endOfGameFlag, 1);
    EXPECT_EQ(gamePhase, 1);
    endOfGameFlag = 0;
    runFor(0.1f);
    EXPECT_EQ(endOfGameFlag, 0);  // the latch holds for the rest of this game
    startNewGame();
    level = 99;
    bar = shownBar = 73;
    dropIn = 0;
    runFor(0.1f);
    EXPECT_EQ(endOfGameFlag, 1);  // and a new game can finish again
}

// The last level's latch used to count the full bars of every level, so a
// game played from level 1 had passed it long before level 99 and never ended.
TEST_F(HudTest, LastLevelEndsAGamePlayedThroughTheLevelsBeforeIt)
{
    level = 98;
    bar = shownBar = 73;
    runFor(0.1f);
    ASSERT_EQ(gamePhase, phaseLevelDone);
    EXPECT_EQ(endOfGameFlag, 0);
    // The banner has swung out: the next level starts with an empty bar.
    gamePhase = phasePlay;
    levelDoneFrames = 0;
    level = 99;
    bar = shownBar = 0;
    runFor(0.1f);
    bar = shownBar = 73;
    runFor(0.1f);
    EXPECT_EQ(endOfGameFlag, 1);
    EXPECT_EQ(gamePhase, phasePlay);
}

TEST_F(HudTest, LevelBannerSwingsForAboutThreeSecondsThenChangesTheBoard)
{
    level = 4;
    gamePhase = 2;
    int frames = 0;
    float lowest = 0;
    while (gamePhase == 2 && frames < 10000) {
        updateBanner(2, dt);
        lowest = std::max(lowest, bannerY);
        ++frames;
    }
    EXPECT_NEAR(frames * dt, 1200.0f / 360, 0.01);
    EXPECT_EQ(level, 5);
    EXPECT_EQ(bar, 0);
    EXPECT_EQ(flyOutRunning, 1);
    EXPECT_EQ(bannerClock, -200);
    EXPECT_GT(lowest, 140);  // it swings past its resting line
}

TEST_F(HudTest, TimedBoardWithoutMovesKeepsItsBar)
{
    gameMode = modeTimed;
    bar = 44;
    gamePhase = 4;
    while (gamePhase == 4) {
        updateBanner(4, dt);
    }
    EXPECT_EQ(bar, 44);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(flyOutRunning, 1);
}

TEST_F(HudTest, GameOverBannerOpensTheTablesWithNameEntry)
{
    score = 1234;
    pieceKindCount = 7;
    gamePhase = 0;
    while (gamePhase == 0) {
        updateBanner(0, dt);
    }
    EXPECT_EQ(currentScreen, screenHighScores);
    EXPECT_EQ(nameEntryActive, 1);
    EXPECT_EQ(noGameInProgress, 1);
    EXPECT_EQ(shownTable, 7);
    EXPECT_EQ(transitionRequest, 1);
}

TEST_F(HudTest, FlyOutThenDropInReplaceTheBoard)
{
    startFlyOut();
    int frames = 0;
    while (!updateFlyOut(dt)) {
        ++frames;
    }
    // The top-left piece starts at 270..294 clock units and falls 500 px at 550 px/s.
    EXPECT_GE(frames * dt, 270.0f / 500 + 500.0f / 550 - 0.02f);
    EXPECT_LE(frames * dt, 295.0f / 500 + 500.0f / 550 + 0.02f);
    EXPECT_EQ(dropIn, 1);
    frames = 0;
    while (!updateDropIn(dt)) {
        ++frames;
    }
    // The highest piece starts at most 996 px above its place, at 650 px/s.
    EXPECT_LE(frames * dt, 1000.0f / 650 + 0.02f);
    EXPECT_EQ(dropIn, 0);
    EXPECT_EQ(selectState, selectNone);
}
