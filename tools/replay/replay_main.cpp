// plumbrix-replay: runs the real game headless, with simulated time and
// scripted input, so a run repeats exactly; writes screenshots on request.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "autoplay.h"
#include "base/layout.h"
#include "game/scoring.h"
#include "graphics/display.h"
#include "graphics/text.h"
#include "invariants.h"
#include "platform/clock.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "replay_script.h"
#include "replay_state.h"
#include "screens/save_file.h"
#include "shell/shell.h"

namespace {
// Numbers left negative were not given; the script's header or the defaults
// fill them in.
struct Options {
    std::string data;
    long frames = -1;
    double dt = -1;
    long long ticks = -1;
    std::string script;
    std::string out;
    std::multimap<long, std::string> shots;
    std::multimap<long, std::string> states;
    bool autoplay = false;
    AutoplayOptions player;
    bool check = false;  // invariants on every frame; always with the automated player
    double frameLimit = 0.5;
    long slowSave = 0;  // milliseconds between the pieces of a save
};

// Pictures and states asked for "end" are written after the run's last frame.
constexpr long endOfRun = -1;

constexpr long defaultFrames = 1000;
constexpr double defaultFrameTime = 1.0 / 128;

int usage(const char* message)
{
    std::fprintf(stderr, "plumbrix-replay: %s\n", message);
    std::fprintf(stderr, "usage: plumbrix-replay --data DIR [--frames N] [--dt SECONDS] [--ticks N]\n"
                         "                       [--script FILE] [--out DIR]\n"
                         "                       [--shot FRAME:FILE]... [--state FRAME:FILE]...\n"
                         "                       [--autoplay SEED [--until GOAL] [--by keys|pad|mouse] "
                         "[--think SECONDS] [--name NAME]]\n"
                         "                       [--check] [--frame-limit MS] [--slow-save MILLISECONDS]\n"
                         "FRAME may be \"end\"; GOAL is level:N, name-entry, table, leave:N or finish.\n");
    return 2;
}

// FRAME:FILE, where FRAME is a number or "end".
bool parseFrameFile(const std::string& value, std::multimap<long, std::string>& into)
{
    const auto colon = value.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == value.size()) {
        return false;
    }
    const std::string frame = value.substr(0, colon);
    char* end = nullptr;
    const long f = frame == "end" ? endOfRun : std::strtol(frame.c_str(), &end, 10);
    if ((end && *end != 0) || (frame != "end" && f < 0)) {
        return false;
    }
    into.emplace(f, value.substr(colon + 1));
    return true;
}

bool parseArguments(int argc, char** argv, Options& o, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--check") {
            o.check = true;
            continue;
        }
        if (i + 1 >= argc) {
            error = "missing value after " + arg;
            return false;
        }
        const std::string value = argv[++i];
        char* end = nullptr;
        bool negative = false;
        if (arg == "--data") {
            o.data = value;
        } else if (arg == "--frames") {
            o.frames = std::strtol(value.c_str(), &end, 10);
            negative = o.frames < 0;
        } else if (arg == "--dt") {
            o.dt = std::strtod(value.c_str(), &end);
            negative = !(o.dt >= 0);
        } else if (arg == "--ticks") {
            o.ticks = std::strtoll(value.c_str(), &end, 10);
            negative = o.ticks < 0;
        } else if (arg == "--script") {
            o.script = value;
        } else if (arg == "--out") {
            o.out = value;
        } else if (arg == "--shot" || arg == "--state") {
            if (!parseFrameFile(value, arg == "--shot" ? o.shots : o.states)) {
                error = arg + " takes FRAME:FILE";
                return false;
            }
        } else if (arg == "--autoplay") {
            o.autoplay = true;
            o.player.seed = std::strtoul(value.c_str(), &end, 10);
        } else if (arg == "--until") {
            if (!parseAutoplayGoal(value, o.player.goal)) {
                error = "--until takes level:N, name-entry, table, leave:N or finish";
                return false;
            }
        } else if (arg == "--by") {
            if (!parseAutoplayHand(value, o.player.hand)) {
                error = "--by takes keys, pad or mouse";
                return false;
            }
        } else if (arg == "--think") {
            o.player.thinkSeconds = std::strtod(value.c_str(), &end);
            negative = !(o.player.thinkSeconds >= 0);
        } else if (arg == "--name") {
            o.player.name = value;
        } else if (arg == "--frame-limit") {
            o.frameLimit = std::strtod(value.c_str(), &end) / 1000;
            negative = !(o.frameLimit > 0);
        } else if (arg == "--slow-save") {
            o.slowSave = std::strtol(value.c_str(), &end, 10);
            negative = o.slowSave < 0;
        } else {
            error = "unknown option " + arg;
            return false;
        }
        if (end && *end != 0) {
            error = "bad number for " + arg;
            error += ": " + value;
            return false;
        }
        if (negative) {
            error = arg + " must not be negative";
            return false;
        }
    }
    if (o.data.empty()) {
        error = "--data is required";
        return false;
    }
    if (!o.autoplay && o.player.goal.kind != AutoplayGoal::none) {
        error = "--until needs --autoplay";
        return false;
    }
    // What the game's name panel takes: up to nine printable characters.
    bool printable = o.player.name.size() <= size_t(longestName);
    for (unsigned char c : o.player.name) {
        printable = printable && c >= firstGlyph && c <= lastGlyph;
    }
    if (!printable) {
        error = "--name takes up to nine printable characters";
        return false;
    }
    o.check = o.check || o.autoplay;
    return true;
}

