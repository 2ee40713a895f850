// What sound costs: the audio callback mixing one second of output with every
// voice of every effect playing, and loading the ten effect files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/sound_effect.h"
#include "platform/audio_device.h"
#include "platform/window.h"

namespace {
// Voices per file 01..10, as the game loads them: 27 in all.
constexpr int voicesPerFile[10] = {2, 2, 2, 1, 2, 4, 1, 1, 6, 6};

std::string filePath(const std::string& dir, int number)
{
    return dir + (number < 10 ? "/0" : "/") + std::to_string(number) + ".wav";
}

void put(std::FILE* f, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        std::fputc(int(v >> (8 * i) & 0xFF), f);
    }
}

// Ten stand-in effects, 0.5 to 1.4 s of mono 16-bit at 22050 or 44100 Hz, in
// a folder removed again after the run.
std::string writeStandIns()
{
    char name[] = "/tmp/plumbrix-bench-XXXXXX";
    if (!mkdtemp(name)) {
        std::abort();
    }
    std::string dir = name;
    for (int n = 1; n <= 10; ++n) {
        const uint32_t rate = n % 2 ? 22050 : 44100;
        const uint32_t frames = rate * (4 + n) / 10;
        std::FILE* f = std::fopen(filePath(dir, n).c_str(), "wb");
        std::fputs("RIFF", f);
        put(f, 36 + frames * 2, 4);
        std::fputs("WAVEfmt ", f);
        put(f, 16, 4);
        put(f, 1, 2);
        put(f, 1, 2);
        put(f, rate, 4);
        put(f, rate * 2, 4);
        put(f, 2, 2);
        put(f, 16, 2);
        std::fputs("data", f);
        put(f, frames * 2, 4);
        for (uint32_t i = 0; i < frames; ++i) {
            const double decay = 1.0 - double(i) / frames;
            put(f, uint32_t(int16_t(12000 * decay * std::sin(i * (200.0 + 50 * n) * 6.2832 / rate))), 2);
        }
        std::fclose(f);
    }
    return dir;
}

// The generated game data: where PLUMBRIX_SOUND_DIR says, or data/sound.
std::string soundDir()
{
    const char* dir = std::getenv("PLUMBRIX_SOUND_DIR");
    return dir ? dir : "data/sound";
}

bool openDevice()
{
    platformChooseHeadless();
    if (!platformOpenAudio()) {
        return false;
    }
    platformHoldAudio(true);
    return true;
}

void mixOneSecondAllVoices(benchmark::State& state)
{
    if (!openDevice()) {
        state.SkipWithError("no audio device");
        return;
    }
    const int rate = platformAudioRate();
    // Two seconds each, so that no voice ends within the measured second.
    std::vector<int16_t> pcm(size_t(rate) * 2);
    for (size_t i = 0; i < pcm.size(); ++i) {
        pcm[i] = int16_t(8000 * std::sin(double(i) * 0.05));
    }
    const PlatformPcmFormat format{1, rate, 16};
    std::vector<PlatformVoice*> voices;
    for (int count : voicesPerFile) {
        PlatformVoice* first = platformCreateVoice(format, uint32_t(pcm.size() * 2));
        platformFillVoice(first, pcm.data(), uint32_t(pcm.size() * 2));
        voices.push_back(first);
        for (int i = 1; i < count; ++i) {
            voices.push_back(platformDuplicateVoice(first));
        }
    }
    std::vector<int16_t> block(size_t(1024) * 2);
    for (auto _ : state) {
        state.PauseTiming();
        for (PlatformVoice* voice : voices) {
            platformSetVoiceVolume(voice, -228);
            platformPlayVoice(voice);
        }
        state.ResumeTiming();
        for (int done = 0; done < rate; done += 1024) {
            platformMixAudio(block.data(), 1024);
            benchmark::DoNotOptimize(block.data());
        }
    }
    state.counters["voices"] = double(voices.size());
    state.counters["rate"] = rate;
    for (PlatformVoice* voice : voices) {
        platformReleaseVoice(voice);
    }
    platformCloseAudio();
}
BENCHMARK(mixOneSecondAllVoices)->Unit(benchmark::kMicrosecond);

void loadTenEffects(benchmark::State& state)
{
    if (!openDevice()) {
        state.SkipWithError("no audio device");
        return;
    }
    const bool own = !std::getenv("PLUMBRIX_SOUND_DIR") && !std::filesystem::exists("data/sound/10.wav");
    const std::string dir = own ? writeStandIns() : soundDir();
    int loaded = 0;
    for (auto _ : state) {
        auto* effects = new SoundEffect[10];
        loaded = 0;
        for (int n = 1; n <= 10; ++n) {
            loaded += effects[n - 1].loadFile(filePath(dir, n).c_str(), voicesPerFile[n - 1]);
        }
        state.PauseTiming();
        delete[] effects;
        state.ResumeTiming();
    }
    state.counters["loaded"] = loaded;
    state.SetLabel(own ? "stand-ins" : dir);
    platformCloseAudio();
    if (own) {
        std::filesystem::remove_all(dir);
    }
}
BENCHMARK(loadTenEffects)->Unit(benchmark::kMillisecond);
}  // namespace
