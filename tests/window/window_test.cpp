// The real game in a real window on a virtual X server: either way of
// presenting shows exactly the replay's picture, and a click in a resized
// window lands on the board cell under the pointer.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "game/board.h"
#include "platform/picture_fit.h"
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
        folder = mkdtemp(pattern);
        for (const char* entry : {"bmp", "sound", "music", "ReadMe.htm"}) {
            ASSERT_EQ(
                symlink((std::string(PLUMBRIX_DATA) + "/" + entry).c_str(), (folder + "/" + entry).c_str()),
                0);
        }
        run("xdotool mousemove 0 0");
    }

    void TearDown() override
    {
        stop(game);
        if (!folder.empty()) {
            run("rm -rf '" + folder + "'");
        }
    }

    // Starts the game in the folder and waits for its first picture. Its
    // output goes to a file, so no pipe of the test runner stays open.
    void startGame(const char* presentPath)
    {
        setenv("PLUMBRIX_PRESENT", presentPath, 1);
        const std::string failure = launchGame(folder, game, window);
        ASSERT_TRUE(failure.empty()) << failure;
        ASSERT_GT(game, 0);
    }

    Picture grab()
    {
        const std::string file = folder + "/window.ppm";
        if (run(std::string(PLUMBRIX_PROBE) + " grab " + std::to_string(window) + " " + file) != 0) {
            return Picture{};
        }
        return readPpm(file);
    }

    // A press held as a hand holds it, at a picture position scaled into the window.
    void press(const PictureFit& fit, int x, int y)
    {
        const int wx = fit.x + int((x + 0.5) * fit.width / pictureWidth);
        const int wy = fit.y + int((y + 0.5) * fit.height / pictureHeight);
        run("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(wx) + " " +
            std::to_string(wy) + " mousedown 1");
        pause(60);
        run("xdotool mouseup 1");
    }

    static inline XServer* x = nullptr;
    static inline bool ready = false;
    std::string folder;
    pid_t game = -1;
    unsigned long window = 0;
};

TEST_F(RealWindow, BothWaysOfPresentingShowTheReplaysPicture)
{
    // The title's button shows one of two frames; the replay gives both.
    const std::string shots = folder + "/shot";
    ASSERT_EQ(run(std::string(PLUMBRIX_REPLAY) + " --data " + folder + " --frames 41 --shot 5:" + shots +
                  "0.bmp --shot 40:" + shots + "1.bmp 2>/dev/null"),
              0);
    const Picture frames[2] = {readBmp(shots + "0.bmp"), readBmp(shots + "1.bmp")};
    ASSERT_EQ(frames[0].width, pictureWidth);
    ASSERT_NE(differingPixels(frames[0], frames[1]), 0);

    for (const char* path : {"surface", "renderer"}) {
        startGame(path);
        const std::string said = slurp(folder + "/game.log");
        EXPECT_NE(said.find(std::string(path) == "surface" ? "window surface" : "renderer"),
                  std::string::npos)
            << path << ": " << said;
        pause(300);
        const Picture shown = grab();
        ASSERT_EQ(shown.width, pictureWidth) << path;
        ASSERT_EQ(shown.height, pictureHeight) << path;
        const long off = std::min(differingPixels(shown, frames[0]), differingPixels(shown, frames[1]));
        EXPECT_EQ(off, 0) << path << ": pixels unlike the replay's";
        stop(game);
        game = -1;
    }
}

TEST_F(RealWindow, AClickInAResizedWindowChoosesTheCellUnderIt)
{
    startGame("surface");
    run("xdotool windowsize " + std::to_string(window) + " 1000 750");
    pause(500);
    Picture shown = grab();
    ASSERT_GT(shown.width, pictureWidth);
    const PictureFit fit = fitPicture(shown.width, shown.height);
    ASSERT_FALSE(fit.sharp);

    // Title, menu, set-up: an untimed game with six kinds, then its drop-in.
    press(fit, 320, 440);
    pause(2500);
    press(fit, 170, 255);
    pause(2500);
    press(fit, 300, 175);
    pause(300);
    press(fit, 320, 280);
    pause(300);
    press(fit, 400, 400);
    pause(6000);

    const Picture before = grab();
    constexpr int column = 5;
    constexpr int row = 2;
    const layout::Point cell = layout::cellArea(column, row).middle();
    press(fit, cell.x, cell.y);
    pause(400);
    const Picture after = grab();
    ASSERT_GT(differingPixels(before, after), 0) << "the click changed nothing";

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
            const int left = boardLeft + column * cellSize - 1;
            const int top = boardTop + row * cellSize - 1;
            if (px < left || py < top || px > left + cellSize + 1 || py > top + cellSize + 1) {
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
