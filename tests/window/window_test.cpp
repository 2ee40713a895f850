// The real game in a real window on a virtual X server: either way of
// presenting shows exactly the replay's picture, and a click in a resized
// window lands on the board cell under the pointer.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "base/layout.h"
#include "game/board.h"
#include "platform/picture_fit.h"
#include "screen_waits.h"
#include "x_session.h"

namespace {
class RealWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!onPath("xdotool")) {
            return;
        }
        x = new XServer("1280x1024x24");
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        ready = x->ready();
    }

    static void TearDownTestSuite()
    {
        delete x;
        x = nullptr;
    }

    void SetUp() override
    {
        if (!ready) {
            GTEST_SKIP() << "needs Xvfb, openbox and xdotool";
        }
        char pattern[] = "/tmp/plumbrix-window-test-XXXXXX";
        w.folder = mkdtemp(pattern);
        for (const char* entry : {"bmp", "sound", "music", "ReadMe.htm"}) {
            ASSERT_EQ(
                symlink((std::string(PLUMBRIX_DATA) + "/" + entry).c_str(), (w.folder + "/" + entry).c_str()),
                0);
        }
        run("xdotool mousemove 0 0");
    }

    void TearDown() override
    {
        stop(game);
        // A failure keeps the folder with the last grab and the game's output.
        if (HasFailure()) {
            std::printf("kept %s\n", w.folder.c_str());
        } else if (!w.folder.empty()) {
            run("rm -rf '" + w.folder + "'");
        }
    }

    // Starts the game in the folder and waits for its first picture. Its
    // output goes to a file, so no pipe of the test runner stays open.
    void startGame(const char* presentPath)
    {
        setenv("PLUMBRIX_PRESENT", presentPath, 1);
        const std::string failure = launchGame(w.folder, game, w.id);
        ASSERT_TRUE(failure.empty()) << failure;
        ASSERT_GT(game, 0);
    }

    // A press held as a hand holds it, at a picture position scaled into the window.
    void press(int x, int y)
    {
        run(pointerTo(w, x, y) + " mousedown 1");
        pause(150);
        run("xdotool mouseup 1");
        pause(100);
    }

    // Points at a button and presses it once it lights: the game takes
    // clicks again once the transition before is over.
    ::testing::AssertionResult pressLit(const std::string& step, int x, int y, const Screen& lit)
    {
        run(pointerTo(w, x, y));
        ::testing::AssertionResult ready = reaches(w, "pointing at " + step, lit);
        if (ready) {
            press(x, y);
        }
        return ready;
    }

    static inline XServer* x = nullptr;
    static inline bool ready = false;
    GameWindow w;
    pid_t game = -1;
};

// The title's button shows one of two frames; the driver gives both.
Screen titleOf(const std::string& folder, long first, long second)
{
    Screen title{"the title", referenceShot(folder, first), {wholePicture}, {}, {}, {}};
    const Area button{layout::titleButtonAt.x, layout::titleButtonAt.y,
                      layout::titleButtonAt.x + layout::titleButtonW,
                      layout::titleButtonAt.y + layout::titleButtonH};
    title.animated = {button};
    const Picture other = referenceShot(folder, second);
    const Picture reference = title.reference;
    title.alsoShows = [=](const Picture& p) {
        return differences(p, reference, button) == 0 || differences(p, other, button) == 0;
    };
    return title;
}

TEST_F(RealWindow, BothWaysOfPresentingShowTheReplaysPicture)
{
    ASSERT_EQ(driveReferences(w.folder, "#! dt 0.0078125\n#! frames 41\n#! shots 5 40\n"), "");
    const Screen title = titleOf(w.folder, 5, 40);
    const Picture frames[2] = {referenceShot(w.folder, 5), referenceShot(w.folder, 40)};
    ASSERT_EQ(frames[0].width, pictureWidth);
    ASSERT_NE(differingPixels(frames[0], frames[1]), 0);

    for (const char* path : {"surface", "renderer"}) {
        startGame(path);
        const std::string said = slurp(w.folder + "/game.log");
        EXPECT_NE(said.find(std::string(path) == "surface" ? "window surface" : "renderer"),
                  std::string::npos)
            << path << ": " << said;
        ASSERT_TRUE(reaches(w, std::string("presenting through the ") + path, title));
        // Held against the driver's pictures exactly, not at the display's precision.
        const long off = std::min(differingPixels(w.shown, frames[0]), differingPixels(w.shown, frames[1]));
        EXPECT_EQ(off, 0) << path << ": pixels unlike the replay's";
        stop(game);
        game = -1;
    }
}

