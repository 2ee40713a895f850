// Loading an effect from its WAV file into voices, and playing it on the first
// idle one. A busy effect drops the request; no voice is ever cut short.
#include "audio/sound_effect.h"

#include <algorithm>
#include <vector>

#include "audio/wave_chunks.h"
#include "platform/audio_device.h"
#include "platform/file.h"

namespace {
// A file is read whole and its sound converted for the device, so both are
// bounded: together they stay under 64 MiB. A minute of sound is ten
// megabytes at the device.
constexpr size_t maxFileBytes = size_t(32) << 20;
constexpr uint32_t longestSeconds = 60;
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
    std::vector<uint8_t> image;
    if (!platformReadFile(path, maxFileBytes, image)) {
        release();
        return false;
    }
    return loadImage(image.data(), image.size(), count);
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
    if (sampleBytes / wave.blockAlign > uint64_t(wave.samplesPerSec) * longestSeconds) {
        sampleBytes = 0;
        return false;
    }

    PlatformPcmFormat pcm;
    pcm.channels = wave.channels;
    pcm.rate = int(wave.samplesPerSec);
    pcm.bits = wave.bitsPerSample;
    PlatformVoice* first = sampleBytes ? platformCreateVoice(pcm, sampleBytes) : nullptr;
    if (!first) {
        return false;
    }
    if (!platformFillVoice(first, chunks.samples, sampleBytes)) {
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
