// plumbrix-replay: runs the real game headless, with simulated time and
// scripted input, so a run repeats exactly; writes screenshots on request.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/display.h"
#include "platform/clock.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "replay_script.h"
#include "replay_state.h"
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
};

constexpr long defaultFrames = 1000;
constexpr double defaultFrameTime = 1.0 / 128;

int usage(const char* message)
{
    std::fprintf(stderr, "plumbrix-replay: %s\n", message);
    std::fprintf(stderr, "usage: plumbrix-replay --data DIR [--frames N] [--dt SECONDS] [--ticks N]\n"
                         "                       [--script FILE] [--out DIR]\n"
                         "                       [--shot FRAME:FILE]... [--state FRAME:FILE]...\n");
    return 2;
}

bool parseArguments(int argc, char** argv, Options& o, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
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
        } else if (arg == "--shot") {
            const auto colon = value.find(':');
            if (colon == std::string::npos || colon == 0) {
                error = "--shot takes FRAME:FILE";
                return false;
            }
            o.shots.emplace(std::strtol(value.substr(0, colon).c_str(), nullptr, 10),
                            value.substr(colon + 1));
        } else if (arg == "--state") {
            const auto colon = value.find(':');
            if (colon == std::string::npos || colon == 0) {
                error = "--state takes FRAME:FILE";
                return false;
            }
            o.states.emplace(std::strtol(value.substr(0, colon).c_str(), nullptr, 10),
                             value.substr(colon + 1));
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
    return true;
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

// Shots name files relative to where the driver was started, not the data folder.
std::string absolute(const std::string& path, const std::string& startDir)
{
    return !path.empty() && path[0] == '/' ? path : startDir + "/" + path;
}

void apply(const ScriptEvent& e)
{
    switch (e.kind) {
    case ScriptEvent::move:
        platformSetSimulatedPointer(e.x, e.y, !e.outside && e.x >= 0 && e.y >= 0 && e.x < 640 && e.y < 480);
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
    case ScriptEvent::keyReturn:
        platformInjectEvent({EventType::keyReturn, 0});
        break;
    case ScriptEvent::keyPause:
        platformInjectEvent({EventType::keyPause, 0});
        break;
    case ScriptEvent::keyBackspace:
        platformInjectEvent({EventType::character, 8});
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
    char startDir[4096];
    if (!getcwd(startDir, sizeof startDir) || chdir(o.data.c_str()) != 0) {
        return usage(("cannot enter " + o.data).c_str());
    }
    // Headless: no display, no sound card. The caller may choose otherwise.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);

    recordSounds();
    platformSimulateClock(uint32_t(o.ticks));
    platformSimulateInput();
    platformSetSimulatedPointer(-1, -1, false);
    if (!startGame()) {
        std::fprintf(stderr, "plumbrix-replay: the game did not start\n");
        platformShutdown();
        return 1;
    }
    size_t next = 0;
    double dt = o.dt;
    for (long frame = 0; frame < o.frames; ++frame) {
        while (next < events.size() && events[next].frame <= frame) {
            if (events[next].kind == ScriptEvent::frameTime) {
                dt = events[next].seconds;
            }
            apply(events[next++]);
        }
        if (!processEvents()) {
            break;
        }
        if (appActive && appReady) {
            platformAdvanceSimulatedClock(dt);
            runFrame();
        }
        if (windowDestroyed) {
            break;
        }
        const auto stateRange = o.states.equal_range(frame);
        for (auto it = stateRange.first; it != stateRange.second; ++it) {
            const std::string path = absolute(it->second, startDir);
            if (!writeGameState(path.c_str())) {
                std::fprintf(stderr, "plumbrix-replay: cannot write %s\n", path.c_str());
                return 1;
            }
        }
        const auto range = o.shots.equal_range(frame);
        for (auto it = range.first; it != range.second; ++it) {
            const std::string path = absolute(it->second, startDir);
            if (!backBuffer || !platformSaveBmp(backBuffer->surface, path.c_str())) {
                std::fprintf(stderr, "plumbrix-replay: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    }
    // The end of a run is a close without saving, like the window's close box.
    destroyGameWindow();
    platformShutdown();
    return 0;
}
