// Records a play session as a replay script (PLUMBRIX_RECORD names the file):
// the events and pointer positions the game reads and every frame's time.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/internal.h"
#include "platform/window.h"

namespace {
FILE* script = nullptr;
// The pass of the program's loop that events are stamped with; once its frame
// has begun (or its wait has ended), the next poll opens the following pass.
long pass = 0;
bool passClosed = false;
uint64_t frameStart = 0;  // the real counter when the last frame began; 0 before the first poll
double writtenFrameTime = -1;
// The replay starts with the pointer off the window.
int writtenX = -1;
int writtenY = -1;
bool writtenOutside = true;
// A pass reads the pointer more than once only around an expose; the replay can
// give it one position per pass, so the first reading holds for the whole pass.
long pointerPass = -1;
int passX = 0;
int passY = 0;
bool passOutside = true;

void writeEvent(const PlatformEvent& e)
{
    switch (e.type) {
    case EventType::activate:
        std::fprintf(script, "%ld focus gained\n", pass);
        break;
    case EventType::deactivate:
        std::fprintf(script, "%ld focus lost\n", pass);
        break;
    case EventType::quit:
        std::fprintf(script, "%ld close\n", pass);
        break;
    case EventType::buttonDown:
        std::fprintf(script, "%ld down\n", pass);
        break;
    case EventType::buttonUp:
        std::fprintf(script, "%ld up\n", pass);
        break;
    case EventType::key:
        std::fprintf(script, "%ld key %s\n", pass, keyName(e.code));
        break;
    case EventType::padButton:
        std::fprintf(script, "%ld pad %s\n", pass, padButtonName(e.code));
        break;
    case EventType::expose:
        std::fprintf(script, "%ld expose\n", pass);
        break;
    case EventType::character:
        if (e.code == '\b') {
            std::fprintf(script, "%ld key backspace\n", pass);
        } else if (e.code > ' ' && e.code != '#') {
            std::fprintf(script, "%ld text %c\n", pass, char(e.code));
        } else {
            // A space or "#" would not survive the text form.
            std::fprintf(script, "%ld char %d\n", pass, e.code);
        }
        break;
    }
}
}  // namespace

void recorderStart()
{
    const char* path = std::getenv("PLUMBRIX_RECORD");
    if (!path || !*path) {
        return;
    }
    script = std::fopen(path, "w");
    if (!script) {
        std::fprintf(stderr, "cannot record to %s\n", path);
        return;
    }
    // From here on the game's clock is the recorded one, which the replay rebuilds.
    const uint32_t ticks = SDL_GetTicks();
    platformSimulateClock(ticks);
    std::fprintf(script, "# A recorded play session; replay it with plumbrix-replay --script.\n#! ticks %u\n",
                 unsigned(ticks));
}

void recorderStop()
{
    if (!script) {
        return;
    }
    std::fprintf(script, "#! frames %ld\n", pass + 1);
    std::fclose(script);
    script = nullptr;
}

bool recorderPoll()
{
    if (!script) {
        return false;
    }
    if (passClosed) {
        ++pass;
        passClosed = false;
    }
    if (frameStart == 0) {
        frameStart = SDL_GetPerformanceCounter();
    }
    return true;
}

void recorderEvent(const PlatformEvent& event)
{
    if (script) {
        writeEvent(event);
    }
}

void recorderPointer(int& x, int& y, bool& outside)
{
    if (!script) {
        return;
    }
    if (pointerPass == pass) {
        x = passX;
        y = passY;
        outside = passOutside;
        return;
    }
    pointerPass = pass;
    passX = x;
    passY = y;
    passOutside = outside;
    if (x != writtenX || y != writtenY || outside != writtenOutside) {
        std::fprintf(script, "%ld move %d %d%s\n", pass, x, y, outside ? " outside" : "");
        writtenX = x;
        writtenY = y;
        writtenOutside = outside;
    }
}

void recorderWaited()
{
    if (script) {
        // Time in the background is not the game's time; the replay skips it too.
        passClosed = true;
        frameStart = SDL_GetPerformanceCounter();
    }
}

void platformBeginFrame()
{
    if (!script) {
        return;
    }
    passClosed = true;
    const uint64_t now = SDL_GetPerformanceCounter();
    const double seconds =
        frameStart == 0 ? 0 : double(now - frameStart) / double(SDL_GetPerformanceFrequency());
    frameStart = now;
    if (seconds != writtenFrameTime) {
        // Seventeen digits read back as the same double, so the replay rounds
        // it to the same count of the simulated clock.
        std::fprintf(script, "%ld dt %.17g\n", pass, seconds);
        writtenFrameTime = seconds;
    }
    platformAdvanceSimulatedClock(seconds);
    std::fflush(script);
}
