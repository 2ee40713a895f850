// plumbrix-bench: what one frame of the real game costs, headless, scene by
// scene, beside the cost of one plain copy of a 640x480 16-bit picture
// measured in the same run, so figures from different machines compare.
//
//   plumbrix-bench [--data DIR] [--runs N]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "game/hints.h"
#include "game/moves.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "screens/game_setup.h"
#include "screens/main_menu.h"
#include "screens/panel_rows.h"
#include "shell/shell.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr double frameTime = 1.0 / 128;
constexpr int pictureBytes = 640 * 480 * 2;
// Frames measured on the still screens in each run.
constexpr int stillFrames = 600;
// Frames from the set-up's start button until the new board has dropped in.
constexpr int dropInFrames = 600;

// Where the bench presses: the middles of the buttons and rows.
constexpr layout::Point titleButton = layout::titleHit.middle();
constexpr layout::Point menuNewGame = layout::menuButtons[newGameButton].hit.middle();
constexpr layout::Point menuOptions = layout::menuButtons[optionsButton].hit.middle();
constexpr layout::Point setUpUntimed = layout::setUpRows[untimedRow].rect().middle();
constexpr layout::Point setUpStart = layout::setUpStartHit.middle();

struct Scene {
    const char* name;
    double micros = 0;  // total time spent in measured frames
    long frames = 0;
};

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void pointAt(layout::Point p)
{
    platformSetSimulatedPointer(p.x, p.y, true);
}

// One frame as the driver runs it; the time of the frame itself is returned.
double frame()
{
    processEvents();
    platformAdvanceSimulatedClock(frameTime);
    const auto start = Clock::now();
    runFrame();
    return seconds(Clock::now() - start);
}

// The button goes down before a frame and up after it: the board takes a
// second piece only while the button is held.
double click(layout::Point p)
{
    pointAt(p);
    platformInjectEvent({EventType::buttonDown, 0});
    const double spent = frame();
    platformInjectEvent({EventType::buttonUp, 0});
    return spent;
}

void measure(Scene& scene, double spent)
{
    scene.micros += spent * 1e6;
    ++scene.frames;
}

void runFramesWhile(const std::function<bool()>& condition, Scene* scene, int limit)
{
    for (int i = 0; i < limit && condition() && !windowDestroyed; ++i) {
        const double spent = frame();
        if (scene) {
            measure(*scene, spent);
        }
    }
}

bool settled()
{
    return selectState == selectNone && !falling && noFlyers;
}

double copyMicros()
{
    std::vector<unsigned char> from(pictureBytes, 1);
    std::vector<unsigned char> to(pictureBytes, 0);
    constexpr int copies = 2000;
    std::vector<double> times;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < copies; ++i) {
            from[size_t(i) % pictureBytes] = static_cast<unsigned char>(i);
            std::memcpy(to.data(), from.data(), pictureBytes);
        }
        times.push_back(seconds(Clock::now() - start) / copies * 1e6);
    }
    std::sort(times.begin(), times.end());
    // Reading the copy keeps the compiler from leaving it out.
    return times[times.size() / 2] + (to[0] == 2 ? 1e-9 : 0);
}

void oneRun(Scene& title, Scene& menu, Scene& transition, Scene& cascade)
{
    platformSimulateClock(1000);
    platformSimulateInput();
    platformSetSimulatedPointer(-1, -1, false);
    if (!startGame()) {
        std::fprintf(stderr, "plumbrix-bench: the game did not start\n");
        std::exit(1);
    }
    runFramesWhile([] { return true; }, &title, stillFrames);

    click(titleButton);
    runFramesWhile([] { return transitionActive != 0; }, &transition, 5000);

    // Hovering from one button to the next and back, every frame.
    for (int i = 0; i < stillFrames; ++i) {
        pointAt(i % 2 ? menuNewGame : menuOptions);
        measure(menu, frame());
    }

    click(menuNewGame);
    runFramesWhile([] { return transitionActive != 0; }, &transition, 5000);
    click(setUpUntimed);
    click(setUpStart);
    // The transition, then the new board's drop-in.
    runFramesWhile([] { return true; }, nullptr, dropInFrames);

    // Moves the hint finder knows, each followed until the board settles.
    for (int move = 0; move < 12 && hasMove(); ++move) {
        findHint();
        click(layout::cellArea(hintFirstColumn, hintFirstRow).middle());
        measure(cascade, click(layout::cellArea(hintSecondColumn, hintSecondRow).middle()));
        runFramesWhile([] { return !settled(); }, &cascade, 5000);
    }
    destroyGameWindow();
    platformShutdown();
}