long saveDelay = 0;

// Holds the save up between its pieces, so that a test can stop the game in
// the middle of writing it.
void pauseSaving()
{
    usleep(useconds_t(saveDelay * 1000));
}

// What the command line leaves open, the script's header decides; pictures and
// states it asks for go into the output folder under their frame numbers.
void completeOptions(Options& o, const ScriptHeader& header)
{
    o.frames = o.frames >= 0 ? o.frames : header.frames >= 0 ? header.frames : defaultFrames;
    o.dt = o.dt >= 0 ? o.dt : header.dt >= 0 ? header.dt : defaultFrameTime;
    o.ticks = o.ticks >= 0 ? o.ticks : header.ticks >= 0 ? header.ticks : 0;
    const std::string folder = o.out.empty() ? "" : o.out + "/";
    for (long f : header.shots) {
        o.shots.emplace(f, folder + "shot-" + std::to_string(f) + ".bmp");
    }
    for (long f : header.states) {
        o.states.emplace(f, folder + "state-" + std::to_string(f) + ".txt");
    }
}

// Pictures and states name files relative to where the driver was started,
// not the data folder it works in; false when that folder is unknown.
bool resolvePaths(std::multimap<long, std::string>& files)
{
    for (auto& file : files) {
        std::error_code error;
        file.second = std::filesystem::absolute(file.second, error).string();
        if (error) {
            return false;
        }
    }
    return true;
}

void apply(const ScriptEvent& e)
{
    switch (e.kind) {
    case ScriptEvent::move:
        platformSetSimulatedPointer(
            e.x, e.y, !e.outside && e.x >= 0 && e.y >= 0 && e.x < layout::screenW && e.y < layout::screenH);
        break;
    case ScriptEvent::down:
        platformInjectEvent({EventType::buttonDown, 0});
        break;
    case ScriptEvent::up:
        platformInjectEvent({EventType::buttonUp, 0});
        break;
    case ScriptEvent::typeText:
        for (unsigned char c : e.text) {
            platformInjectEvent({EventType::character, c});
        }
        break;
    case ScriptEvent::key:
        platformInjectEvent({EventType::key, e.code});
        break;
    case ScriptEvent::pad:
        platformInjectEvent({EventType::padButton, e.code});
        break;
    case ScriptEvent::keyBackspace:
        platformInjectEvent({EventType::character, backspaceCode});
        break;
    case ScriptEvent::focusLost:
        platformInjectEvent({EventType::deactivate, 0});
        break;
    case ScriptEvent::focusGained:
        platformInjectEvent({EventType::activate, 0});
        break;
    case ScriptEvent::close:
        platformInjectEvent({EventType::quit, 0});
        break;
    case ScriptEvent::expose:
        platformInjectEvent({EventType::expose, 0});
        break;
    case ScriptEvent::frameTime:
        break;  // the frame loop reads it
    }
}

