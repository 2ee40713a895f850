// The frame driver's fixed order, the click chain, and the game's reactions to
// window events, checked against a recorded trace of calls.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "game/focus.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "screens/options.h"
#include "shell/frame_timer.h"
#include "shell/shell.h"

namespace {
class FrameDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platformSimulateClock(0);
        platformSimulateInput();
        platformSetSimulatedPointer(100, 200, true);
        resetFrameTimer();
        frameTimer(timerStart);
        trace.clear();
        takes.clear();
        resetScreenFlags();
        clickPending = 0;
        systemCursor = 1;
        clientRect = Rect{0, 0, 640, 480};
        // Nothing shown and nothing waiting from the test before.
        showFocus(false);
        for (int i = 0; i < 8; ++i) {
            dispatchAction();
        }
        trace.clear();
    }
};

const std::vector<std::string> drawOrder = {
    "updateMusic(menu)", "drawFpsReadout", "drawTitle", "drawMainMenu", "drawHighScores", "drawGameBackdrop",
    "updateBoard",       "updateHud",      "drawSetUp", "drawOptions",  "drawEndPicture"};
const std::vector<std::string> hoverOrder = {"hoverMainMenu",  "gameHover",       "hoverSetUp",
                                             "hoverOptions",   "hoverHighScores", "hoverTitle",
                                             "hoverEndPicture"};
const std::vector<std::string> clickChain = {"clickSetUp",     "clickHighScores", "clickOptions",
                                             "clickMainMenu",  "clickTitle",      "gameClick",
                                             "clickEndPicture"};

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

void event(EventType type, int code = 0)
{
    handleEvent(PlatformEvent{type, code});
}

// The action chain in its order, each handler asked with the action's name.
std::vector<std::string> actionChain(const std::string& action)
{
    std::vector<std::string> chain;
    for (const char* name : {"actSetUp", "actHighScores", "actOptions", "actMainMenu", "actTitle",
                             "gameAction", "actEndPicture"}) {
        chain.push_back(std::string(name) + "(" + action + ")");
    }
    return chain;
}
}  // namespace

TEST_F(FrameDriverTest, FrameRunsEveryScreenInItsFixedOrder)
{
    runFrame();
    EXPECT_EQ(trace, concat({drawOrder,
                             hoverOrder,
                             {"stepTransition", "captureTransition", "drawCursor(100,200)", "present"}}));
}

TEST_F(FrameDriverTest, MusicIsInGameModeOnlyOnTheBoard)
{
    currentScreen = screenGame;
    runFrame();
    EXPECT_EQ(trace[0], "updateMusic(game)");
    trace.clear();
    currentScreen = screenHighScores;
    runFrame();
    EXPECT_EQ(trace[0], "updateMusic(menu)");
}

TEST_F(FrameDriverTest, ClickGoesDownTheChainUntilOneTakesIt)
{
    takes["clickTitle"] = true;
    takes["gameClick"] = true;
    event(EventType::buttonDown);
    EXPECT_EQ(mouseDown, 1);
    runFrame();
    EXPECT_EQ(clickPending, 0);
    EXPECT_EQ(trace, concat({drawOrder,
                             hoverOrder,
                             {"clickSetUp", "clickHighScores", "clickOptions", "clickMainMenu", "clickTitle"},
                             {"stepTransition", "captureTransition", "drawCursor(100,200)", "present"}}));
}

TEST_F(FrameDriverTest, UntakenClickAsksEveryHandler)
{
    clickPending = 1;
    runFrame();
    EXPECT_EQ(trace, concat({drawOrder,
                             hoverOrder,
                             clickChain,
                             {"stepTransition", "captureTransition", "drawCursor(100,200)", "present"}}));
}

TEST_F(FrameDriverTest, TransitionSuspendsHoverAndDropsTheClick)
{
    transitionActive = 1;
    clickPending = 1;
    runFrame();
    EXPECT_EQ(clickPending, 0);
    EXPECT_EQ(trace,
              concat({drawOrder, {"stepTransition", "captureTransition", "drawCursor(100,200)", "present"}}));
}

TEST_F(FrameDriverTest, QuitRequestDestroysTheWindowAfterThePresent)
{
    quitRequested = 1;
    runFrame();
    ASSERT_GE(trace.size(), 2u);
    EXPECT_EQ(trace[trace.size() - 2], "present");
    EXPECT_EQ(trace.back(), "destroyGameWindow");
}

TEST_F(FrameDriverTest, PauseKeyTogglesExceptAfterTheLastLevel)
{
    event(EventType::key, keyPause);
    EXPECT_EQ(paused, 1);
    event(EventType::key, keyPause);
    EXPECT_EQ(paused, 0);
    endOfGameFlag = 1;
    event(EventType::key, keyPause);
    EXPECT_EQ(paused, 0);
}

