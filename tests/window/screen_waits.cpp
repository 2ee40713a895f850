// Waiting on a real window for the screen the next step needs, against the
// headless driver's pictures, and keeping what was seen when it does not come.
#include "screen_waits.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

long differences(const Picture& a, const Picture& b, const Area& area)
{
    if (a.width != pictureWidth || b.width != pictureWidth || a.height != pictureHeight ||
        b.height != pictureHeight) {
        return -1;
    }
    long n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            n += (a.at(x, y) & 0xF8FCF8) != (b.at(x, y) & 0xF8FCF8) ? 1 : 0;
        }
    }
    return n;
}

PictureFit windowFit(GameWindow& w)
{
    const std::string file = w.folder + "/geometry";
    run("xdotool getwindowgeometry --shell " + std::to_string(w.id) + " >" + file);
    std::istringstream in(slurp(file));
    int width = pictureWidth;
    int height = pictureHeight;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("WIDTH=", 0) == 0) {
            width = std::atoi(line.c_str() + 6);
        } else if (line.rfind("HEIGHT=", 0) == 0) {
            height = std::atoi(line.c_str() + 7);
        }
    }
    return fitPicture(width, height);
}

Picture grabWindow(GameWindow& w)
{
    if (w.id == 0) {
        return Picture{};  // no game window to read
    }
    // The probe reads the window's pixels on the server and widens them as
    // the game does, also on a 16-bit screen (where ImageMagick's import
    // shifts the colours).
    const std::string file = w.folder + "/window.ppm";
    if (run(std::string(PLUMBRIX_PROBE) + " grab " + std::to_string(w.id) + " " + file + " 2>/dev/null") !=
        0) {
        return Picture{};
    }
    ++w.grabs;
    if (std::getenv("PLUMBRIX_WALK_KEEP")) {
        char name[32];
        std::snprintf(name, sizeof name, "/grabs/%05d.ppm", w.grabs);
        run("mkdir -p '" + w.folder + "/grabs' && cp '" + file + "' '" + w.folder + name + "'");
    }
    Picture whole = readPpm(file);
    if (whole.width == pictureWidth && whole.height == pictureHeight) {
        return whole;
    }
    const PictureFit f = windowFit(w);
    if (!f.sharp || whole.width < f.x + f.width || whole.height < f.y + f.height) {
        return whole;
    }
    Picture p;
    p.width = pictureWidth;
    p.height = pictureHeight;
    const int scale = f.width / pictureWidth;
    for (int y = 0; y < pictureHeight; ++y) {
        for (int x = 0; x < pictureWidth; ++x) {
            p.rgb.push_back(whole.at(f.x + x * scale, f.y + y * scale));
        }
    }
    return p;
}

std::string pointerTo(GameWindow& w, int x, int y)
{
    const PictureFit f = windowFit(w);
    const int wx = f.x + int((x + 0.5) * f.width / pictureWidth);
    const int wy = f.y + int((y + 0.5) * f.height / pictureHeight);
    return "xdotool mousemove --window " + std::to_string(w.id) + " " + std::to_string(wx) + " " +
           std::to_string(wy);
}

namespace {
bool writePpm(const std::string& path, const Picture& p)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << p.width << " " << p.height << "\n255\n";
    for (const uint32_t c : p.rgb) {
        out.put(char(c >> 16 & 0xFF)).put(char(c >> 8 & 0xFF)).put(char(c & 0xFF));
    }
    return bool(out);
}

// The last grab, and the picture it was held against, as PNG files beside the
// game's output: the folder outlives a failed test.
std::string keepPictures(const GameWindow& w, const Picture* expected)
{
    std::string kept = w.folder + "/last.ppm";
    writePpm(kept, w.shown);
    if (expected) {
        writePpm(w.folder + "/expected.ppm", *expected);
    }
    if (onPath("convert")) {
        run("cd '" + w.folder +
            "' && for f in last expected; do [ ! -f $f.ppm ] || convert $f.ppm $f.png; done");
        kept = w.folder + "/last.png";
    }
    return kept;
}

using Clock = std::chrono::steady_clock;

