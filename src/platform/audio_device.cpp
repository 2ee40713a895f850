// SDL audio output: samples are converted to the device's 16-bit stereo once,
// and the audio callback adds up every playing voice at its own gain.
#include "platform/audio_device.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/internal.h"

namespace {
constexpr int deviceChannels = 2;
constexpr int blockFrames = 1024;
constexpr uint32_t maxSeconds = 600;
// Sample frames fed to the converter at a time.
constexpr uint32_t pieceFrames = 16384;

// Device-format frames shared by every voice made from the same sample.
struct Sample {
    int voices = 0;
    PlatformPcmFormat format;
    uint32_t sourceBytes = 0;
    int16_t* frames = nullptr;  // interleaved stereo, malloc'd
    uint32_t frameCount = 0;
};
}  // namespace

struct PlatformVoice {
    Sample* sample = nullptr;
    uint32_t position = 0;  // in frames
    float gain = 1;
    bool playing = false;
};

namespace {
SDL_AudioDeviceID device = 0;
int deviceRate = 0;
std::vector<PlatformVoice*> voices;  // every live voice; the callback walks it
std::vector<float> mixBuffer;
void (*musicMixer)(float*, int, int) = nullptr;

// The callback runs under the same lock, so nothing it reads changes under it.
class DeviceLock {
public:
    DeviceLock() : id(device)
    {
        if (id) {
            SDL_LockAudioDevice(id);
        }
    }
    ~DeviceLock()
    {
        if (id) {
            SDL_UnlockAudioDevice(id);
        }
    }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    SDL_AudioDeviceID id;
};

void mixBlock(int16_t* out, int frames)
{
    float* acc = mixBuffer.data();
    const int values = frames * deviceChannels;
    std::fill(acc, acc + values, 0.0f);
    for (PlatformVoice* v : voices) {
        if (!v->playing) {
            continue;
        }
        const Sample* s = v->sample;
        const uint32_t left = s->frameCount > v->position ? s->frameCount - v->position : 0;
        const uint32_t n = std::min(left, uint32_t(frames));
        if (v->gain > 0) {
            const int16_t* src = s->frames + size_t(v->position) * deviceChannels;
            const float g = v->gain;
            for (uint32_t i = 0; i < n * deviceChannels; ++i) {
                acc[i] += float(src[i]) * g;
            }
        }
        v->position += n;
        if (v->position >= s->frameCount) {
            v->playing = false;
        }
    }
    if (musicMixer) {
        musicMixer(acc, frames, deviceRate);
    }
    for (int i = 0; i < values; ++i) {
        const float x = std::clamp(acc[i], -32768.0f, 32767.0f);
        out[i] = int16_t(std::lrint(x));
    }
}

// Called with the device locked.
void mix(int16_t* out, int frames)
{
    while (frames > 0) {
        const int n = std::min(frames, blockFrames);
        mixBlock(out, n);
        out += ptrdiff_t(n) * deviceChannels;
        frames -= n;
    }
}

void audioCallback(void*, Uint8* stream, int len)
{
    mix(reinterpret_cast<int16_t*>(stream), len / int(sizeof(int16_t) * deviceChannels));
}

bool supported(const PlatformPcmFormat& f)
{
    return (f.bits == 8 || f.bits == 16) && (f.channels == 1 || f.channels == 2) &&
           f.rate >= platformLowestRate && f.rate <= platformHighestRate;
}

uint32_t frameBytes(const PlatformPcmFormat& f)
{
    return uint32_t(f.channels * f.bits / 8);
}

// Takes what the stream has converted so far onto the end of the frames,
// growing them when the estimate fell short.
bool drain(SDL_AudioStream* stream, int16_t*& frames, size_t& capacity, size_t& got)
{
    for (int available = SDL_AudioStreamAvailable(stream); available > 0;
         available = SDL_AudioStreamAvailable(stream)) {
        if (got + size_t(available) > capacity) {
            const size_t bigger = std::max(capacity * 2, got + size_t(available));
            auto* grown = static_cast<int16_t*>(std::realloc(frames, bigger));
            if (!grown) {
                return false;
            }
            frames = grown;
            capacity = bigger;
        }
        const int n = SDL_AudioStreamGet(stream, reinterpret_cast<uint8_t*>(frames) + got, available);
        if (n <= 0) {
            return n == 0;
        }
        got += size_t(n);
    }
    return true;
}

// Converts PCM in `format` to device frames; the result is malloc'd, and may
// hold no frames at all for a sample shorter than one device frame. The
// sample goes through the converter in small pieces, so that its working
// buffers stay small: only the result grows with the sound.
bool convert(const PlatformPcmFormat& format, const void* data, uint32_t bytes, int16_t*& frames,
             uint32_t& frameCount)
{
    frames = nullptr;
    frameCount = 0;
    SDL_AudioStream* stream =
        SDL_NewAudioStream(format.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB, Uint8(format.channels), format.rate,
                           AUDIO_S16SYS, deviceChannels, deviceRate);
    if (!stream) {
        return false;
    }
    const uint64_t inFrames = bytes / frameBytes(format);
    size_t capacity = size_t((inFrames * uint64_t(deviceRate) / uint64_t(format.rate) + 64) * deviceChannels *
                             sizeof(int16_t));
    frames = static_cast<int16_t*>(std::malloc(capacity));
    size_t got = 0;
    bool ok = frames != nullptr;
    // The converter's working buffers grow with the rate's ratio: a piece
    // holds fewer frames the further the sample's rate lies below the device's.
    const uint64_t fitting = uint64_t(pieceFrames) * uint64_t(format.rate) / uint64_t(deviceRate);
    const uint32_t piece = uint32_t(std::clamp<uint64_t>(fitting, 1, pieceFrames)) * frameBytes(format);
    const auto* in = static_cast<const uint8_t*>(data);
    for (uint32_t done = 0; ok && done < bytes; done += piece) {
        const uint32_t n = std::min(piece, bytes - done);
        ok = SDL_AudioStreamPut(stream, in + done, int(n)) == 0 && drain(stream, frames, capacity, got);
    }
    ok = ok && SDL_AudioStreamFlush(stream) == 0 && drain(stream, frames, capacity, got);
    SDL_FreeAudioStream(stream);
    frameCount = ok ? uint32_t(got / (sizeof(int16_t) * deviceChannels)) : 0;
    if (!ok || frameCount == 0) {
        std::free(frames);
        frames = nullptr;
    }
    return ok;
}
}  // namespace

