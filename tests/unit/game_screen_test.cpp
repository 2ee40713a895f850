// The game screen around the board: flying pieces and the mixer, the pause,
// the hover sound of its two buttons, and the hint button's refusal.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/screen_state.h"
#include "board_support.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "game/game_state.h"
#include "game/hints.h"
#include "game/hover.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "test_support.h"

namespace {
class GameScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loadTestArtwork()) << "the generated data folder is missing";
        resetBoardState();
        currentScreen = screenGame;
        createPanRegion();  // a start-up step
        takeSounds();
    }

    static int count(const std::vector<int>& sounds, int id)
    {
        return int(std::count(sounds.begin(), sounds.end(), id));
    }
};
}  // namespace

TEST_F(GameScreenTest, EveryFlyerReachesTheMixerWithinASecond)
{
    launchFlyer(7, 0, 3);  // the farthest corner
    launchFlyer(0, 7, 1);  // below the mixer's height
    launchFlyer(4, 5, 2);
    int frames = 0;
    while (!flyers.empty() && frames < 1000) {
        updateFlyers(frameTime);
        ++frames;
    }
    EXPECT_LE(frames, 129);
    EXPECT_EQ(mixerRequest, 1);
    EXPECT_EQ(noFlyers, 0);  // the last update still had a flyer in the air
    updateFlyers(frameTime);
    EXPECT_EQ(noFlyers, 1);
}

TEST_F(GameScreenTest, BurstOfFlyersSoundsOnce)
{
    for (int c = 0; c < 9; ++c) {
        launchFlyer(c % 8, 2, 4);
    }
    updateBoard(frameTime);
    updateBoard(frameTime);
    EXPECT_EQ(count(takeSounds(), soundFlyOff), 1);
    EXPECT_EQ(flyersLaunched, 0);
}

TEST_F(GameScreenTest, PauseFreezesFlyersButNotTheMoveUnderWay)
{
    launchFlyer(5, 5, 0);
    clickCell(2, 2);
    clickCell(3, 2);  // a swap of two blocks' pieces: no line on the filler
    paused = 1;
    const float x = flyers.front().x;
    for (int i = 0; i < 20; ++i) {
        updateBoard(frameTime);
    }
    EXPECT_EQ(flyers.front().x, x);
    EXPECT_GT(swapTravel, 0);                        // hidden, the swap goes on
    EXPECT_EQ(count(takeSounds(), soundFlyOff), 0);  // the flyers' sound waits for the pause to end
    paused = 0;
    updateBoard(frameTime);
    EXPECT_LT(flyers.front().x, x);
    EXPECT_EQ(count(takeSounds(), soundFlyOff), 1);
}

TEST_F(GameScreenTest, HoverSoundNeedsAFrameOnNeitherButton)
{
    gameHover(50, 420);  // menu
    gameHover(50, 420);
    EXPECT_EQ(menuHover, 1);
    gameHover(52, 137);  // straight onto the pan
    EXPECT_EQ(panHover, 1);
    EXPECT_EQ(menuHover, 0);
    gameHover(400, 200);  // the board: neither button
    gameHover(52, 137);
    EXPECT_EQ(takeSounds(), (std::vector<int>{soundHover, soundHover}));
}

TEST_F(GameScreenTest, HintIsRefusedWhileASwapRuns)
{
    clickCell(2, 2);
    clickCell(3, 2);
    boardFrame();
    ASSERT_TRUE(targetSwapping());
    // The pan click falls through to the board, which sees a click outside it.
    EXPECT_FALSE(gameClick(52, 137));
    EXPECT_EQ(hintActive, 0);
    EXPECT_EQ(count(takeSounds(), soundHint), 0);
    settleBoard();
    EXPECT_TRUE(gameClick(52, 137));
    EXPECT_EQ(hintActive, 1);
    EXPECT_FALSE(gameClick(261, 29));  // no clicks while the hint runs
}

TEST_F(GameScreenTest, MenuButtonLeavesASwapToFinishOnReturn)
{
    clickCell(2, 2);
    clickCell(3, 2);
    boardFrame();
    EXPECT_TRUE(gameClick(50, 420));
    EXPECT_EQ(currentScreen, screenMainMenu);
    EXPECT_EQ(transitionRequest, 1);
    EXPECT_TRUE(targetSwapping());
    transitionRequest = 0;
}
