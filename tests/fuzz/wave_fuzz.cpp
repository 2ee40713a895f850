// Fuzzing a sound effect's file image: the RIFF chunk walk, the format checks,
// the conversion for the device, and a block of mixing with the result.
#include <cstdint>
#include <vector>

#include "audio/sound_effect.h"
#include "fuzz_support.h"
#include "platform/audio_device.h"

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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SoundEffect effect;
    if (effect.loadImage(data, size, 2) && effect.play(-600)) {
        std::vector<int16_t> out(2 * 2048);
        platformMixAudio(out.data(), 2048);
    }
    return 0;
}