bool platformOpenAudio()
{
    if (device) {
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = deviceChannels;
    want.samples = blockFrames;
    want.callback = audioCallback;
    SDL_AudioSpec have{};
    // Any rate will do: samples are converted to it once, at load.
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (!device) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    deviceRate = have.freq;
    mixBuffer.assign(size_t(blockFrames) * deviceChannels, 0.0f);
    // However the program ends, the callback must stop before the memory it
    // mixes in goes with the program's globals.
    static const bool closesAtExit = std::atexit(platformCloseAudio) == 0;
    (void)closesAtExit;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

bool platformAudioOpen()
{
    return device != 0;
}

void platformCloseAudio()
{
    if (!device) {
        return;
    }
    SDL_CloseAudioDevice(device);
    device = 0;
    deviceRate = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

PlatformVoice* platformCreateVoice(const PlatformPcmFormat& format, uint32_t bytes)
{
    if (!device || !supported(format) || bytes == 0 || bytes % frameBytes(format) != 0 ||
        bytes / frameBytes(format) > uint32_t(format.rate) * maxSeconds) {
        return nullptr;
    }
    auto* sample = new Sample;
    sample->format = format;
    sample->sourceBytes = bytes;
    sample->voices = 1;
    auto* voice = new PlatformVoice;
    voice->sample = sample;
    DeviceLock lock;
    voices.push_back(voice);
    return voice;
}

PlatformVoice* platformDuplicateVoice(PlatformVoice* original)
{
    if (!device || !original) {
        return nullptr;
    }
    auto* voice = new PlatformVoice;
    voice->sample = original->sample;
    ++voice->sample->voices;
    DeviceLock lock;
    voices.push_back(voice);
    return voice;
}

void platformReleaseVoice(PlatformVoice* voice)
{
    if (!voice) {
        return;
    }
    {
        DeviceLock lock;
        voices.erase(std::remove(voices.begin(), voices.end(), voice), voices.end());
    }
    Sample* sample = voice->sample;
    delete voice;
    if (--sample->voices == 0) {
        std::free(sample->frames);
        delete sample;
    }
}

bool platformFillVoice(PlatformVoice* voice, const void* data, uint32_t bytes)
{
    if (!device || !voice || !data || bytes != voice->sample->sourceBytes) {
        return false;
    }
    int16_t* frames = nullptr;
    uint32_t frameCount = 0;
    if (!convert(voice->sample->format, data, bytes, frames, frameCount)) {
        return false;
    }
    int16_t* old = nullptr;
    {
        DeviceLock lock;
        old = voice->sample->frames;
        voice->sample->frames = frames;
        voice->sample->frameCount = frameCount;
    }
    std::free(old);
    return true;
}

uint32_t platformVoiceStatus(PlatformVoice* voice)
{
    if (!voice) {
        return 0;
    }
    DeviceLock lock;
    return voice->playing ? platformVoicePlaying : 0;
}

bool platformSetVoiceVolume(PlatformVoice* voice, int hundredthsOfDecibel)
{
    if (!voice || hundredthsOfDecibel < -10000 || hundredthsOfDecibel > 0) {
        return false;
    }
    const float gain = hundredthsOfDecibel == -10000 ? 0.0f : std::pow(10.0f, hundredthsOfDecibel / 2000.0f);
    DeviceLock lock;
    voice->gain = gain;
    return true;
}

bool platformPlayVoice(PlatformVoice* voice)
{
    if (!device || !voice) {
        return false;
    }
    DeviceLock lock;
    voice->position = 0;
    voice->playing = true;
    return true;
}

void platformStopVoice(PlatformVoice* voice)
{
    if (voice) {
        DeviceLock lock;
        voice->playing = false;
    }
}

void platformRewindVoice(PlatformVoice* voice)
{
    if (voice) {
        DeviceLock lock;
        voice->position = 0;
    }
}

void setMusicMixer(void (*mixer)(float* acc, int frames, int rate))
{
    DeviceLock lock;
    musicMixer = mixer;
}

void lockAudioMixer()
{
    if (device) {
        SDL_LockAudioDevice(device);
    }
}

void unlockAudioMixer()
{
    if (device) {
        SDL_UnlockAudioDevice(device);
    }
}

void platformHoldAudio(bool hold)
{
    if (device) {
        SDL_PauseAudioDevice(device, hold ? 1 : 0);
    }
}

void platformMixAudio(int16_t* out, int frames)
{
    if (!device) {
        std::fill(out, out + size_t(std::max(frames, 0)) * deviceChannels, int16_t(0));
        return;
    }
    DeviceLock lock;
    mix(out, frames);
}

int platformAudioRate()
{
    return deviceRate;
}
