// Fuzzing a sound effect's file image: the RIFF chunk walk, the format checks,
// the conversion for the device, and a block of mixing with the result.
#include <cstdint>
#include <vector>

#include "audio/sound_effect.h"
#include "fuzz_support.h"
#include "platform/audio_device.h"

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterScratchFolder(false);
    if (!platformOpenAudio()) {
        return 1;
    }
    // The fuzzer mixes by itself, so that every input is heard the same way.
    platformHoldAudio(true);
    return 0;
}

// NOLINTNEXTLINE(readability-identifier-naming): the name libFuzzer calls
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SoundEffect effect;
    if (effect.loadImage(data, size, 2) && effect.play(-600)) {
        constexpr int frames = 2048;
        std::vector<int16_t> out(size_t(2) * frames);
        platformMixAudio(out.data(), frames);
    }
    return 0;
}
