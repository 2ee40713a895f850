// Points and bar for each clear pass, and the no-move test at the end of a pass.
#include <gtest/gtest.h>

#include <vector>

#include "base/screen_state.h"
#include "board_support.h"
#include "game/board.h"
#include "game/hints.h"
#include "game/scoring.h"
#include "test_support.h"

namespace {
class ScoringTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetBoardState();
    }
};
}  // namespace

TEST_F(ScoringTest, MultiplierFollowsTheMarksAndOutlivesSmallPasses)
{
    const struct {
        int cleared;
        int multiplier;
        int score;
    } passes[] = {
        {0, 0, 0},  // before any clear a pass is worth nothing
        {3, 1, 5},    {4, 2, 15},  {5, 3, 30},  {6, 4, 50},  {7, 5, 75},
        {12, 5, 100}, {0, 5, 125}, {2, 5, 150}, {3, 1, 155},
    };
    for (const auto& p : passes) {
        scorePass(p.cleared);
        EXPECT_EQ(multiplier, p.multiplier) << p.cleared;
        EXPECT_EQ(score, p.score) << p.cleared;
    }
}

TEST_F(ScoringTest, BarGrowsFasterWithMoreKinds)
{
    const float perPass[] = {0.6f, 0.8f, 1.0f};
    for (int kinds = 6; kinds <= 8; ++kinds) {
        resetBoardState();
        pieceKindCount = kinds;
        scorePass(3);
        EXPECT_FLOAT_EQ(bar, perPass[kinds - 6]) << kinds;
        scorePass(0);
        EXPECT_FLOAT_EQ(bar, 2 * perPass[kinds - 6]) << kinds;
        scorePass(5);
        EXPECT_FLOAT_EQ(bar, 5 * perPass[kinds - 6]) << kinds;
    }
}

TEST_F(ScoringTest, BoardWithoutMovesEndsTheUntimedGameOrReplacesTheTimedBoard)
{
    const struct {
        uint8_t mode;
        float bar;
        uint8_t hint;
        int phase;
        std::vector<int> sounds;
    } cases[] = {
        {0, 20, 0, 0, {4}},
        {1, 20, 0, 4, {4}},
        {0, 73, 0, 1, {4}},  // a full bar completes the level instead
        {1, 20, 1, 1, {}},   // a running hint never ends the game
    };
    for (const auto& c : cases) {
        resetBoardState();
        setStripeBoard();
        gameMode = c.mode;
        bar = c.bar;
        hintActive = c.hint;
        noMoveTest();
        EXPECT_EQ(gamePhase, c.phase);
        EXPECT_EQ(takeSounds(), c.sounds);
    }

    // A board with a move, or with a hole still to fill, is left alone.
    resetBoardState();
    noMoveTest();
    setStripeBoard();
    setKind(4, 4, emptyKind);
    noMoveTest();
    EXPECT_EQ(gamePhase, 1);
    EXPECT_TRUE(takeSounds().empty());
}