TEST_F(RealWindow, AClickInAResizedWindowChoosesTheCellUnderIt)
{
    // The driver's road to an untimed game of six kinds (the set-up's
    // choices at first), with the pointer where the test puts it.
    ASSERT_EQ(driveReferences(w.folder, R"(#! dt 0.015625
#! frames 520
#! shots 5 40 60 200 230 500 510
50 move 320 440
70 click 320 440
190 move 170 255
210 click 170 255
220 move 400 400
240 click 400 400
250 move 150 30
505 move 60 420
)"),
              "");
    const auto shot = [&](long frame) { return referenceShot(w.folder, frame); };
    const Screen title = titleOf(w.folder, 5, 40);
    const Screen titleLit{"the title's button lit", shot(60), {title.animated[0]}, {}, {}, {}};
    const Screen newGameLit{"the menu with New Game lit", shot(200), {wholePicture}, {}, {}, {}};
    const Screen startLit{"the set-up panel with Start lit",
                          shot(230),
                          {{layout::setUpStart.rect().l, layout::setUpStart.rect().t,
                            layout::setUpStart.rect().r, layout::setUpStart.rect().b}},
                          {},
                          {},
                          {}};
    // The dealt pieces are this game's own; the figure blinks by itself.
    const Area boardArea{layout::boardArea.l, layout::boardArea.t, layout::boardArea.r, layout::boardArea.b};
    const Area eyes{layout::blinkAt.x, layout::blinkAt.y, layout::blinkAt.x + layout::blinkW,
                    layout::blinkAt.y + layout::blinkH};
    const Screen board{
        "the board with no transition running", shot(500), {wholePicture}, {eyes}, {boardArea}, {}};
    const Screen boardIdle{"the board's menu button lit",
                           shot(510),
                           {{layout::menuButtonHit.l, layout::menuButtonHit.t, layout::menuButtonHit.r,
                             layout::menuButtonHit.b}},
                           {},
                           {},
                           {}};

    // Title, menu, set-up and the drop-in at the picture's own size, where
    // each screen can be held against the driver's.
    startGame("surface");
    ASSERT_TRUE(reaches(w, "starting the game", title));
    ASSERT_TRUE(pressLit("the title's button", 320, 440, titleLit));
    ASSERT_TRUE(pressLit("New Game", 170, 255, newGameLit));
    ASSERT_TRUE(pressLit("Start", 400, 400, startLit));
    run(pointerTo(w, 150, 30));
    ASSERT_TRUE(reaches(w, "Start", board));
    // The menu button lights only while the board takes clicks.
    run(pointerTo(w, 60, 420));
    ASSERT_TRUE(reaches(w, "Start", boardIdle));
    run(pointerTo(w, 150, 30));
    ASSERT_TRUE(reaches(w, "the pointer leaving the menu button", board));

    // A smoothly scaled picture matches no driver's picture pixel for pixel:
    // the resized window has arrived once it has the new size and its board,
    // idle before, holds still between grabs.
    run("xdotool windowsize " + std::to_string(w.id) + " 1000 750");
    PictureFit fit;
    Picture before;
    const auto boardStill = [&](const Picture& a, const Picture& b) {
        for (int y = fit.y + boardArea.top * fit.height / pictureHeight;
             y < fit.y + boardArea.bottom * fit.height / pictureHeight; ++y) {
            for (int x = fit.x + boardArea.left * fit.width / pictureWidth;
                 x < fit.x + boardArea.right * fit.width / pictureWidth; ++x) {
                if (a.at(x, y) != b.at(x, y)) {
                    return false;
                }
            }
        }
        return true;
    };
    ASSERT_TRUE(
        waitFor(w, "resizing the window", "the board scaled smoothly and at rest", [&](const Picture& p) {
            fit = fitPicture(p.width, p.height);
            const bool still = p.width == 1000 && p.height == 750 && !fit.sharp && before.width == p.width &&
                               before.height == p.height && boardStill(before, p);
            before = p;
            return still;
        }));

    constexpr int column = 5;
    constexpr int row = 2;
    const layout::Point cell = layout::cellArea(column, row).middle();
    press(cell.x, cell.y);
    const auto inCell = [&](int px, int py) {
        const int left = boardLeft + column * cellSize - 1;
        const int top = boardTop + row * cellSize - 1;
        return px >= left && py >= top && px <= left + cellSize + 1 && py <= top + cellSize + 1;
    };
    ASSERT_TRUE(waitFor(w, "the click on a cell", "the cell picked", [&](const Picture& p) {
        if (p.width != before.width || p.height != before.height) {
            return false;
        }
        for (size_t i = 0; i < p.rgb.size(); ++i) {
            const int px = (int(i) % p.width - fit.x) * pictureWidth / fit.width;
            const int py = (int(i) / p.width - fit.y) * pictureHeight / fit.height;
            if (p.rgb[i] != before.rgb[i] && inCell(px, py)) {
                return true;
            }
        }
        return false;
    }));
    const Picture after = w.shown;

    // Every change on the board lies in the chosen cell (smoothing may reach
    // a picture pixel past its edge).
    std::map<std::pair<int, int>, long> changedCells;
    long outside = 0;
    for (int y = fit.y; y < fit.y + fit.height; ++y) {
        for (int x = fit.x; x < fit.x + fit.width; ++x) {
            if (before.at(x, y) == after.at(x, y)) {
                continue;
            }
            const int px = (x - fit.x) * pictureWidth / fit.width;
            const int py = (y - fit.y) * pictureHeight / fit.height;
            if (px < boardLeft || py < boardTop || px >= boardLeft + boardColumns * cellSize ||
                py >= boardTop + boardRows * cellSize) {
                continue;
            }
            if (!inCell(px, py)) {
                ++outside;
            }
            ++changedCells[{(px - boardLeft) / cellSize, (py - boardTop) / cellSize}];
        }
    }
    ASSERT_FALSE(changedCells.empty());
    EXPECT_EQ(outside, 0);
    EXPECT_GT(changedCells[std::make_pair(column, row)], 0);
}
}  // namespace
