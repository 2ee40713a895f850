// Playing by keys or controller: the board's cursor picks, swaps and puts down
// pieces as clicks do; the panels move their lit item, step their sliders and
// press their buttons; the controller's letters step through the font.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "base/screen_state.h"
#include "board_support.h"
#include "game/board.h"
#include "game/board_cursor.h"
#include "game/focus.h"
#include "game/game_screen.h"
#include "game/game_state.h"
#include "game/hints.h"
#include "game/hover.h"
#include "game/moves.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "graphics/text.h"
#include "screens/game_setup.h"
#include "screens/high_scores.h"
#include "screens/main_menu.h"
#include "screens/options.h"
#include "test_support.h"

namespace {
class KeysPlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(loadTestArtwork()) << "the generated data folder is missing";
        resetBoardState();
        setFillerBoard();
        currentScreen = screenGame;
        createPanRegion();
        musicSliderX = soundSliderX = 391;
        takeSounds();
    }

    // Walks the cursor to a cell from wherever it stands.
    static void cursorTo(int column, int row)
    {
        for (int i = 0; i < boardColumns; ++i) {
            gameAction(Action::left);
            gameAction(Action::up);
        }
        for (int i = 0; i < column; ++i) {
            gameAction(Action::right);
        }
        for (int i = 0; i < row; ++i) {
            gameAction(Action::down);
        }
    }

    static int count(const std::vector<int>& sounds, int id)
    {
        return int(std::count(sounds.begin(), sounds.end(), id));
    }

    // The focused item's point, as the frame hands it to the hovers.
    static void hoverFocus(void (*hover)(int, int), bool (*focus)(int&, int&))
    {
        int x = 0;
        int y = 0;
        ASSERT_TRUE(focus(x, y));
        hover(x, y);
    }
};
}  // namespace

TEST_F(KeysPlayTest, PressPicksADirectionSwapsAndPressAgainPutsDown)
{
    cursorTo(2, 2);
    EXPECT_TRUE(gameAction(Action::press));
    EXPECT_EQ(selectState, selectFirst);
    EXPECT_EQ(cellAt(2, 2).highlighted, 1);
    EXPECT_EQ(takeSounds(), std::vector<int>{soundSelect});  // the click's sound

    EXPECT_TRUE(gameAction(Action::press));  // the same piece: put down, silently
    EXPECT_EQ(selectState, selectNone);
    EXPECT_EQ(cellAt(2, 2).highlighted, 0);
    EXPECT_TRUE(takeSounds().empty());

    // The same swap as two clicks, from its flags to the board it leaves.
    const std::vector<uint8_t> before = boardBytes();
    gameAction(Action::press);
    EXPECT_TRUE(gameAction(Action::right));
    ASSERT_TRUE(targetSwapping());
    EXPECT_EQ(targetColumn, 3);
    EXPECT_EQ(targetRow, 2);
    settleBoard();
    const std::vector<uint8_t> byKeys = boardBytes();
    resetBoardState();
    setFillerBoard();
    ASSERT_EQ(boardBytes(), before);
    clickCell(2, 2);
    clickCell(3, 2);
    settleBoard();
    EXPECT_EQ(boardBytes(), byKeys);
}

TEST_F(KeysPlayTest, CursorStaysOnTheBoardAndAPickedPieceNeverSwapsPastTheEdge)
{
    cursorTo(0, 0);
    EXPECT_FALSE(gameAction(Action::left));
    EXPECT_FALSE(gameAction(Action::up));
    gameAction(Action::press);
    EXPECT_FALSE(gameAction(Action::left));
    EXPECT_FALSE(targetSwapping());
    EXPECT_EQ(selectState, selectFirst);  // still picked, waiting for a neighbour
    gameAction(Action::press);
    cursorTo(7, 7);
    EXPECT_FALSE(gameAction(Action::right));
    EXPECT_FALSE(gameAction(Action::down));
}

TEST_F(KeysPlayTest, NoPickWhileTheBoardMovesOrTheGameIsPaused)
{
    cursorTo(2, 2);
    gameAction(Action::press);
    gameAction(Action::right);
    boardFrame();
    EXPECT_FALSE(gameAction(Action::press));  // a swap runs
    settleBoard();
    paused = 1;
    EXPECT_FALSE(gameAction(Action::press));
    paused = 0;
    EXPECT_TRUE(gameAction(Action::press));
}

TEST_F(KeysPlayTest, BackIsTheMenuButtonAndHintIsThePan)
{
    EXPECT_TRUE(gameAction(Action::hint));
    EXPECT_EQ(hintActive, 1);
    settleBoard();
    EXPECT_TRUE(gameAction(Action::back));
    EXPECT_EQ(currentScreen, screenMainMenu);
    EXPECT_EQ(transitionRequest, 1);
    transitionRequest = 0;
    EXPECT_FALSE(gameAction(Action::press));  // not on the board any more
}

TEST_F(KeysPlayTest, MenuSkipsTheDeadResumeAndLightsWithTheHoverSound)
{
    currentScreen = screenMainMenu;
    noGameInProgress = 1;
    hoverLatch = 0;
    hoverFocus(hoverMainMenu, focusMainMenu);
    const int start = menuHighlight;
    for (int i = 0; i < 10; ++i) {
        actMainMenu(Action::up);
        hoverFocus(hoverMainMenu, focusMainMenu);
        EXPECT_NE(menuHighlight, resumeButton);
    }
    EXPECT_EQ(count(takeSounds(), soundHover), 11);  // every new button sounds once
    // Four buttons in the ring: ten steps up end two above the start.
    EXPECT_EQ(menuHighlight, (start - newGameButton + 4 - 10 % 4) % 4 + newGameButton);
    noGameInProgress = 0;
    while (menuHighlight != resumeButton) {
        actMainMenu(Action::up);
        hoverFocus(hoverMainMenu, focusMainMenu);
    }
    EXPECT_TRUE(actMainMenu(Action::press));
    EXPECT_EQ(currentScreen, screenGame);
    transitionRequest = 0;
}

