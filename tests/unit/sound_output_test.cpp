// End to end through SDL's disk audio driver: an effect the game plays lands
// in the output file at the loudness the options slider asks for.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "audio/sound_effect.h"
#include "audio/sound_effects.h"
#include "platform/audio_device.h"
#include "screens/options.h"
#include "wave_test_files.h"

namespace {
constexpr int toneFrames = 2205;
constexpr int toneLevel = 10000;

// Every effect file holds the same 50 ms square tone, mono 16-bit 44.1 kHz.
void writeEffects()
{
    std::filesystem::create_directory("sound");
    for (int n = 1; n <= 10; ++n) {
        const std::string path = (n < 10 ? "sound/0" : "sound/") + std::to_string(n) + ".wav";
        writeFile(path, waveFile(1, 44100, 16, pcm16(squareWave(toneFrames, toneLevel, 100))));
    }
}

// Plays the mixer's sound (id 7) once at the slider position and returns the
// device's whole output as 16-bit stereo.
std::vector<int16_t> recordEffect(int slider, const std::string& output)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);  // no need to pace the file in real time
    setEffectsVolume(effectsVolumeFor(slider));
    const bool opened = initSoundEffects();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(opened);
    if (!opened) {
        return {};
    }
    EXPECT_EQ(platformAudioRate(), 44100);
    EXPECT_TRUE(playSound(soundMixer));
    PlatformVoice* voice = soundEffects[7].voices[0];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while ((platformVoiceStatus(voice) & platformVoicePlaying) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(platformVoiceStatus(voice) & platformVoicePlaying);
    shutdownSoundEffects();
    const Bytes raw = readFile(output);
    std::vector<int16_t> out(raw.size() / 2);
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = int16_t(raw[2 * i] | raw[2 * i + 1] << 8);
    }
    return out;
}
}  // namespace

TEST(SoundOutput, EffectIsHeardAtTheSliderLoudnessAndSilentAtTheLeft)
{
    shutdownSoundEffects();
    ScratchDir scratch;
    writeEffects();

    // 391 is -2.28 dB: 10000 comes out as 7691 on both channels.
    const std::vector<int16_t> loud = recordEffect(391, scratch.path() + "/loud.raw");
    const int16_t level = int16_t(std::lround(toneLevel * std::pow(10.0, -228 / 2000.0)));
    ASSERT_EQ(level, 7691);
    int sounding = 0;
    for (size_t i = 0; i + 1 < loud.size(); i += 2) {
        if (loud[i] != 0 || loud[i + 1] != 0) {
            ++sounding;
            ASSERT_EQ(std::abs(loud[i]), level) << "frame " << i / 2;
            ASSERT_EQ(loud[i + 1], loud[i]);
        }
    }
    EXPECT_EQ(sounding, toneFrames);

    // At 229 the effect still takes its voice and plays, but silently.
    const std::vector<int16_t> quiet = recordEffect(229, scratch.path() + "/quiet.raw");
    EXPECT_GE(quiet.size(), size_t(toneFrames) * 2);
    for (int16_t value : quiet) {
        ASSERT_EQ(value, 0);
    }
}
