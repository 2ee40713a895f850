// The sound device on SDL's dummy driver, mixed by the test: shared samples,
// gain in hundredths of a decibel, conversion to 16-bit stereo, and refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "audio/sound_effects.h"
#include "platform/audio_device.h"
#include "wave_test_files.h"

namespace {
const PlatformPcmFormat mono16{1, 44100, 16};

std::vector<int16_t> ramp(int frames)
{
    std::vector<int16_t> out;
    out.reserve(size_t(frames));
    for (int i = 0; i < frames; ++i) {
        out.push_back(int16_t(100 * i - 5000));
    }
    return out;
}

PlatformVoice* filledVoice(const PlatformPcmFormat& format, const Bytes& data)
{
    PlatformVoice* voice = platformCreateVoice(format, uint32_t(data.size()));
    EXPECT_TRUE(voice && platformFillVoice(voice, data.data(), uint32_t(data.size())));
    return voice;
}

std::vector<int16_t> mixed(int frames)
{
    std::vector<int16_t> out(size_t(frames) * 2);
    platformMixAudio(out.data(), frames);
    return out;
}

class AudioDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shutdownSoundEffects();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(platformOpenAudio());
        platformHoldAudio(true);
        ASSERT_EQ(platformAudioRate(), 44100);
    }
    void TearDown() override
    {
        for (PlatformVoice* voice : made) {
            platformReleaseVoice(voice);
        }
        platformCloseAudio();
    }
    PlatformVoice* keep(PlatformVoice* voice)
    {
        made.push_back(voice);
        return voice;
    }
    std::vector<PlatformVoice*> made;
};
}  // namespace

TEST_F(AudioDeviceTest, DuplicatesShareTheSampleAndOutliveTheFirstVoice)
{
    PlatformVoice* first = platformCreateVoice(mono16, 200);
    ASSERT_NE(first, nullptr);
    PlatformVoice* duplicate = keep(platformDuplicateVoice(first));
    // Filled after the duplicate was made, and then released: the duplicate
    // still plays the data.
    const Bytes data = pcm16(ramp(100));
    ASSERT_TRUE(platformFillVoice(first, data.data(), 200));
    platformReleaseVoice(first);
    ASSERT_TRUE(platformSetVoiceVolume(duplicate, 0));
    ASSERT_TRUE(platformPlayVoice(duplicate));
    EXPECT_EQ(platformVoiceStatus(duplicate), platformVoicePlaying);
    const std::vector<int16_t> out = mixed(101);
    for (size_t i = 0; i < 100; ++i) {
        ASSERT_EQ(out[2 * i], ramp(100)[i]) << i;
        ASSERT_EQ(out[2 * i + 1], ramp(100)[i]) << i;
    }
    EXPECT_EQ(out[200], 0);
    EXPECT_EQ(platformVoiceStatus(duplicate), 0u);  // stopped by itself at the end
}

TEST_F(AudioDeviceTest, VolumeIsInHundredthsOfADecibel)
{
    PlatformVoice* voice = keep(filledVoice(mono16, pcm16(std::vector<int16_t>(10, 10000))));
    for (auto [volume, level] : {std::pair{0, 10000}, {-2000, 1000}, {-600, 5012}, {-10000, 0}}) {
        ASSERT_TRUE(platformSetVoiceVolume(voice, volume));
        ASSERT_TRUE(platformPlayVoice(voice));
        EXPECT_EQ(mixed(1)[0], level) << volume;
    }
    EXPECT_FALSE(platformSetVoiceVolume(voice, 1));
    EXPECT_FALSE(platformSetVoiceVolume(voice, -10001));
}

TEST_F(AudioDeviceTest, VoicesAddUpAndClip)
{
    const PlatformPcmFormat stereo{2, 44100, 16};
    PlatformVoice* a = keep(filledVoice(stereo, pcm16({30000, -30000, 1000, 2000})));
    PlatformVoice* b = keep(platformDuplicateVoice(a));
    platformPlayVoice(a);
    platformPlayVoice(b);
    EXPECT_EQ(mixed(2), (std::vector<int16_t>{32767, -32768, 2000, 4000}));
}

TEST_F(AudioDeviceTest, StopHaltsAndPlayStartsAgainFromTheBeginning)
{
    PlatformVoice* voice = keep(filledVoice(mono16, pcm16(ramp(50))));
    platformPlayVoice(voice);
    mixed(10);
    platformStopVoice(voice);
    EXPECT_EQ(platformVoiceStatus(voice), 0u);
    EXPECT_EQ(mixed(1)[0], 0);
    platformPlayVoice(voice);
    EXPECT_EQ(mixed(1)[0], ramp(50)[0]);
}

TEST_F(AudioDeviceTest, ConvertsEightBitAndOtherRatesToDeviceFrames)
{
    // One second of a 441 Hz tone in 8-bit unsigned at 22050 Hz.
    Bytes tone;
    for (int i = 0; i < 22050; ++i) {
        tone.push_back(uint8_t(128 + std::lround(100 * std::sin(2 * M_PI * 441 * i / 22050.0))));
    }
    PlatformVoice* voice = keep(filledVoice({1, 22050, 8}, tone));
    platformPlayVoice(voice);
    const std::vector<int16_t> out = mixed(44100);
    double sum = 0;
    for (size_t i = 4410; i < 39690; ++i) {  // away from the resampler's edges
        EXPECT_EQ(out[2 * i], out[2 * i + 1]);
        sum += double(out[2 * i]) * out[2 * i];
    }
    EXPECT_NEAR(std::sqrt(sum / 35280), 100 * 256 / std::sqrt(2.0), 300);
    mixed(200);
    EXPECT_EQ(platformVoiceStatus(voice), 0u);  // about a second at the device rate
}

TEST_F(AudioDeviceTest, RefusesWhatItCannotPlay)
{
    EXPECT_EQ(platformCreateVoice({1, 44100, 24}, 300), nullptr);
    EXPECT_EQ(platformCreateVoice({3, 44100, 16}, 300), nullptr);
    EXPECT_EQ(platformCreateVoice({1, 0, 16}, 300), nullptr);
    EXPECT_EQ(platformCreateVoice({1, 384001, 16}, 300), nullptr);
    EXPECT_EQ(platformCreateVoice(mono16, 301), nullptr);  // half a frame
    EXPECT_EQ(platformCreateVoice(mono16, 0), nullptr);
    EXPECT_EQ(platformCreateVoice({1, 1, 8}, 601), nullptr);  // over ten minutes
    PlatformVoice* voice = keep(platformCreateVoice({1, 1, 8}, 600));
    ASSERT_NE(voice, nullptr);
    const Bytes data(602, 128);
    EXPECT_FALSE(platformFillVoice(voice, data.data(), 602));  // not the size it was made with

    platformCloseAudio();
    EXPECT_EQ(platformCreateVoice(mono16, 300), nullptr);
    EXPECT_FALSE(platformPlayVoice(voice));
}
