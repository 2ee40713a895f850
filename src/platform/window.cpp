// The SDL window and its placement, the event source (real or scripted) and
// the pointer, mapped back through the picture's fit.
#include "platform/window.h"

#include <SDL.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

#include "platform/internal.h"
#include "platform/picture_fit.h"

namespace {
// The smallest window still shows the picture at half its size.
constexpr int smallestWidth = pictureWidth / 2;
constexpr int smallestHeight = pictureHeight / 2;
// Room left on the desktop for the window's frame and the panels.
constexpr int desktopMarginPercent = 10;

SDL_Window* window = nullptr;
bool isFullscreen = false;
bool waitingForFirstPicture = false;

// The placement asked for before the window existed, and the one it has had
// most recently while windowed and neither maximised nor minimised.
bool placementGiven = false;
WindowPlacement wanted;
WindowPlacement normal;
bool maximised = false;

bool simulatedInput = false;
std::deque<PlatformEvent> injected;
int simulatedX = 0;
int simulatedY = 0;
bool simulatedInside = false;
bool cursorShown = true;

// True when a good part of the window's top edge (where its title bar is)
// lies on some display, so that the player can reach it.
bool reachable(const WindowPlacement& p)
{
    const int displays = SDL_GetNumVideoDisplays();
    for (int i = 0; i < displays; ++i) {
        SDL_Rect bounds;
        if (SDL_GetDisplayUsableBounds(i, &bounds) != 0) {
            continue;
        }
        const int left = SDL_max(p.x, bounds.x);
        const int right = SDL_min(p.x + p.width, bounds.x + bounds.w);
        if (right - left >= smallestWidth / 2 && p.y >= bounds.y &&
            p.y < bounds.y + bounds.h - smallestHeight / 2) {
            return true;
        }
    }
    return false;
}

// The first window: centred, scaled up on a dense display.
WindowPlacement defaultPlacement()
{
    WindowPlacement p;
    float dpi = 0;
    SDL_Rect usable{0, 0, pictureWidth, pictureHeight};
    SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr);
    SDL_GetDisplayUsableBounds(0, &usable);
    const int scale = comfortableScale(dpi, usable.w - usable.w * desktopMarginPercent / 100,
                                       usable.h - usable.h * desktopMarginPercent / 100);
    p.width = pictureWidth * scale;
    p.height = pictureHeight * scale;
    p.x = usable.x + (usable.w - p.width) / 2;
    p.y = usable.y + (usable.h - p.height) / 2;
    return p;
}

void rememberPlacement()
{
    const Uint32 flags = SDL_GetWindowFlags(window);
    if (flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) {
        return;
    }
    maximised = (flags & SDL_WINDOW_MAXIMIZED) != 0;
    if (!maximised) {
        // SDL reports where the picture area is, but a new window is placed
        // by its frame: the frame's corner is what brings it back.
        int top = 0;
        int left = 0;
        SDL_GetWindowBordersSize(window, &top, &left, nullptr, nullptr);
        SDL_GetWindowPosition(window, &normal.x, &normal.y);
        normal.x -= left;
        normal.y -= top;
        SDL_GetWindowSize(window, &normal.width, &normal.height);
    }
}

void applyNormalPlacement()
{
    int top = 0;
    int left = 0;
    SDL_GetWindowBordersSize(window, &top, &left, nullptr, nullptr);
    SDL_SetWindowSize(window, normal.width, normal.height);
    SDL_SetWindowPosition(window, normal.x + left, normal.y + top);
}

// Bookkeeping of the window itself, done for real and scripted input alike.
void noteWindowEvent(const SDL_Event& e)
{
    // A reset renderer may have lost the texture's contents.
    if (e.type == SDL_RENDER_TARGETS_RESET || e.type == SDL_RENDER_DEVICE_RESET) {
        rendererReset();
        return;
    }
    if (e.type != SDL_WINDOWEVENT || !window) {
        return;
    }
    switch (e.window.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        redrawWholeWindow();
        rememberPlacement();
        break;
    case SDL_WINDOWEVENT_MOVED:
        rememberPlacement();
        break;
    case SDL_WINDOWEVENT_DISPLAY_CHANGED:
        displayChanged();
        break;
    default:
        break;
    }
}

