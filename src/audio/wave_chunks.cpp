// The RIFF chunk walk. Offsets are 64-bit and every chunk is checked against
// the end of the image, so a lying size can neither loop nor overrun.
#include "audio/wave_chunks.h"

#include <algorithm>
#include <cstring>

#include "base/bytes.h"
#include "platform/audio_device.h"

namespace {
constexpr uint32_t waveFormatBytes = 14;  // the fields every "fmt " chunk has
constexpr uint32_t waveFormatExBytes = 18;
constexpr uint16_t pcmTag = 1;

bool isId(const uint8_t* p, const char* id)
{
    return std::memcmp(p, id, 4) == 0;
}
}  // namespace

bool findWaveChunks(const uint8_t* image, size_t length, WaveChunks& out)
{
    out = WaveChunks();
    if (!image || length < 12 || !isId(image, "RIFF") || !isId(image + 8, "WAVE")) {
        return false;
    }
    const uint64_t end = std::min<uint64_t>(8 + uint64_t(readLe32(image + 4)), length);
    uint64_t pos = 12;
    while (pos + 8 <= end) {
        const uint8_t* header = image + pos;
        const uint32_t size = readLe32(header + 4);
        const uint64_t body = pos + 8;
        const uint64_t present = end - body;
        if (isId(header, "fmt ") && !out.format) {
            if (size < waveFormatBytes || size > present) {
                return false;
            }
            out.format = image + body;
            out.formatBytes = size;
            if (out.samples && out.sampleBytes != 0) {
                return true;
            }
        } else if (isId(header, "data") && (!out.samples || out.sampleBytes == 0)) {
            // A truncated file still plays what it holds.
            out.samples = image + body;
            out.sampleBytes = uint32_t(std::min<uint64_t>(size, present));
            // An empty chunk does not end the walk: a later one may hold the sound.
            if (out.format && out.sampleBytes != 0) {
                return true;
            }
        }
        // Chunk bodies of odd size are followed by one pad byte.
        pos = body + size + (size & 1);
    }
    return true;
}

WaveFormat readWaveFormat(const uint8_t* body, uint32_t bytes)
{
    uint8_t raw[waveFormatExBytes] = {};
    if (body) {
        std::memcpy(raw, body, std::min(bytes, waveFormatExBytes));
    }
    WaveFormat f;
    f.formatTag = readLe16(raw);
    f.channels = readLe16(raw + 2);
    f.samplesPerSec = readLe32(raw + 4);
    f.avgBytesPerSec = readLe32(raw + 8);
    f.blockAlign = readLe16(raw + 12);
    f.bitsPerSample = readLe16(raw + 14);
    return f;
}

bool playableFormat(const WaveFormat& f)
{
    return f.formatTag == pcmTag && (f.bitsPerSample == 8 || f.bitsPerSample == 16) &&
           (f.channels == 1 || f.channels == 2) && f.samplesPerSec >= uint32_t(platformLowestRate) &&
           f.samplesPerSec <= uint32_t(platformHighestRate) &&
           f.blockAlign == f.channels * f.bitsPerSample / 8;
}
