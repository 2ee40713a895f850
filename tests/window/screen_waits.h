// Waiting on a real window for the screen the next step needs: a region of the
// window's picture alike the headless driver's picture of that screen at rest.
// A change alone proves nothing, since the game animates parts of its screens.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/picture_fit.h"
#include "x_session.h"

// A rectangle of the 640x480 picture, right and bottom exclusive.
struct Area {
    int left, top, right, bottom;
};
constexpr Area wholePicture{0, 0, pictureWidth, pictureHeight};

// Pixels that differ inside an area, at the 16-bit display's precision (every
// picture is composed in 5-6-5 and widened differently on the way out); -1
// when either picture is not 640x480.
long differences(const Picture& a, const Picture& b, const Area& area);

// How a screen shows at rest, as the driver draws it.
struct Screen {
    std::string name;
    Picture reference;
    // What must match the reference; everything by default.
    std::vector<Area> regions{wholePicture};
    // Parts that move by themselves (a blinking figure, a draining bar): left
    // out, since they never tell that the screen has arrived.
    std::vector<Area> animated;
    // Parts that belong to this run rather than to the reference (the pieces,
    // the score): left out of the comparison, but they must hold still.
    std::vector<Area> ownState;
    // Anything else the screen must show, when set.
    std::function<bool(const Picture&)> alsoShows;
};

// The game's window, read and driven in picture coordinates.
struct GameWindow {
    std::string folder;  // for the probe's files, and kept when a wait fails
    unsigned long id = 0;
    Picture shown;  // the last grab
    int grabs = 0;
};

PictureFit windowFit(GameWindow& w);
// The window's picture, brought back to 640x480 when the window shows it at a
// whole multiple; otherwise as the window shows it. With PLUMBRIX_WALK_KEEP set,
// every grab stays in the folder's grabs/.
Picture grabWindow(GameWindow& w);
// The xdotool command that puts the pointer on a picture pixel.
std::string pointerTo(GameWindow& w, int x, int y);

// Waits up to ms for the screen, at rest: two grabs in a row, at least 150 ms
// apart, alike the reference in its regions outside the animated parts, alike
// each other in its own state, with whatever else it must show. A failure names
// the step and the screen and keeps the last grab and the reference beside it.
::testing::AssertionResult reaches(GameWindow& w, const std::string& step, const Screen& screen,
                                   int ms = 20000);
// Waits up to ms for a condition on the picture; a failure names the step and
// what it expected, and keeps the last grab.
::testing::AssertionResult waitFor(GameWindow& w, const std::string& step, const std::string& expected,
                                   const std::function<bool(const Picture&)>& test, int ms = 20000);

// Runs the headless driver on a script in FOLDER/refs, with links to the data;
// empty on success, otherwise what it said.
std::string driveReferences(const std::string& folder, const std::string& script);
// One of its screenshots.
Picture referenceShot(const std::string& folder, long frame);
