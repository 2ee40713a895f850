// A session played through SDL's own event queue with the real clock, recorded,
// and replayed by the headless driver: the replay must end in the same state and
// the same picture, including a spell in the background.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "event_probe.h"
#include "game/board_change.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "graphics/display.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "replay_state.h"
#include "shell/shell.h"
#include "test_support.h"

namespace {
// One thing the player does, once the game is ready for it.
struct Step {
    std::function<bool()> ready;
    std::function<void()> act;
};

bool always()
{
    return true;
}

bool settledOn(int screen)
{
    return currentScreen == screen && !transitionActive && !dropIn;
}

std::vector<Step> clickAt(int x, int y, const std::function<bool()>& ready)
{
    return {{ready, [=]() { probeWarpPointer(x, y); }},
            {always, []() { probePushButton(true); }},
            {always, []() { probePushButton(false); }}};
}
}  // namespace

TEST(Recorder, PlayedSessionReplaysToTheSameStateAndPicture)
{
    ScratchDir scratch;
    const std::string live = scratch.path() + "/live";
    const std::string again = scratch.path() + "/again";
    const std::string script = scratch.path() + "/session.script";
    ASSERT_EQ(mkdir(live.c_str(), 0755), 0);
    ASSERT_EQ(mkdir(again.c_str(), 0755), 0);
    ASSERT_TRUE(linkGameData(live));
    ASSERT_TRUE(linkGameData(again));
    ASSERT_EQ(chdir(live.c_str()), 0);
    setenv("PLUMBRIX_RECORD", script.c_str(), 1);
    // A controller's events reach a game whose window SDL's headless driver
    // never gives the keyboard focus.
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
    recordSounds();
    ASSERT_TRUE(startGame());
    unsetenv("PLUMBRIX_RECORD");
    ASSERT_TRUE(probeWarpPointer(0, 0));

    // Title, New Game, untimed, Start, a swap on the board, the cursor and a
    // swap by keys, a controller plugged in, played by its buttons and its
    // stick, pulled out and plugged in again, the pause key both ways, typing,
    // the background and back, and a repaint.
    std::vector<Step> steps;
    auto add = [&steps](const std::vector<Step>& more) {
        steps.insert(steps.end(), more.begin(), more.end());
    };
    add(clickAt(320, 440, always));
    add(clickAt(170, 257, []() { return settledOn(screenMainMenu); }));
    add(clickAt(319, 174, []() { return currentScreen == screenSetUp; }));
    add(clickAt(407, 402, always));
    add(clickAt(261, 29, []() { return settledOn(screenGame); }));
    add(clickAt(311, 29, always));
    auto key = [](ProbeKey k) { return Step{always, [k]() { probePushKey(k); }}; };
    auto button = [](ProbePadButton b, bool down) {
        return Step{always, [b, down]() { probePadButton(b, down); }};
    };
    auto stick = [](int x, int y) { return Step{always, [x, y]() { probePadStick(x, y); }}; };
    auto idle = []() { return settledOn(screenGame) && selectState == 0 && !falling; };
    add({{idle, []() { probePushKey(ProbeKey::right); }},
         key(ProbeKey::down),
         key(ProbeKey::enter),
         key(ProbeKey::left)});
    add({{idle, []() { ASSERT_TRUE(probeAttachPad()); }},
         button(ProbePadButton::dpadDown, true),
         button(ProbePadButton::dpadDown, false),
         stick(30000, 0),
         stick(0, 0),
         {always, []() { probeDetachPad(); }},
         {always, []() { ASSERT_TRUE(probeAttachPad()); }},
         button(ProbePadButton::a, true),
         button(ProbePadButton::a, false),
         stick(0, -30000),
         stick(0, 0),
         {always, []() { probeDetachPad(); }}});
    add({{idle, []() { probePushKey(ProbeKey::pause); }},
         {always, []() { probePushKey(ProbeKey::pause); }},
         {always, []() { probePushText("A"); }},
         {always, []() { probePushText(" "); }},
         {always, []() { probePushText("#"); }},
         {always, []() { probePushKey(ProbeKey::backspace); }},
         {always, []() { probePushKey(ProbeKey::enter); }},
         {always,
          []() {
              probePushWindowEvent(ProbeWindowEvent::focusLost);
              probeRefocusAfter(50);
          }},
         {always, []() { probePushWindowEvent(ProbeWindowEvent::exposed); }}});

    // The program's own loop, with the player acting between passes; a few
    // dozen frames follow the last step.
    constexpr long passLimit = 20000;
    constexpr long framesAfterLastStep = 40;
    size_t next = 0;
    long pass = 0;
    long lastPass = passLimit;
    for (; pass < passLimit && pass <= lastPass; ++pass) {
        if (next < steps.size() && steps[next].ready()) {
            steps[next++].act();
            if (next == steps.size()) {
                lastPass = pass + framesAfterLastStep;
            }
        }
        ASSERT_TRUE(processEvents());
        if (!appActive || !appReady) {
            platformWaitEvent();
        } else {
            platformBeginFrame();
            runFrame();
        }
        probeSleep(2);
    }
    ASSERT_EQ(next, steps.size()) << "the session stalled at step " << next;
    const long frames = pass;
    ASSERT_TRUE(writeGameState((scratch.path() + "/live.state").c_str()));
    ASSERT_TRUE(platformSaveBmp(backBuffer->surface, (scratch.path() + "/live.bmp").c_str()));
    destroyGameWindow();
    platformShutdown();

    const std::string recorded = readFileText(script);
    EXPECT_NE(recorded.find("#! ticks "), std::string::npos);
    EXPECT_NE(recorded.find("#! frames " + std::to_string(frames)), std::string::npos);
    EXPECT_NE(recorded.find("focus lost"), std::string::npos);
    EXPECT_NE(recorded.find("char 35"), std::string::npos);  // "#" cannot go as text
    for (const char* line : {"key right", "key enter", "pad dpdown", "pad dpright", "pad a", "pad dpup"}) {
        EXPECT_NE(recorded.find(line), std::string::npos) << line;
    }

    const std::string command = std::string(PLUMBRIX_REPLAY) + " --data " + again + " --script " + script +
                                " --state " + std::to_string(frames - 1) + ":" + scratch.path() +
                                "/replayed.state --shot " + std::to_string(frames - 1) + ":" +
                                scratch.path() + "/replayed.bmp 2>" + scratch.path() + "/stderr";
    ASSERT_EQ(std::system(command.c_str()), 0) << readFileText(scratch.path() + "/stderr");
    const GameState liveState = readGameState(scratch.path() + "/live.state");
    EXPECT_EQ(stateInt(liveState, "currentScreen"), screenGame);
    const std::vector<int> sounds = soundIds(liveState);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), 9), sounds.end());  // the board took the click
    EXPECT_EQ(readGameState(scratch.path() + "/replayed.state"), liveState);
    EXPECT_TRUE(readFileText(scratch.path() + "/replayed.bmp") == readFileText(scratch.path() + "/live.bmp"));
}
