// Loading an effect from its WAV file into voices, and playing it on the first
// idle one. A busy effect drops the request; no voice is ever cut short.
#include "audio/sound_effect.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

#include "audio/wave_chunks.h"
#include "platform/audio_device.h"

namespace {
constexpr long minFileBytes = 12;  // just the RIFF header
constexpr long maxFileBytes = 64L << 20;
}  // namespace

SoundEffect::~SoundEffect()
{
    release();
}

void SoundEffect::release()
{
    if (platformAudioOpen()) {
        stopAll();
    }
    for (PlatformVoice* voice : voices) {
        platformReleaseVoice(voice);
    }
    voices.clear();
    voiceCount = 0;
    sampleBytes = 0;
}

bool SoundEffect::loadFile(const char* path, int count)
{
    if (!platformAudioOpen()) {
        return false;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        release();
        return false;
    }
    long length = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        length = std::ftell(file);
    }
    std::unique_ptr<uint8_t[]> block;
    bool read = false;
    if (length >= minFileBytes && length <= maxFileBytes && std::fseek(file, 0, SEEK_SET) == 0) {
        block.reset(new (std::nothrow) uint8_t[size_t(length)]);
        read = block && std::fread(block.get(), 1, size_t(length), file) == size_t(length);
    }
    std::fclose(file);
    if (!read) {
        release();
        return false;
    }
    return loadImage(block.get(), size_t(length), count);
}

bool SoundEffect::loadImage(const uint8_t* bytes, size_t length, int count)
{
    release();
    if (!bytes || length == 0) {
        return false;
    }
    count = std::max(count, 1);

    // The device keeps its own converted copy of the samples, so the file
    // image is needed only here.
    WaveChunks chunks;
    if (!findWaveChunks(bytes, length, chunks) || !chunks.format) {
        return false;
    }
    const WaveFormat wave = readWaveFormat(chunks.format, chunks.formatBytes);
    if (!playableFormat(wave)) {
        return false;
    }
    // A truncated file ends mid-frame; the partial frame is not sound.
    sampleBytes = chunks.sampleBytes - chunks.sampleBytes % wave.blockAlign;

    PlatformPcmFormat pcm;
    pcm.channels = wave.channels;
    pcm.rate = int(wave.samplesPerSec);
    pcm.bits = wave.bitsPerSample;
    PlatformVoice* first = sampleBytes ? platformCreateVoice(pcm, sampleBytes) : nullptr;
    if (!first) {
        return false;
    }
    if (!chunks.samples || !platformFillVoice(first, chunks.samples, sampleBytes)) {
        platformReleaseVoice(first);
        return false;
    }
    voices.push_back(first);
    voiceCount = 1;
    for (int i = 1; i < count; ++i) {
        PlatformVoice* duplicate = platformDuplicateVoice(first);
        if (!duplicate) {
            return false;
        }
        voices.push_back(duplicate);
        voiceCount = i + 1;
    }
    return true;
}

bool SoundEffect::play(int volume)
{
    if (!platformAudioOpen()) {
        return false;
    }
    PlatformVoice* chosen = nullptr;
    for (PlatformVoice* voice : voices) {
        if (!(platformVoiceStatus(voice) & platformVoicePlaying)) {
            chosen = voice;
            break;
        }
    }
    if (!chosen || !platformSetVoiceVolume(chosen, volume)) {
        return false;
    }
    return platformPlayVoice(chosen);
}

void SoundEffect::stopAll()
{
    if (!platformAudioOpen()) {
        return;
    }
    for (PlatformVoice* voice : voices) {
        platformStopVoice(voice);
        platformRewindVoice(voice);
    }
}