bool writeAfterFrame(long frame, const Options& o)
{
    const auto stateRange = o.states.equal_range(frame);
    for (auto it = stateRange.first; it != stateRange.second; ++it) {
        const std::string& path = it->second;
        if (!writeGameState(path.c_str())) {
            std::fprintf(stderr, "plumbrix-replay: cannot write %s\n", path.c_str());
            return false;
        }
    }
    const auto range = o.shots.equal_range(frame);
    for (auto it = range.first; it != range.second; ++it) {
        const std::string& path = it->second;
        if (!backBuffer || !platformSaveBmp(backBuffer->surface, path.c_str())) {
            std::fprintf(stderr, "plumbrix-replay: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

// How a run ended, for the exit status.
enum RunEnd { ranOut = 0, cannotWrite = 1, broken = 3, goalMissed = 4 };

// The frame loop: the script's events due before each frame, the automated
// player's hand, the events, the frame itself, the checks, and what the
// script or the command line asked to keep.
RunEnd runFrames(const Options& o, const std::vector<ScriptEvent>& events, long& framesRun,
                 double& gameSeconds)
{
    size_t next = 0;
    double dt = o.dt;
    std::string message;
    for (long frame = 0; frame < o.frames; ++frame) {
        while (next < events.size() && events[next].frame <= frame) {
            if (events[next].kind == ScriptEvent::frameTime) {
                dt = events[next].seconds;
            }
            apply(events[next++]);
        }
        if (o.autoplay && !autoplayBeforeFrame(dt, message)) {
            std::fprintf(stderr, "plumbrix-replay: frame %ld: %s\n", frame, message.c_str());
            return broken;
        }
        const FrameEnd end = checkedFrame(dt, o.check, gameSeconds, message);
        if (end == FrameEnd::gameEnded) {
            break;
        }
        framesRun = frame + 1;
        if (end == FrameEnd::windowGone) {
            break;
        }
        if (end == FrameEnd::violated) {
            std::fprintf(stderr, "plumbrix-replay: frame %ld: %s\n", frame, message.c_str());
            writeAfterFrame(endOfRun, o);
            return broken;
        }
        if (!writeAfterFrame(frame, o)) {
            return cannotWrite;
        }
        if (o.autoplay && autoplayGoalReached()) {
            return ranOut;
        }
        const AutoplayGoal::Kind goal = o.player.goal.kind;
        const bool needsTheGame =
            goal == AutoplayGoal::level || goal == AutoplayGoal::leave || goal == AutoplayGoal::finish;
        if (o.autoplay && needsTheGame && autoplayGameOver()) {
            std::fprintf(stderr,
                         "plumbrix-replay: the game was lost at level %d after %ld moves, before %s\n", level,
                         autoplayMoves(), describeGoal(o.player.goal).c_str());
            return goalMissed;
        }
    }
    if (o.autoplay && o.player.goal.kind != AutoplayGoal::none && !autoplayGoalReached()) {
        std::fprintf(stderr, "plumbrix-replay: the run ended after %ld frames without reaching %s\n",
                     framesRun, describeGoal(o.player.goal).c_str());
        return goalMissed;
    }
    return ranOut;
}
}  // namespace

int main(int argc, char** argv)
{
    Options o;
    std::string error;
    if (!parseArguments(argc, argv, o, error)) {
        return usage(error.c_str());
    }
    std::vector<ScriptEvent> events;
    ScriptHeader header;
    if (!o.script.empty()) {
        std::ifstream in(o.script);
        if (!in) {
            return usage(("cannot read script " + o.script).c_str());
        }
        std::stringstream text;
        text << in.rdbuf();
        if (!parseScript(text.str(), events, header, error)) {
            std::fprintf(stderr, "plumbrix-replay: %s: %s\n", o.script.c_str(), error.c_str());
            return 2;
        }
    }
    completeOptions(o, header);
    if (!resolvePaths(o.shots) || !resolvePaths(o.states) || chdir(o.data.c_str()) != 0) {
        return usage(("cannot enter " + o.data).c_str());
    }
    platformChooseHeadless();

    recordSounds();
    if (o.slowSave > 0) {
        saveDelay = o.slowSave;
        saveWriteHook = pauseSaving;
    }
    platformSimulateClock(uint32_t(o.ticks));
    platformSimulateInput();
    platformSetSimulatedPointer(-1, -1, false);
    if (!startGame()) {
        std::fprintf(stderr, "plumbrix-replay: the game did not start\n");
        platformShutdown();
        return 1;
    }
    if (o.autoplay) {
        startAutoplay(o.player);
    }
    if (o.check) {
        startInvariantChecks(o.frameLimit);
    }
    long framesRun = 0;
    double gameSeconds = 0;
    const auto started = std::chrono::steady_clock::now();
    RunEnd end = runFrames(o, events, framesRun, gameSeconds);
    if (end != broken && end != cannotWrite && !writeAfterFrame(endOfRun, o)) {
        end = cannotWrite;
    }
    if (o.autoplay) {
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("autoplay: %ld moves (%ld by drag), level %d, score %d, %ld frames, %.0f s of game "
                    "time in %.1f s\n",
                    autoplayMoves(), autoplayDrags(), level, score, framesRun, gameSeconds, wall);
    }
    // The end of a run is a close without saving, like the window's close box.
    destroyGameWindow();
    platformShutdown();
    return end;
}