KeyCode keyCode(SDL_Keycode key)
{
    switch (key) {
    case SDLK_UP:
        return keyUp;
    case SDLK_DOWN:
        return keyDown;
    case SDLK_LEFT:
        return keyLeft;
    case SDLK_RIGHT:
        return keyRight;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return keyEnter;
    case SDLK_SPACE:
        return keySpace;
    case SDLK_ESCAPE:
        return keyEscape;
    case SDLK_h:
        return keyH;
    case SDLK_p:
        return keyP;
    case SDLK_PAUSE:
        return keyPause;
    default:
        return keyCodes;
    }
}

// Only a held arrow repeats; any other key acts once per press.
bool translateKey(const SDL_KeyboardEvent& key, PlatformEvent& out)
{
    const KeyCode code = keyCode(key.keysym.sym);
    const bool arrow = code == keyUp || code == keyDown || code == keyLeft || code == keyRight;
    if (code == keyCodes || (key.repeat && !arrow)) {
        return false;
    }
    out = {EventType::key, code};
    return true;
}

bool translate(const SDL_Event& e, PlatformEvent& out)
{
    switch (e.type) {
    case SDL_QUIT:
        out = {EventType::quit, 0};
        return true;
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SHOWN:
            out = {EventType::activate, 0};
            return true;
        // A window nobody can see draws nothing and sleeps.
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
        case SDL_WINDOWEVENT_HIDDEN:
            out = {EventType::deactivate, 0};
            return true;
        case SDL_WINDOWEVENT_EXPOSED:
            out = {EventType::expose, 0};
            return true;
        case SDL_WINDOWEVENT_CLOSE:
            out = {EventType::quit, 0};
            return true;
        default:
            return false;
        }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT) {
            return false;
        }
        out = {e.type == SDL_MOUSEBUTTONDOWN ? EventType::buttonDown : EventType::buttonUp, 0};
        return true;
    case SDL_TEXTINPUT:
        // Only printable ASCII reaches the game; longer UTF-8 input is dropped.
        if (e.text.text[0] >= 32 && e.text.text[0] <= 126 && e.text.text[1] == 0) {
            out = {EventType::character, e.text.text[0]};
            return true;
        }
        return false;
    case SDL_KEYDOWN:
        if (e.key.keysym.sym == SDLK_BACKSPACE) {
            out = {EventType::character, backspaceCode};
            return true;
        }
        return translateKey(e.key, out);
    default:
        return false;
    }
}
}  // namespace

SDL_Window* gameWindow()
{
    return window;
}

bool realDesktop()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
}

bool platformInit()
{
    // Scripted input never reads the quit request SDL would make of SIGTERM
    // and SIGINT, so a scripted run leaves them their usual meaning.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, simulatedInput ? "1" : "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // A click that brings the window to the front also counts as a click, as
    // on any Windows program; SDL would drop it on Windows, and on X when it
    // comes just after the focus.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The window surface stays a plain shared-memory image; SDL would
    // otherwise put it on OpenGL, which without a GPU is a software
    // rasteriser that costs far more than it saves.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        return false;
    }
    if (!simulatedInput) {
        recorderStart();
        openGamePads();
    }
    return true;
}

void platformShutdown()
{
    recorderStop();
    closeGamePads();
    platformDestroyWindow();
    SDL_Quit();
}

void platformSetWindowPlacement(const WindowPlacement& placement)
{
    wanted = placement;
    placementGiven = true;
}

bool platformCreateWindow(const char* caption)
{
    normal = defaultPlacement();
    if (placementGiven && wanted.width >= smallestWidth && wanted.height >= smallestHeight &&
        reachable(wanted)) {
        normal = wanted;
        maximised = wanted.maximised;
    }
    // Made hidden: it is shown with its first picture.
    window = SDL_CreateWindow(caption, normal.x, normal.y, normal.width, normal.height,
                              SDL_WINDOW_HIDDEN | windowStyle());
    if (!window) {
        return false;
    }
    SDL_SetWindowMinimumSize(window, smallestWidth, smallestHeight);
    SDL_StartTextInput();
    waitingForFirstPicture = true;
    return true;
}