TEST_F(FrameDriverTest, CharactersReachTheNameOnlyWhenANameCanBeTyped)
{
    event(EventType::character, 'A');  // normal play: ignored
    EXPECT_TRUE(trace.empty());
    for (int phase : {0, 3}) {
        gamePhase = phase;
        event(EventType::character, 'B');
    }
    gamePhase = 1;
    nameEntryActive = 1;
    event(EventType::character, 8);
    event(EventType::character, 7);    // not printable, not backspace
    event(EventType::character, 127);  // likewise
    event(EventType::character, '~');
    EXPECT_EQ(trace, (std::vector<std::string>{"appendNameChar(B)", "appendNameChar(B)", "removeNameChar",
                                               "appendNameChar(~)"}));
}

TEST_F(FrameDriverTest, EnterCommitsTheNameOnlyDuringNameEntry)
{
    currentScreen = screenHighScores;
    gamePhase = 0;
    endOfGameFlag = 1;
    event(EventType::key, keyEnter);
    EXPECT_TRUE(trace.empty());
    EXPECT_EQ(gamePhase, 0);
    nameEntryActive = 1;
    event(EventType::key, keyEnter);
    EXPECT_EQ(trace, (std::vector<std::string>{"commitName", "writeSaveFile"}));
    EXPECT_EQ(nameEntryActive, 0);
    EXPECT_EQ(gamePhase, 1);
    EXPECT_EQ(endOfGameFlag, 0);
}

TEST_F(FrameDriverTest, ButtonReleaseEndsSliderDrags)
{
    dragMusic = 1;
    dragSound = 1;
    event(EventType::buttonDown);
    event(EventType::buttonUp);
    EXPECT_EQ(mouseDown, 0);
    EXPECT_EQ(clickPending, 1);  // the press still waits for its frame
    EXPECT_EQ(dragMusic, 0);
    EXPECT_EQ(dragSound, 0);
}

TEST_F(FrameDriverTest, BackgroundFreezesTheFrameClock)
{
    event(EventType::deactivate);
    EXPECT_EQ(appActive, 0);
    platformAdvanceSimulatedClock(5.0);
    EXPECT_EQ(frameTimer(timerDelta), 0.0);
    event(EventType::activate);
    EXPECT_EQ(appActive, 1);
    platformAdvanceSimulatedClock(0.25);
    EXPECT_EQ(frameTimer(timerDelta), 0.25);
}

TEST_F(FrameDriverTest, CloseRunsTheDestroySequence)
{
    event(EventType::quit);
    EXPECT_EQ(trace, (std::vector<std::string>{"destroyGameWindow"}));
}

TEST_F(FrameDriverTest, GamePointerHidesTheSystemOneOnlyOverThePicture)
{
    systemCursor = 0;
    platformSetSimulatedPointer(700, 10, false);
    runFrame();
    EXPECT_EQ(cursorOutside, 1);
    platformSetSimulatedPointer(10, 10, true);
    runFrame();
    EXPECT_EQ(cursorOutside, 0);
}

TEST_F(FrameDriverTest, StaleNameCommittedDuringAGameKeepsItsGameOver)
{
    currentScreen = screenGame;
    nameEntryActive = 1;
    gamePhase = 0;
    endOfGameFlag = 1;
    event(EventType::key, keyEnter);
    EXPECT_EQ(trace, (std::vector<std::string>{"commitName", "writeSaveFile"}));
    EXPECT_EQ(gamePhase, 0);
    EXPECT_EQ(endOfGameFlag, 1);
}

TEST_F(FrameDriverTest, FirstArrowOrPressOnlyShowsTheFocusAndLaterOnesActOnePerFrame)
{
    runFrame();  // the pointer is read where it stands
    trace.clear();
    event(EventType::key, keyDown);
    EXPECT_TRUE(focusShown());
    runFrame();
    // The hovers see the focused item; the game's pointer is not drawn.
    takes["focusMainMenu"] = true;
    EXPECT_EQ(trace, concat({drawOrder, hoverOrder, {"stepTransition", "captureTransition", "present"}}));
    trace.clear();
    event(EventType::key, keyUp);
    event(EventType::padButton, padA);
    runFrame();
    EXPECT_EQ(trace, concat({drawOrder,
                             {"focusMainMenu"},
                             hoverOrder,
                             actionChain("up"),
                             {"stepTransition", "captureTransition", "present"}}));
    trace.clear();
    takes["actOptions(press)"] = true;
    runFrame();
    EXPECT_EQ(trace, concat({drawOrder,
                             {"focusMainMenu"},
                             hoverOrder,
                             {"actSetUp(press)", "actHighScores(press)", "actOptions(press)"},
                             {"stepTransition", "captureTransition", "present"}}));
}