long msSince(Clock::time_point t)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count());
}

// Whether a picture shows the screen's fixed parts as the reference does.
bool showsFixedParts(const Picture& p, const Screen& s)
{
    if (p.width != pictureWidth || p.height != pictureHeight) {
        return false;
    }
    const auto leftOut = [&](int x, int y) {
        for (const std::vector<Area>* list : {&s.animated, &s.ownState}) {
            for (const Area& a : *list) {
                if (x >= a.left && x < a.right && y >= a.top && y < a.bottom) {
                    return true;
                }
            }
        }
        return false;
    };
    for (const Area& a : s.regions) {
        for (int y = a.top; y < a.bottom; ++y) {
            for (int x = a.left; x < a.right; ++x) {
                if ((p.at(x, y) & 0xF8FCF8) != (s.reference.at(x, y) & 0xF8FCF8) && !leftOut(x, y)) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool sameOwnState(const Picture& a, const Picture& b, const Screen& s)
{
    for (const Area& area : s.ownState) {
        if (differences(a, b, area) != 0) {
            return false;
        }
    }
    return true;
}
}  // namespace

::testing::AssertionResult reaches(GameWindow& w, const std::string& step, const Screen& screen, int ms)
{
    // A screen at rest shows the same in two grabs some time apart; a single
    // grab might catch the last frame of a transition with its tiles gone.
    constexpr long apart = 150;
    const Clock::time_point start = Clock::now();
    Picture matched;
    Clock::time_point matchedAt;
    for (;;) {
        w.shown = grabWindow(w);
        if (showsFixedParts(w.shown, screen) && (!screen.alsoShows || screen.alsoShows(w.shown))) {
            if (!matched.rgb.empty() && msSince(matchedAt) >= apart &&
                sameOwnState(matched, w.shown, screen)) {
                if (std::getenv("PLUMBRIX_WALK_KEEP")) {
                    std::printf("%s: %s after %ld ms\n", step.c_str(), screen.name.c_str(), msSince(start));
                }
                return ::testing::AssertionSuccess();
            }
            if (matched.rgb.empty() || !sameOwnState(matched, w.shown, screen)) {
                matched = w.shown;
                matchedAt = Clock::now();
            }
        } else {
            matched = Picture{};
        }
        if (msSince(start) >= ms) {
            return ::testing::AssertionFailure()
                   << "step \"" << step << "\" did nothing: " << screen.name
                   << " did not show at rest within " << ms << " ms; last grab kept in "
                   << keepPictures(w, &screen.reference);
        }
        pause(100);
    }
}

::testing::AssertionResult waitFor(GameWindow& w, const std::string& step, const std::string& expected,
                                   const std::function<bool(const Picture&)>& test, int ms)
{
    const Clock::time_point start = Clock::now();
    for (;;) {
        w.shown = grabWindow(w);
        if (test(w.shown)) {
            return ::testing::AssertionSuccess();
        }
        if (msSince(start) >= ms) {
            return ::testing::AssertionFailure()
                   << "step \"" << step << "\" did nothing: " << expected << " did not show within " << ms
                   << " ms; last grab kept in " << keepPictures(w, nullptr);
        }
        pause(100);
    }
}

std::string driveReferences(const std::string& folder, const std::string& script)
{
    const std::string refs = folder + "/refs";
    run("mkdir -p " + refs + "/data");
    for (const char* entry : {"bmp", "sound", "music"}) {
        run("ln -sf " + std::string(PLUMBRIX_DATA) + "/" + entry + " " + refs + "/data/");
    }
    std::ofstream(refs + "/road.script") << script;
    if (run(std::string("SDL_VIDEODRIVER=dummy ") + PLUMBRIX_REPLAY + " --data " + refs + "/data --script " +
            refs + "/road.script --out " + refs + " 2>" + refs + "/said") != 0) {
        return "the driver failed: " + slurp(refs + "/said");
    }
    return std::string();
}

Picture referenceShot(const std::string& folder, long frame)
{
    return readBmp(folder + "/refs/shot-" + std::to_string(frame) + ".bmp");
}
