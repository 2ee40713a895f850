// Stand-ins for every screen and service the frame driver and the window
// events call, recording each call, so the tests can check the driver's order.
#include "fakes.h"

#include <cstdint>

#include "base/actions.h"
#include "game/focus.h"
#include "graphics/sprite.h"
#include "screens/options.h"

std::vector<std::string> trace;
std::map<std::string, bool> takes;

namespace {
void note(const std::string& call)
{
    trace.push_back(call);
}

bool click(const std::string& name)
{
    note(name);
    return takes[name];
}
}  // namespace

uint8_t appReady = 0;
int desktopDepth = 0;
int desktopWidth = 0;
uint8_t dragMusic = 0;
uint8_t dragSound = 0;

void updateMusic(bool menu)
{
    note(menu ? "updateMusic(menu)" : "updateMusic(game)");
}
void drawFpsReadout()
{
    note("drawFpsReadout");
}
void drawTitle()
{
    note("drawTitle");
}
void drawMainMenu()
{
    note("drawMainMenu");
}
void drawHighScores(float)
{
    note("drawHighScores");
}
void drawGameBackdrop(float)
{
    note("drawGameBackdrop");
}
void updateBoard(float)
{
    note("updateBoard");
}
void updateHud(float)
{
    note("updateHud");
}
void drawSetUp()
{
    note("drawSetUp");
}
void drawOptions()
{
    note("drawOptions");
}
void drawEndPicture(float)
{
    note("drawEndPicture");
}
void hoverMainMenu(int, int)
{
    note("hoverMainMenu");
}
void gameHover(int, int)
{
    note("gameHover");
}
void hoverSetUp(int, int)
{
    note("hoverSetUp");
}
void hoverOptions(int, int)
{
    note("hoverOptions");
}
void hoverHighScores(int, int, float)
{
    note("hoverHighScores");
}
void hoverTitle(int, int, float)
{
    note("hoverTitle");
}
void hoverEndPicture(int, int)
{
    note("hoverEndPicture");
}
bool clickSetUp(int, int)
{
    return click("clickSetUp");
}
bool clickHighScores(int, int)
{
    return click("clickHighScores");
}
bool clickOptions(int, int)
{
    return click("clickOptions");
}
bool clickMainMenu(int, int)
{
    return click("clickMainMenu");
}
bool clickTitle(int, int)
{
    return click("clickTitle");
}
bool gameClick(int, int)
{
    return click("gameClick");
}
bool clickEndPicture(int, int)
{
    return click("clickEndPicture");
}
void stepTransition(float)
{
    note("stepTransition");
}
void captureTransition()
{
    note("captureTransition");
}
void drawCursor(int x, int y)
{
    note("drawCursor(" + std::to_string(x) + "," + std::to_string(y) + ")");
}
void present()
{
    note("present");
}
void destroyGameWindow()
{
    note("destroyGameWindow");
}
bool switchDisplayMode(bool)
{
    note("switchDisplayMode");
    return true;
}
void showDepthMessage()
{
    note("showDepthMessage");
}
void removeNameChar()
{
    note("removeNameChar");
}
void appendNameChar(char c)
{
    note(std::string("appendNameChar(") + c + ")");
}
void commitName()
{
    note("commitName");
}
void writeSaveFile()
{
    note("writeSaveFile");
}

namespace {
bool focusOn = false;

const char* actionName(Action action)
{
    static const char* const names[] = {"up", "down", "left", "right", "press", "back", "hint", "pause"};
    return names[int(action)];
}

bool act(const std::string& name, Action action)
{
    return click(name + "(" + actionName(action) + ")");
}

// The focused item of the stand-in screen that is shown, by its name.
bool focusAt(const std::string& name, int& x, int& y)
{
    if (!takes[name]) {
        return false;
    }
    note(name);
    x = 1;
    y = 2;
    return true;
}
}  // namespace

bool focusShown()
{
    return focusOn;
}
void showFocus(bool shown)
{
    focusOn = shown;
}
bool focusTitle(int& x, int& y)
{
    return focusAt("focusTitle", x, y);
}
bool focusMainMenu(int& x, int& y)
{
    return focusAt("focusMainMenu", x, y);
}
bool focusSetUp(int& x, int& y)
{
    return focusAt("focusSetUp", x, y);
}
bool focusOptions(int& x, int& y)
{
    return focusAt("focusOptions", x, y);
}
bool focusHighScores(int& x, int& y)
{
    return focusAt("focusHighScores", x, y);
}
bool focusEndPicture(int& x, int& y)
{
    return focusAt("focusEndPicture", x, y);
}
bool actSetUp(Action action)
{
    return act("actSetUp", action);
}
bool actHighScores(Action action)
{
    return act("actHighScores", action);
}
bool actOptions(Action action)
{
    return act("actOptions", action);
}
bool actMainMenu(Action action)
{
    return act("actMainMenu", action);
}
bool actTitle(Action action)
{
    return act("actTitle", action);
}
bool gameAction(Action action)
{
    return act("gameAction", action);
}
bool actEndPicture(Action action)
{
    return act("actEndPicture", action);
}
bool editName(Action action)
{
    note(std::string("editName(") + actionName(action) + ")");
    return true;
}
