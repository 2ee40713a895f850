// Sound output: the default device opened once in 16-bit stereo, samples
// converted to that format once, and voices that play a shared sample once.
#pragma once
#include <cstdint>

struct PlatformVoice;

// Interleaved PCM as it lies in memory: 8-bit unsigned or 16-bit signed
// little-endian, one or two channels.
struct PlatformPcmFormat {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

// The sample rates sound is taken at, effects and music alike. Below a
// kilohertz the converter holds the whole sample back and stretches it in one
// go, with working buffers that grow with the ratio to the device.
constexpr int platformLowestRate = 1000;
constexpr int platformHighestRate = 384000;

// Voice status bit.
constexpr uint32_t platformVoicePlaying = 1;

// Opens the default output device; false when the machine has none.
bool platformOpenAudio();
bool platformAudioOpen();
void platformCloseAudio();

// A voice with a new sample of `bytes` bytes in `format`, silent until filled.
// Null without a device, for a format other than 8 or 16 bits, 1 or 2
// channels at 1000 to 384000 Hz, a size that is not whole frames, or a sample
// longer than ten minutes.
PlatformVoice* platformCreateVoice(const PlatformPcmFormat& format, uint32_t bytes);
// Another voice on the same sample; the sample lives until its last voice goes.
PlatformVoice* platformDuplicateVoice(PlatformVoice* voice);
void platformReleaseVoice(PlatformVoice* voice);
// Replaces the sample with `bytes` bytes of PCM in the format it was created
// with (exactly its size), converted to the device format. Every voice
// sharing the sample hears the new data.
bool platformFillVoice(PlatformVoice* voice, const void* data, uint32_t bytes);

uint32_t platformVoiceStatus(PlatformVoice* voice);
// Attenuation in hundredths of a decibel, -10000 (silence) to 0 (full);
// anything else is refused.
bool platformSetVoiceVolume(PlatformVoice* voice, int hundredthsOfDecibel);
// Plays the sample once from its start; the voice stops by itself at the end.
bool platformPlayVoice(PlatformVoice* voice);
void platformStopVoice(PlatformVoice* voice);
void platformRewindVoice(PlatformVoice* voice);

// Tests and benchmarks: hold stops the device's own mixing so that they can
// run the mixer themselves; it mixes `frames` stereo frames into `out`.
void platformHoldAudio(bool hold);
void platformMixAudio(int16_t* out, int frames);
int platformAudioRate();
