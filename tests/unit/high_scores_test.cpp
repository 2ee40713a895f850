// The high-score tables: where a score goes, what a commit stores, and the
// screen's buttons while a name is pending.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <fstream>

#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "graphics/text.h"
#include "screens/high_scores.h"
#include "test_support.h"

namespace {
class HighScoresTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int r = 0; r < 9; ++r) {
            for (int i = 0; i < 6; ++i) {
                HighScoreRow& row = highScores[r * 6 + i];
                std::memset(row.name, 0, sizeof row.name);
                std::snprintf(row.name, sizeof row.name, "P%d", r);
                row.score = 1000 - 100 * r;
            }
        }
        resetGameState();
        shownTable = 6;
        currentScreen = screenHighScores;
        takeSounds();
    }

    static void placeAndCommit(int value, const char* typed)
    {
        score = value;
        placeScore(gameMode);
        std::strcpy(nameBuffer, typed);
        commitName();
    }
};
}  // namespace

TEST_F(HighScoresTest, EqualScoreGoesAboveAndPushesTheRestDown)
{
    score = 1000;
    placeScore(0);
    EXPECT_EQ(placedRank, 0);
    EXPECT_EQ(namePending, 1);
    EXPECT_EQ(highScoreRow(0, 0, 6).score, 1000);
    EXPECT_STREQ(highScoreRow(1, 0, 6).name, "P0");  // the old holder, one down
    EXPECT_EQ(highScoreRow(8, 0, 6).score, 300);     // the old ninth is gone
    EXPECT_EQ(highScoreRow(0, 1, 6).score, 1000);    // the timed table is untouched
    EXPECT_STREQ(highScoreRow(1, 1, 6).name, "P1");
}

TEST_F(HighScoresTest, RankEightReplacesAndBelowTheNinthChangesNothing)
{
    score = 250;
    placeScore(0);
    EXPECT_EQ(placedRank, 8);
    EXPECT_EQ(highScoreRow(8, 0, 6).score, 250);
    EXPECT_EQ(highScoreRow(7, 0, 6).score, 300);

    HighScoreRow before[54];
    std::memcpy(before, highScores, sizeof before);
    score = 100;
    placeScore(0);
    EXPECT_EQ(placedRank, 10);
    EXPECT_EQ(namePending, 0);
    EXPECT_EQ(std::memcmp(before, highScores, sizeof before), 0);
    std::strcpy(nameBuffer, "X_");
    commitName();  // nothing to name
    EXPECT_EQ(std::memcmp(before, highScores, sizeof before), 0);
}

TEST_F(HighScoresTest, CommitStoresTheTypedNameWithoutTheCursor)
{
    placeAndCommit(950, "ABC_");
    EXPECT_STREQ(highScoreRow(1, 0, 6).name, "ABC");
    EXPECT_EQ(highScoreRow(1, 0, 6).score, 950);
    EXPECT_EQ(namePending, 0);
    placeAndCommit(5000, "_");
    EXPECT_STREQ(highScoreRow(0, 0, 6).name, "");
}

TEST_F(HighScoresTest, NameGoesToTheTableTheScoreWentTo)
{
    gameMode = modeTimed;
    shownTable = pieceKindCount = 7;
    score = 650;
    placeScore(gameMode);
    // The set-up panel changes mode and kinds before the name is typed.
    gameMode = modeUntimed;
    pieceKindCount = 8;
    std::strcpy(nameBuffer, "Ann_");
    commitName();
    EXPECT_STREQ(highScoreRow(4, 1, 7).name, "Ann");
    EXPECT_STREQ(highScoreRow(4, 0, 8).name, "P4");
}

TEST_F(HighScoresTest, ArrowsWrapBetweenSixAndEight)
{
    shownTable = 6;
    EXPECT_TRUE(clickHighScores(60, 440));  // left
    EXPECT_EQ(shownTable, 8);
    EXPECT_TRUE(clickHighScores(530, 440));  // right
    EXPECT_EQ(shownTable, 6);
    EXPECT_TRUE(clickHighScores(530, 440));
    EXPECT_EQ(shownTable, 7);
    EXPECT_EQ(takeSounds(), (std::vector<int>{soundClick, soundClick, soundClick}));
}

TEST_F(HighScoresTest, BackKeepsTheNamePanelOpen)
{
    nameEntryActive = 1;
    namePending = 1;
    EXPECT_TRUE(clickHighScores(300, 440));
    EXPECT_EQ(currentScreen, screenMainMenu);
    EXPECT_EQ(nameEntryActive, 1);
    EXPECT_EQ(namePending, 0);
    EXPECT_EQ(transitionRequest, 1);
}

TEST_F(HighScoresTest, OkCommitsButLeavesTheClickUntaken)
{
    ScratchDir scratch;
    score = 720;
    placeScore(0);
    nameEntryActive = 1;
    gamePhase = 0;
    std::strcpy(nameBuffer, "Bo_");
    EXPECT_FALSE(clickHighScores(310, 270));
    EXPECT_EQ(nameEntryActive, 0);
    EXPECT_EQ(gamePhase, 1);
    EXPECT_STREQ(highScoreRow(3, 0, 6).name, "Bo");
    EXPECT_TRUE(std::ifstream("game.sav").good());  // the commit saves
}

TEST_F(HighScoresTest, ButtonsAreDeadWhileAGameOverWaitsForItsName)
{
    namePending = 1;
    gamePhase = 0;
    EXPECT_FALSE(clickHighScores(300, 440));
    EXPECT_EQ(currentScreen, screenHighScores);
}