void platformDestroyWindow()
{
    closePresenter();
    if (window) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
}

bool platformWindowPlacement(WindowPlacement& placement)
{
    if (!window || !realDesktop()) {
        return false;
    }
    rememberPlacement();
    placement = normal;
    placement.maximised = maximised;
    return true;
}

bool platformSetWindowMode(bool fullscreen)
{
    if (!window) {
        return false;
    }
    const bool wasFullscreen = isFullscreen;
    isFullscreen = fullscreen;
    if (fullscreen) {
        rememberPlacement();
        if (!enterFullscreen(window)) {
            return false;
        }
    } else {
        leaveFullscreen(window);
        if (wasFullscreen) {
            applyNormalPlacement();
        }
    }
    if (!openPresenter(window)) {
        return false;
    }
    redrawWholeWindow();
    if (waitingForFirstPicture) {
        // The system hands the foreground to a window it shows, and the game
        // learns of it before its first frame, which shows the window.
        injected.push_back({EventType::activate, 0});
    }
    return true;
}

void revealWindow()
{
    if (!waitingForFirstPicture || !window) {
        return;
    }
    waitingForFirstPicture = false;
    if (maximised && !isFullscreen) {
        SDL_MaximizeWindow(window);
    }
    SDL_ShowWindow(window);
    redrawWholeWindow();
}

bool platformPollEvent(PlatformEvent& event)
{
    auto takeInjected = [&event]() {
        if (injected.empty()) {
            return false;
        }
        event = injected.front();
        injected.pop_front();
        return true;
    };
    // A replay delivers the platform's own events before the recorded ones.
    if (recorderPoll() && takeInjected()) {
        return true;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        noteWindowEvent(e);
        if (simulatedInput) {
            continue;
        }
        if (translatePadEvent(e, event) || translate(e, event)) {
            recorderEvent(event);
            return true;
        }
    }
    if (!simulatedInput && padRepeatDue(event)) {
        recorderEvent(event);
        return true;
    }
    return takeInjected();
}

void platformWaitEvent()
{
    if (!simulatedInput && injected.empty()) {
        SDL_WaitEvent(nullptr);
    }
    recorderWaited();
}

void platformPointer(int& x, int& y, bool& outside)
{
    if (simulatedInput) {
        x = simulatedX;
        y = simulatedY;
        outside = !simulatedInside || x < 0 || y < 0 || x >= pictureWidth || y >= pictureHeight;
        return;
    }
    int wx = 0;
    int wy = 0;
    SDL_GetMouseState(&wx, &wy);
    // Window coordinates to drawable pixels (they differ on dense displays),
    // then back through the picture's fit.
    int winW = pictureWidth;
    int winH = pictureHeight;
    int outW = pictureWidth;
    int outH = pictureHeight;
    PictureFit fit;
    if (window) {
        SDL_GetWindowSize(window, &winW, &winH);
        fit = windowFit(outW, outH);
    }
    const double px = winW > 0 ? (wx + 0.5) * outW / winW : wx;
    const double py = winH > 0 ? (wy + 0.5) * outH / winH : wy;
    const bool onPicture = outputToPicture(fit, px, py, x, y);
    const bool focused = window && SDL_GetMouseFocus() == window;
    outside = !focused || !onPicture;
    recorderPointer(x, y, outside);
}

void platformShowSystemCursor(bool show)
{
    if (show != cursorShown) {
        cursorShown = show;
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
    }
}

int platformDesktopDepth()
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return 32;
    }
    const int bits = SDL_BITSPERPIXEL(mode.format);
    return bits == 24 ? 32 : bits;
}

int platformDesktopWidth()
{
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return pictureWidth;
    }
    return mode.w;
}

bool inputSimulated()
{
    return simulatedInput;
}

void platformChooseHeadless()
{
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
    SDL_setenv("ALSOFT_DRIVERS", "null", 0);
}

void platformSimulateInput()
{
    simulatedInput = true;
}

void platformInjectEvent(const PlatformEvent& event)
{
    injected.push_back(event);
}

void platformSetSimulatedPointer(int x, int y, bool inside)
{
    simulatedX = x;
    simulatedY = y;
    simulatedInside = inside;
}
