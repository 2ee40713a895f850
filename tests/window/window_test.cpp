// The real game in a real window on a virtual X server: either way of
// presenting shows exactly the replay's picture, and a click in a resized
// window lands on the board cell under the pointer.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game/board.h"
#include "platform/picture_fit.h"

namespace {
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // 0xRRGGBB, rows top-down
    uint32_t at(int x, int y) const
    {
        return rgb[size_t(y) * size_t(width) + size_t(x)];
    }
};

bool onPath(const std::string& tool)
{
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

pid_t spawn(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

void stop(pid_t pid)
{
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid || (kill(pid, 0) != 0)) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

void pause(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int run(const std::string& command)
{
    return std::system(command.c_str());
}

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

uint32_t readLe(const std::string& b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | uint8_t(b[at + size_t(i)]);
    }
    return v;
}

// The replay's 24-bit bottom-up screenshots.
Picture readBmp(const std::string& path)
{
    const std::string b = slurp(path);
    Picture p;
    if (b.size() < 54 || readLe(b, 28, 2) != 24) {
        return p;
    }
    const size_t offset = readLe(b, 10, 4);
    p.width = int(readLe(b, 18, 4));
    p.height = int(readLe(b, 22, 4));
    const size_t stride = (size_t(p.width) * 3 + 3) / 4 * 4;
    if (b.size() < offset + stride * size_t(p.height)) {
        return Picture{};
    }
    for (int y = 0; y < p.height; ++y) {
        const size_t row = offset + stride * size_t(p.height - 1 - y);
        for (int x = 0; x < p.width; ++x) {
            const size_t i = row + size_t(x) * 3;
            p.rgb.push_back(uint32_t(uint8_t(b[i + 2])) << 16 | uint32_t(uint8_t(b[i + 1])) << 8 |
                            uint8_t(b[i]));
        }
    }
    return p;
}

// The probe's binary PPM of a window.
Picture readPpm(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    Picture p;
    int depth = 0;
    if (!(in >> magic >> p.width >> p.height >> depth) || magic != "P6") {
        return Picture{};
    }
    in.get();
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < size_t(p.width) * size_t(p.height) * 3) {
        return Picture{};
    }
    for (size_t i = 0; i + 2 < bytes.size(); i += 3) {
        p.rgb.push_back(uint32_t(uint8_t(bytes[i])) << 16 | uint32_t(uint8_t(bytes[i + 1])) << 8 |
                        uint8_t(bytes[i + 2]));
    }
    return p;
}

long differingPixels(const Picture& a, const Picture& b)
{
    if (a.width != b.width || a.height != b.height) {
        return -1;
    }
    long n = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) {
        n += a.rgb[i] != b.rgb[i] ? 1 : 0;
    }
    return n;
}

class RealWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!onPath("Xvfb") || !onPath("openbox") || !onPath("xdotool")) {
            return;
        }
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        const std::string fd = std::to_string(fds[1]);
        server = spawn({"Xvfb", "-displayfd", fd, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        close(fds[1]);
        // The server writes its display number and a newline once it is ready.
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(fds[0]);
        if (server <= 0 || number.empty()) {
            return;
        }
        setenv("DISPLAY", (":" + number).c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        windowManager = spawn({"openbox"});
        pause(500);
        ready = true;
    }

    static void TearDownTestSuite()
    {
        stop(windowManager);
        stop(server);
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
        const std::string result = folder + "/launch";
        const std::string log = folder + "/game.log";
        const std::string command = std::string(PLUMBRIX_PROBE) + " launch " + result + " -- sh -c 'cd " +
                                    folder + " && exec " + PLUMBRIX_GAME + " >" + log + " 2>&1' 2>>" + log;
        const int status = run(command);
        std::ifstream in(result);
        in >> game >> window;
        ASSERT_EQ(status, 0) << "no picture from the game: " << slurp(log);
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

    static inline pid_t server = -1;
    static inline pid_t windowManager = -1;
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
    press(fit, boardLeft + column * cellSize + cellSize / 2, boardTop + row * cellSize + cellSize / 2);
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
