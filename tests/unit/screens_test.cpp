// The menu, the set-up panel, the options panel and the title: their buttons,
// hover sounds and the state they leave behind.
#include <gtest/gtest.h>

#include "base/screen_state.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/game_screen.h"
#include "game/game_state.h"
#include "game/hover.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "game/title.h"
#include "screens/game_setup.h"
#include "screens/high_scores.h"
#include "screens/main_menu.h"
#include "screens/options.h"
#include "test_support.h"

namespace {
class ScreensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loadTestArtwork()) << "the generated data folder is missing";
        resetGameState();
        currentScreen = screenMainMenu;
        noGameInProgress = 1;
        dragMusic = dragSound = 0;
        musicSliderX = soundSliderX = 391;
        takeSounds();
    }
};
}  // namespace

TEST_F(ScreensTest, DeadResumeButtonNeitherLightsNorSoundsNorTakes)
{
    hoverLatch = 1;
    hoverMainMenu(100, 190);
    EXPECT_EQ(menuHighlight, noMenuHighlight);
    EXPECT_EQ(hoverLatch, 0);  // re-armed
    EXPECT_FALSE(clickMainMenu(100, 190));
    EXPECT_TRUE(takeSounds().empty());

    noGameInProgress = 0;
    hoverMainMenu(100, 190);
    EXPECT_EQ(menuHighlight, 0);
    EXPECT_EQ(takeSounds(), std::vector<int>{soundHover});
}

TEST_F(ScreensTest, HoverSoundPlaysOncePerEntryAndGapsReArmIt)
{
    hoverMainMenu(100, 250);  // new game
    hoverMainMenu(100, 260);
    hoverMainMenu(100, 300);  // straight into options: no new sound
    EXPECT_EQ(menuHighlight, 2);
    hoverMainMenu(100, 287);  // the gap between them
    hoverMainMenu(100, 300);
    EXPECT_EQ(takeSounds(), (std::vector<int>{soundHover, soundHover}));
}

TEST_F(ScreensTest, NewGameOpensTheSetUpOverTheLitMenu)
{
    hoverMainMenu(100, 250);
    EXPECT_TRUE(clickMainMenu(100, 250));
    EXPECT_EQ(currentScreen, screenSetUp);
    EXPECT_EQ(menuHighlight, 1);
    EXPECT_EQ(transitionRequest, 0);
}

TEST_F(ScreensTest, HighScoreButtonShowsTheCurrentKindCount)
{
    pieceKindCount = 8;
    EXPECT_TRUE(clickMainMenu(100, 380));
    EXPECT_EQ(currentScreen, screenHighScores);
    EXPECT_EQ(shownTable, 8);
    EXPECT_EQ(transitionRequest, 1);
}

TEST_F(ScreensTest, SetUpChoicesPersistThroughBack)
{
    currentScreen = screenSetUp;
    EXPECT_TRUE(clickSetUp(300, 120));  // timed
    EXPECT_TRUE(clickSetUp(300, 320));  // 7 kinds
    EXPECT_FALSE(clickSetUp(170, 60));  // the panel outside every row
    EXPECT_TRUE(clickSetUp(230, 400));  // back
    EXPECT_EQ(currentScreen, screenMainMenu);
    EXPECT_EQ(gameMode, modeTimed);
    EXPECT_EQ(pieceKindCount, 7);
    EXPECT_EQ(takeSounds(), (std::vector<int>{soundClick, soundClick, soundClick}));
    EXPECT_EQ(findSetUpRow(300, 350), 4);
    EXPECT_EQ(findSetUpRow(300, 200), -1);
}

TEST_F(ScreensTest, StartDealsATimedGameWithTheBarAtThirty)
{
    currentScreen = screenSetUp;
    clickSetUp(300, 120);  // timed
    clickSetUp(300, 350);  // 8 kinds
    score = 55;
    EXPECT_TRUE(clickSetUp(400, 400));
    EXPECT_EQ(currentScreen, screenGame);
    EXPECT_EQ(bar, 30);
    EXPECT_EQ(shownBar, 30);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(dropIn, 1);
    EXPECT_EQ(noGameInProgress, 0);
    EXPECT_EQ(transitionRequest, 1);
    for (const Cell& c : board) {
        EXPECT_LT(c.kind, 8);
    }
}

TEST_F(ScreensTest, KnobDragClampsAndFollowsWithTheSameOffset)
{
    currentScreen = screenOptions;
    musicSliderX = 300;
    mouseDown = 1;
    EXPECT_FALSE(clickOptions(310, 270));  // a grab alone is not taken
    EXPECT_EQ(dragMusic, 1);
    EXPECT_EQ(grabOffsetMusic, 10);
    hoverOptions(100, 270);
    EXPECT_EQ(musicSliderX, 227);
    hoverOptions(500, 270);
    EXPECT_EQ(musicSliderX, 391);
    hoverOptions(260, 270);
    EXPECT_EQ(musicSliderX, 250);
}

TEST_F(ScreensTest, OptionRowsToggleTheSettings)
{
    currentScreen = screenOptions;
    systemCursor = 1;
    easyFood = 1;
    EXPECT_TRUE(clickOptions(300, 130));
    EXPECT_EQ(systemCursor, 0);
    EXPECT_TRUE(clickOptions(300, 170));
    EXPECT_EQ(easyFood, 0);
    EXPECT_TRUE(clickOptions(220, 410));  // back
    EXPECT_EQ(currentScreen, screenMainMenu);
    systemCursor = 1;
    easyFood = 1;
}

TEST_F(ScreensTest, TitleButtonLeadsToTheMenuAndOnlyTheButton)
{
    currentScreen = screenTitle;
    EXPECT_FALSE(clickTitle(100, 100));
    EXPECT_EQ(currentScreen, screenTitle);
    EXPECT_TRUE(clickTitle(300, 440));
    EXPECT_EQ(currentScreen, screenMainMenu);
    EXPECT_EQ(transitionRequest, 1);
    EXPECT_EQ(takeSounds(), std::vector<int>{soundClick});
}

TEST_F(ScreensTest, TransitionEndsAfterAboutOnePointEightSeconds)
{
    transitionRequest = 1;
    captureTransition();
    EXPECT_EQ(transitionActive, 1);
    EXPECT_EQ(transitionRequest, 0);
    int frames = 0;
    while (transitionActive && frames < 1000) {
        stepTransition(1.0f / 128);
        ++frames;
    }
    EXPECT_GE(frames / 128.0, 1.8);
    EXPECT_LE(frames / 128.0, 1.9);
}
