// The one game window: creation, the windowed and full-screen modes, input
// events, the pointer, message boxes and opening files with the desktop.
// The window may be resized; the picture is always 640x480 and is scaled to
// fit, so the game never learns the window's real size.
#pragma once
#include <cstdint>

enum class EventType {
    activate,    // the game came to the foreground
    deactivate,  // the game went to the background or was minimised
    quit,        // close box, SIGTERM, SIGINT
    buttonDown,  // left mouse button pressed
    buttonUp,    // left mouse button released
    character,   // typed character; code 32..126, or 8 for Backspace
    key,         // a key the game reads beyond typing; code is a KeyCode
    padButton,   // a game controller's button; code is a PadCode
    expose,      // the window needs painting again
};

// The character event's code for Backspace.
constexpr int backspaceCode = 8;

// The keys the game reads besides typed characters. A held arrow repeats as
// the desktop repeats keys; the others report each press once.
enum KeyCode : int {
    keyUp,
    keyDown,
    keyLeft,
    keyRight,
    keyEnter,
    keySpace,
    keyEscape,
    keyH,
    keyP,
    keyPause,
    keyCodes
};

// A game controller's buttons by the place SDL's mapping gives them. The left
// stick arrives as the d-pad, and a held direction repeats like a key.
enum PadCode : int { padA, padB, padY, padStart, padUp, padDown, padLeft, padRight, padCodes };

// The names a replay script and a recorded session give them ("key left",
// "pad dpleft"); -1 for a name that is none of them.
const char* keyName(int code);
const char* padButtonName(int code);
int keyNamed(const char* name);
int padButtonNamed(const char* name);

struct PlatformEvent {
    EventType type;
    int code;
};

// Where a window sits on the desktop when it is neither full screen nor
// maximised, and whether it is maximised.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximised = false;
};

bool platformInit();
void platformShutdown();
// Without a placement given first, the window opens centred, at a size that
// suits the display's density. A placement that is off every display is ignored.
void platformSetWindowPlacement(const WindowPlacement& placement);
// The window is shown with its first picture, never empty.
bool platformCreateWindow(const char* caption);
void platformDestroyWindow();
// The windowed placement to remember; false without a real desktop.
bool platformWindowPlacement(WindowPlacement& placement);
// Windowed: the window keeps (or regains) its placement. Full screen: the
// desktop's own mode. Either way the picture is scaled to fit, black around it.
bool platformSetWindowMode(bool fullscreen);

bool platformPollEvent(PlatformEvent& event);
void platformWaitEvent();
// The program's loop calls this right before each frame. While a session is
// recorded (PLUMBRIX_RECORD names the script file), the frame time is taken here.
void platformBeginFrame();

// Pointer position in picture coordinates, polled once per frame. outside is
// true when the window lacks the mouse or the point is off the picture.
void platformPointer(int& x, int& y, bool& outside);
void platformShowSystemCursor(bool show);

int platformDesktopDepth();
int platformDesktopWidth();

// Modal box; without a display the text goes to stderr and OK is assumed.
void platformMessageBox(const char* caption, const char* text, bool warning);
// Opens a file in the working directory with the desktop's default handler.
void platformOpenFile(const char* relativePath);

// No display and no sound card: SDL's dummy drivers and OpenAL's null
// backend, unless the environment already names others. Before platformInit.
void platformChooseHeadless();

// Scripted input for reproducible runs: real input is then ignored. Called
// before platformInit, it also leaves SIGTERM and SIGINT their usual meaning.
void platformSimulateInput();
void platformInjectEvent(const PlatformEvent& event);
void platformSetSimulatedPointer(int x, int y, bool inside);