std::string makeFolder(const std::string& data)
{
    char pattern[] = "/tmp/plumbrix-bench-XXXXXX";
    const char* folder = mkdtemp(pattern);
    if (!folder) {
        return "";
    }
    for (const char* entry : {"bmp", "sound", "music", "ReadMe.htm"}) {
        const std::string from = data + "/" + entry;
        const std::string to = std::string(folder) + "/" + entry;
        if (symlink(from.c_str(), to.c_str()) != 0) {
            return "";
        }
    }
    return folder;
}
// One run in this process: prints each scene's microseconds per frame and
// frame count, then the copy's microseconds.
int oneProcessRun(const std::string& data)
{
    const std::string folder = makeFolder(data);
    if (folder.empty() || chdir(folder.c_str()) != 0) {
        std::fprintf(stderr, "plumbrix-bench: cannot prepare a folder for %s\n", data.c_str());
        return 1;
    }
    platformChooseHeadless();
    Scene title{"title"};
    Scene menu{"menu-hover"};
    Scene transition{"transition"};
    Scene cascade{"game-cascade"};
    const double copy = copyMicros();
    oneRun(title, menu, transition, cascade);
    for (const Scene* s : {&title, &menu, &transition, &cascade}) {
        std::printf("%s %.3f %ld\n", s->name, s->frames ? s->micros / double(s->frames) : 0.0, s->frames);
    }
    std::printf("copy %.3f 1\n", copy);
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    std::string data = PLUMBRIX_DATA;
    int runs = 5;
    bool one = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            data = argv[++i];
        } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--one") == 0) {
            one = true;
        }
    }
    char here[4096];
    if (data[0] != '/' && getcwd(here, sizeof here)) {
        data = std::string(here) + "/" + data;
    }
    if (one) {
        return oneProcessRun(data);
    }
    // Each run is a fresh process, so every run starts the game from scratch.
    const char* names[] = {"title", "menu-hover", "transition", "game-cascade", "copy"};
    std::vector<std::vector<double>> micros(5);
    std::vector<long> frames(5, 0);
    for (int run = 0; run < runs; ++run) {
        const std::string command = std::string("'") + argv[0] + "' --one --data '" + data + "'";
        FILE* child = popen(command.c_str(), "r");
        char name[64];
        double us = 0;
        long count = 0;
        while (child && std::fscanf(child, "%63s %lf %ld", name, &us, &count) == 3) {
            for (size_t i = 0; i < 5; ++i) {
                if (std::strcmp(name, names[i]) == 0) {
                    micros[i].push_back(us);
                    frames[i] += count;
                }
            }
        }
        if (!child || pclose(child) != 0) {
            std::fprintf(stderr, "plumbrix-bench: run %d failed\n", run + 1);
            return 1;
        }
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double copy = median(micros[4]);
    std::printf("%-14s %10s %14s %8s\n", "scene", "us/frame", "picture copies", "frames");
    for (size_t i = 0; i < 4; ++i) {
        const double us = median(micros[i]);
        std::printf("%-14s %10.1f %14.1f %8ld\n", names[i], us, us / copy, frames[i] / runs);
    }
    std::printf("%-14s %10.1f %14.1f\n", "640x480 copy", copy, 1.0);
    std::printf("medians of %d runs; one copy is one memcpy of a 640x480 16-bit picture\n", runs);
    return 0;
}
