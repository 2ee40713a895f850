// One sound effect: the voices that all play the one sample of its WAV file,
// so that it can sound several times at once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct PlatformVoice;

class SoundEffect {
public:
    SoundEffect() = default;
    SoundEffect(const SoundEffect&) = delete;
    SoundEffect& operator=(const SoundEffect&) = delete;
    virtual ~SoundEffect();

    // Both leave the effect empty on failure; a duplicate voice that cannot be
    // made leaves it playing on fewer voices, and also reports false.
    bool loadFile(const char* path, int voiceCount);
    bool loadImage(const uint8_t* bytes, size_t length, int voiceCount);
    // Starts the first idle voice at `volume` (hundredths of a decibel); false
    // when every voice is busy.
    bool play(int volume);
    void stopAll();

    std::vector<PlatformVoice*> voices;  // voice 0 made the sample, the others share it
    int voiceCount = 0;                  // always the number of voices
    uint32_t sampleBytes = 0;            // whole sample frames only

private:
    void release();
};