TEST_F(KeysPlayTest, SetUpRowsThenBackAndStartSideBySide)
{
    currentScreen = screenSetUp;
    gameMode = modeUntimed;
    pieceKindCount = 7;
    // Start is lit first; up reaches the rows from the bottom.
    actSetUp(Action::up);
    EXPECT_TRUE(actSetUp(Action::press));
    EXPECT_EQ(pieceKindCount, 8);
    for (int i = 0; i < 4; ++i) {
        actSetUp(Action::up);
    }
    actSetUp(Action::press);
    EXPECT_EQ(gameMode, modeTimed);
    EXPECT_FALSE(actSetUp(Action::left));  // no neighbour beside a row
    for (int i = 0; i < 5; ++i) {
        actSetUp(Action::down);
    }
    actSetUp(Action::left);
    EXPECT_TRUE(actSetUp(Action::press));  // Back
    EXPECT_EQ(currentScreen, screenMainMenu);
    EXPECT_EQ(gameMode, modeTimed);
    currentScreen = screenSetUp;
    EXPECT_TRUE(actSetUp(Action::press));  // Start is lit again on the next visit
    EXPECT_EQ(currentScreen, screenGame);
    transitionRequest = 0;
}

TEST_F(KeysPlayTest, SlidersStepAlongTheirScaleAndStopAtItsEnds)
{
    currentScreen = screenOptions;
    actOptions(Action::up);  // from Back to the effects slider
    std::vector<int> marks;
    for (int i = 0; i < 10; ++i) {
        actOptions(Action::left);
        marks.push_back(soundSliderX);
    }
    EXPECT_EQ(marks, (std::vector<int>{370, 350, 329, 309, 288, 268, 247, 227, 227, 227}));
    EXPECT_FALSE(actOptions(Action::press));  // a knob has nothing to press
    EXPECT_FALSE(actOptions(Action::hint));
    EXPECT_EQ(soundSliderX, 227);
    EXPECT_EQ(musicSliderX, 391);
    actOptions(Action::up);
    actOptions(Action::left);
    actOptions(Action::right);
    actOptions(Action::right);
    EXPECT_EQ(musicSliderX, 391);
    // A knob dragged between two marks goes to the next one either way.
    musicSliderX = 300;
    actOptions(Action::left);
    EXPECT_EQ(musicSliderX, 288);
    musicSliderX = 300;
    actOptions(Action::right);
    EXPECT_EQ(musicSliderX, 309);
    EXPECT_TRUE(takeSounds().empty());  // the mouse's drag makes none either
    EXPECT_TRUE(actOptions(Action::back));
    EXPECT_EQ(currentScreen, screenMainMenu);
}

TEST_F(KeysPlayTest, CheckBoxesToggleWithPressAndBackLeaves)
{
    currentScreen = screenOptions;
    easyFood = 1;
    systemCursor = 1;
    for (int i = 0; i < 3; ++i) {
        actOptions(Action::up);  // sliders, then the coloured tiles
    }
    EXPECT_TRUE(actOptions(Action::press));
    EXPECT_EQ(easyFood, 0);
    actOptions(Action::up);
    actOptions(Action::press);
    EXPECT_EQ(systemCursor, 0);
    actOptions(Action::up);
    actOptions(Action::press);
    EXPECT_EQ(displayModeRequest, 1);
    displayModeRequest = 0;
    EXPECT_EQ(count(takeSounds(), soundClick), 3);
    EXPECT_TRUE(actOptions(Action::back));
    EXPECT_EQ(currentScreen, screenMainMenu);
    systemCursor = 1;
    easyFood = 1;
}

TEST_F(KeysPlayTest, HighScoreArrowsAreLeftAndRight)
{
    currentScreen = screenHighScores;
    gamePhase = phasePlay;
    nameEntryActive = 0;
    shownTable = 8;
    EXPECT_TRUE(actHighScores(Action::left));
    EXPECT_EQ(shownTable, 7);
    actHighScores(Action::right);
    actHighScores(Action::right);
    EXPECT_EQ(shownTable, 6);
    EXPECT_EQ(count(takeSounds(), soundClick), 3);
    actHighScores(Action::down);
    EXPECT_TRUE(actHighScores(Action::press));  // Back
    EXPECT_EQ(currentScreen, screenMainMenu);
    transitionRequest = 0;
}

TEST(NameByControllerTest, LastLetterStepsRoundTheFontAndAnEmptyNameStartsAtA)
{
    resetName();
    stepLastNameChar(1);
    EXPECT_STREQ(nameBuffer, "A_");
    stepLastNameChar(-1);
    EXPECT_STREQ(nameBuffer, "@_");
    removeNameChar();
    appendNameChar('~');
    stepLastNameChar(1);
    EXPECT_STREQ(nameBuffer, " _");  // round from the last character to the first
    stepLastNameChar(-1);
    EXPECT_STREQ(nameBuffer, "~_");
}
