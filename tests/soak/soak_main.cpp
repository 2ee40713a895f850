// plumbrix-soak: the automated player plays game after game headless in one
// process for a stretch of game time, and the process's resident memory,
// descriptors and OpenAL sources and buffers are compared from start to end.
#include <dirent.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>

#include "autoplay.h"
#include "base/screen_state.h"
#include "game/board_change.h"
#include "game/flyers.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "invariants.h"
#include "openal_probe.h"
#include "platform/clock.h"
#include "platform/music_device.h"
#include "platform/window.h"
#include "screens/game_setup.h"
#include "screens/main_menu.h"
#include "screens/panel_rows.h"
#include "shell/shell.h"

namespace {
// Where the soak presses, on the screens the automated player leaves alone.
constexpr layout::Point title = layout::titleHit.middle();
constexpr layout::Point newGame = layout::menuButtons[newGameButton].hit.middle();
constexpr layout::Point timed = layout::setUpRows[timedRow].rect().middle();
constexpr layout::Point untimed = layout::setUpRows[untimedRow].rect().middle();
constexpr layout::Point kinds[3] = {layout::setUpRows[sixKindsRow].rect().middle(),
                                    layout::setUpRows[sevenKindsRow].rect().middle(),
                                    layout::setUpRows[eightKindsRow].rect().middle()};
constexpr layout::Point start = layout::setUpStartHit.middle();
constexpr layout::Point tablesBack = layout::scoresBackHit.middle();
constexpr layout::Point boardMenu = layout::menuButtonHit.middle();
// Game time the soak waits on a screen before it presses anything there, and
// on a fresh board without a move before it leaves for the menu.
constexpr double lookSeconds = 1.0;
constexpr double stuckSeconds = 3.0;
// A game that lasts this long is left for a new one, so that an hour sees
// many games, modes and tracks.
constexpr double longestGame = 480;

struct Counts {
    long residentKiB = 0;
    int descriptors = 0;
    int sources = 0;
    int buffers = 0;
};

long residentKiB()
{
    long pages = 0;
    long resident = 0;
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int openDescriptors()
{
    int n = 0;
    DIR* d = opendir("/proc/self/fd");
    if (!d) {
        return -1;
    }
    while (const dirent* e = readdir(d)) {
        n += e->d_name[0] != '.' ? 1 : 0;
    }
    closedir(d);
    return n - 1;  // the listing's own
}

Counts count()
{
    return Counts{residentKiB(), openDescriptors(), probeLiveOpenAlSources(), probeLiveOpenAlBuffers()};
}

// The soak's own hand: one press or release a frame, in order.
struct Touch {
    int x;
    int y;
    bool down;
};
std::deque<Touch> hand;

void click(layout::Point p)
{
    hand.push_back({p.x, p.y, true});
    hand.push_back({p.x, p.y, false});
}

void applyHand()
{
    if (hand.empty()) {
        return;
    }
    const Touch t = hand.front();
    hand.pop_front();
    platformSetSimulatedPointer(t.x, t.y, true);
    platformInjectEvent({t.down ? EventType::buttonDown : EventType::buttonUp, 0});
}

struct Soak {
    unsigned long seed = 1;
    double dt = 1.0 / 32;
    double gameSeconds = 3600;
    long games = 0;
    long moves = 0;
    int highestLevel = 1;
    double onScreen = 0;  // game time on the current screen without a press
    int lastScreen = 0;
    AutoplayOptions player;
};

// Between moves: nothing flies, falls or is held.
bool boardAtRest()
{
    return gamePhase == phasePlay && selectState == selectNone && !falling && !dropIn && !flyOutRunning &&
           flyers.empty() && !mixerRequest;
}

// Takes the game from every screen but the board to a new game, each with
// the next mode and number of kinds, and off a fresh board without a move.
void navigate(Soak& s)
{
    if (currentScreen != s.lastScreen) {
        s.lastScreen = currentScreen;
        s.onScreen = 0;
    }
    s.onScreen += s.dt;
    if (!hand.empty() || transitionActive || s.onScreen < lookSeconds) {
        return;
    }
    const bool stuck = currentScreen == screenGame && gamePhase == phasePlay && autoplayGameOver();
    if (currentScreen == screenTitle) {
        click(title);
    } else if (currentScreen == screenMainMenu) {
        click(newGame);
    } else if (currentScreen == screenSetUp) {
        const long game = s.games++;
        click(game % 2 ? timed : untimed);
        click(kinds[game % 3]);
        click(start);
        s.player.seed = s.seed + static_cast<unsigned long>(game);
        s.moves += autoplayMoves();
        startAutoplay(s.player);
    } else if (currentScreen == screenHighScores && !nameEntryActive) {
        click(tablesBack);
    } else if ((stuck && s.onScreen > stuckSeconds) ||
               (currentScreen == screenGame && s.onScreen > longestGame && boardAtRest())) {
        // The player's next move, if one was coming, is dropped with its hand.
        s.moves += autoplayMoves();
        startAutoplay(s.player);
        click(boardMenu);
    } else {
        return;
    }
    s.onScreen = 0;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: plumbrix-soak --data DIR [--minutes GAME_MINUTES] [--dt SECONDS] [--seed N]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    Soak s;
    std::string data;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--data") {
            data = argv[i + 1];
        } else if (arg == "--minutes") {
            s.gameSeconds = 60 * std::atof(argv[i + 1]);
        } else if (arg == "--dt") {
            s.dt = std::atof(argv[i + 1]);
        } else if (arg == "--seed") {
            s.seed = std::strtoul(argv[i + 1], nullptr, 10);
        } else {
            return usage();
        }
    }
    if (data.empty() || argc % 2 == 0 || !(s.dt > 0) || !(s.gameSeconds > 0)) {
        return usage();
    }
    // A folder of its own that shares the data, so that the saves land there.
    char folder[] = "/tmp/plumbrix-soak-XXXXXX";
    if (!mkdtemp(folder)) {
        return 1;
    }
    for (const char* entry : {"bmp", "sound", "music", "ReadMe.htm"}) {
        std::filesystem::create_symlink(std::filesystem::absolute(data) / entry,
                                        std::string(folder) + "/" + entry);
    }
    if (chdir(folder) != 0) {
        return 1;
    }
    platformChooseHeadless();
    platformSimulateClock(4242);
    platformSimulateInput();
    platformSetSimulatedPointer(-1, -1, false);
    if (!startGame()) {
        std::fprintf(stderr, "plumbrix-soak: the game did not start\n");
        return 1;
    }
    startAutoplay(AutoplayOptions{});
    startInvariantChecks(0.5);
    const Counts start = count();
    Counts firstLevel{};
    bool firstLevelSeen = false;

