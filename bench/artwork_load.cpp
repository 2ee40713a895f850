// How long loading every screen's artwork takes: the 20 pictures of the data
// folder decoded and uploaded into display-format sprites, as at start-up and
// after every display-mode switch. Run it from the folder that holds "bmp"
// (the runtime data folder), or name that folder in PLUMBRIX_DATA_DIR.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "base/error.h"
#include "game/game_screen.h"
#include "graphics/artwork.h"
#include "graphics/display.h"
#include "graphics/sprite.h"
#include "platform/window.h"

namespace {
std::string failure;

void recordError(const char* text)
{
    failure = text;
}

bool openDisplay()
{
    static const bool open = [] {
        platformChooseHeadless();
        errorBoxHook = recordError;
        const char* dir = std::getenv("PLUMBRIX_DATA_DIR");
        if (dir && chdir(dir) != 0) {
            return false;
        }
        return platformInit() && platformCreateWindow("bench") && createDisplayDevice() &&
               setUpDisplay(false);
    }();
    return open;
}

bool loadEverything()
{
    return loadArtwork() && loadGameArtwork();
}

void freeEverything()
{
    freeGameArtwork();
    freeArtwork();
}

void loadAllScreensArtwork(benchmark::State& state)
{
    if (!openDisplay()) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        failure.clear();
        benchmark::DoNotOptimize(loadEverything());
        state.PauseTiming();
        freeEverything();
        state.ResumeTiming();
        if (!failure.empty()) {
            state.SkipWithError(("error box: " + failure).c_str());
            break;
        }
    }
}
BENCHMARK(loadAllScreensArtwork)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// One picture of each kind, to see where the time goes.
void loadOnePicture(benchmark::State& state, const char* name, bool keyed)
{
    if (!openDisplay()) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        failure.clear();
        Sprite sprite(name, keyed);
        benchmark::DoNotOptimize(sprite.surface);
        if (!failure.empty()) {
            state.SkipWithError(("error box: " + failure).c_str());
            break;
        }
    }
}
BENCHMARK_CAPTURE(loadOnePicture, fullScreenJpeg, "BkGrnd.jpg", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(loadOnePicture, piecesBmp, "Figures.bmp", true)->Unit(benchmark::kMillisecond);
}  // namespace
