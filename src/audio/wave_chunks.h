// Reading a RIFF/WAVE file image: where its format and sample data lie, and
// whether that format is one the sound device plays.
#pragma once
#include <cstddef>
#include <cstdint>

struct WaveChunks {
    const uint8_t* format = nullptr;  // body of the "fmt " chunk
    uint32_t formatBytes = 0;
    const uint8_t* samples = nullptr;  // body of the "data" chunk
    uint32_t sampleBytes = 0;          // never more than the image holds
};

// Walks the chunks of a whole file image. False for an image that is not
// RIFF/WAVE, or whose "fmt " chunk is too short or runs past the end; true
// otherwise, even when a chunk is missing.
bool findWaveChunks(const uint8_t* image, size_t length, WaveChunks& out);

// The fields of a "fmt " body; those beyond a short body read as zero.
struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

WaveFormat readWaveFormat(const uint8_t* body, uint32_t bytes);
// Plain PCM of 8 or 16 bits, 1 or 2 channels, 1000 to 384000 Hz, with the
// block align those imply.
bool playableFormat(const WaveFormat& format);