TEST_F(FrameDriverTest, MouseMoveOrPressHidesTheFocusAgain)
{
    runFrame();
    event(EventType::key, keyRight);
    runFrame();
    EXPECT_TRUE(focusShown());  // the pointer stayed where it was
    platformSetSimulatedPointer(101, 200, true);
    trace.clear();
    runFrame();
    EXPECT_FALSE(focusShown());
    EXPECT_EQ(trace.back(), "present");
    EXPECT_EQ(trace[trace.size() - 2], "drawCursor(101,200)");

    event(EventType::padButton, padDown);
    EXPECT_TRUE(focusShown());
    event(EventType::buttonDown);
    EXPECT_FALSE(focusShown());
}

TEST_F(FrameDriverTest, PauseActsAtOnceAndBackAndHintWaitWithoutShowingTheFocus)
{
    event(EventType::key, keyP);
    EXPECT_EQ(paused, 1);
    event(EventType::padButton, padStart);
    EXPECT_EQ(paused, 0);
    event(EventType::key, keyH);
    event(EventType::padButton, padB);
    EXPECT_FALSE(focusShown());
    runFrame();
    EXPECT_EQ(trace, concat({drawOrder,
                             hoverOrder,
                             actionChain("hint"),
                             {"stepTransition", "captureTransition", "drawCursor(100,200)", "present"}}));
    trace.clear();
    transitionActive = 1;
    runFrame();  // like a click, the waiting Back is dropped during a transition
    transitionActive = 0;
    trace.clear();
    runFrame();
    EXPECT_EQ(trace, concat({drawOrder,
                             hoverOrder,
                             {"stepTransition", "captureTransition", "drawCursor(100,200)", "present"}}));
}

TEST_F(FrameDriverTest, WhileANameCanBeTypedTheKeysTypeAndEnterCommits)
{
    currentScreen = screenGame;
    gamePhase = phaseTimeUp;
    for (int code : {keyH, keySpace, keyP, keyLeft, keyEscape}) {
        event(EventType::key, code);
    }
    EXPECT_EQ(paused, 0);
    EXPECT_FALSE(focusShown());
    event(EventType::key, keyPause);
    EXPECT_EQ(paused, 1);
    runFrame();
    for (const std::string& call : trace) {
        EXPECT_EQ(call.find("act"), std::string::npos) << call;
    }
    trace.clear();
    nameEntryActive = 1;
    event(EventType::key, keyEnter);
    EXPECT_EQ(trace, (std::vector<std::string>{"commitName", "writeSaveFile"}));
}

TEST_F(FrameDriverTest, ControllerEditsTheOpenNamePanelAndAOrStartEntersIt)
{
    currentScreen = screenHighScores;
    nameEntryActive = 1;
    gamePhase = phaseTimeUp;
    for (int code : {padUp, padDown, padRight, padLeft, padB, padY}) {
        event(EventType::padButton, code);
    }
    EXPECT_EQ(trace, (std::vector<std::string>{"editName(up)", "editName(down)", "editName(right)",
                                               "editName(left)", "editName(back)", "editName(hint)"}));
    trace.clear();
    event(EventType::padButton, padStart);
    EXPECT_EQ(trace, (std::vector<std::string>{"commitName", "writeSaveFile"}));
    EXPECT_EQ(paused, 0);
    // Not on the high scores, a stale panel leaves the controller to the game.
    nameEntryActive = 1;
    currentScreen = screenGame;
    gamePhase = phasePlay;
    endOfGameFlag = 0;
    trace.clear();
    event(EventType::padButton, padA);
    EXPECT_TRUE(trace.empty());
    EXPECT_TRUE(focusShown());
}

TEST_F(FrameDriverTest, KeysLeaveAStalePanelOrTheEndPictureToTheScreenShown)
{
    // A name panel left open behind a new game: the arrows and Enter play.
    currentScreen = screenGame;
    nameEntryActive = 1;
    event(EventType::key, keyEnter);
    EXPECT_TRUE(focusShown());
    event(EventType::key, keyLeft);
    runFrame();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "gameAction(left)"), trace.end());
    // The end picture takes typing, but Enter presses its button.
    nameEntryActive = 0;
    endOfGameFlag = 1;
    trace.clear();
    event(EventType::key, keyEnter);
    runFrame();
    EXPECT_NE(std::find(trace.begin(), trace.end(), "actEndPicture(press)"), trace.end());
}