    const auto wallStart = std::chrono::steady_clock::now();
    double played = 0;
    long frames = 0;
    std::string message;
    int status = 0;
    while (played < s.gameSeconds) {
        navigate(s);
        applyHand();
        if (!autoplayBeforeFrame(s.dt, message)) {
            status = 3;
            break;
        }
        const FrameEnd end = checkedFrame(s.dt, true, played, message);
        if (end == FrameEnd::gameEnded) {
            message = "the game ended";
            status = 3;
            break;
        }
        ++frames;
        if (end == FrameEnd::windowGone) {
            message = "the game ended";
        }
        if (end != FrameEnd::ran) {
            status = 3;
            break;
        }
        s.highestLevel = level > s.highestLevel ? level : s.highestLevel;
        if (!firstLevelSeen && level >= 2) {
            firstLevelSeen = true;
            firstLevel = count();
        }
    }
    s.moves += autoplayMoves();
    const Counts end = count();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    if (status != 0) {
        std::fprintf(stderr, "plumbrix-soak: frame %ld: %s\n", frames, message.c_str());
    }

    std::printf("soak: %.0f s of game time in %ld frames, %.0f s of wall time; %ld games, %ld moves, "
                "highest level %d\n",
                played, frames, wall, s.games, s.moves, s.highestLevel);
    std::printf(
        "soak: resident memory %ld KiB at the start, %ld KiB after the first level, %ld KiB at the end\n",
        start.residentKiB, firstLevel.residentKiB, end.residentKiB);
    std::printf(
        "soak: descriptors %d / %d, OpenAL sources %d / %d, buffers %d / %d (start / end); the game's "
        "own count %d sources, %d buffers\n",
        start.descriptors, end.descriptors, start.sources, end.sources, start.buffers, end.buffers,
        platformLiveMusicSources(), platformLiveMusicBuffers());
    const long grown = end.residentKiB - firstLevel.residentKiB;
    if (status == 0 &&
        (!firstLevelSeen || grown >= 1024 || grown <= -1024 || end.descriptors != start.descriptors ||
         end.sources != start.sources || end.buffers != start.buffers)) {
        std::fprintf(stderr, "plumbrix-soak: %s\n",
                     firstLevelSeen ? "something grew or leaked" : "no level was ever completed");
        status = 1;
    }
    destroyGameWindow();
    platformShutdown();
    std::filesystem::remove_all(folder);
    return status;
}
