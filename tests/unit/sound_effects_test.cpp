// The effect table: the effects volume, loading the ten files, which requests
// start a voice, and running silent without files or without a device.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "audio/sound_effect.h"
#include "audio/sound_effects.h"
#include "platform/audio_device.h"
#include "screens/options.h"
#include "test_support.h"
#include "wave_test_files.h"

namespace {
// Frames in file nn.wav, so that every effect's sample tells which file it is.
int framesInFile(int number)
{
    return 2000 + 100 * number;
}

std::string effectPath(int number)
{
    return (number < 10 ? "sound/0" : "sound/") + std::to_string(number) + ".wav";
}

void writeEffects()
{
    std::filesystem::create_directory("sound");
    for (int n = 1; n <= 10; ++n) {
        writeFile(effectPath(n), waveFile(1, 44100, 16, pcm16(squareWave(framesInFile(n), 8000, 50))));
    }
}

void mixFrames(int frames)
{
    std::vector<int16_t> out(size_t(frames) * 2);
    platformMixAudio(out.data(), frames);
}

bool voicePlaying(int id, int voice)
{
    return platformVoiceStatus(soundEffects[id].voices[size_t(voice)]) & platformVoicePlaying;
}

int voicesPlaying()
{
    int playing = 0;
    for (int id = 0; id < soundEffectCount; ++id) {
        for (int v = 0; v < soundEffects[id].voiceCount; ++v) {
            playing += voicePlaying(id, v);
        }
    }
    return playing;
}

void mixUntilIdle(int id, int voice)
{
    for (int block = 0; block < 1000 && voicePlaying(id, voice); ++block) {
        mixFrames(64);
    }
}

class SoundEffectsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        shutdownSoundEffects();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setEffectsVolume(effectsVolumeFor(391));
        takeSounds();
        takeErrorBoxes();
    }
    void TearDown() override
    {
        shutdownSoundEffects();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    // Opens the device on the effects in the scratch folder and stops its own
    // mixing, so that only the test moves the voices on.
    void start()
    {
        ASSERT_TRUE(initSoundEffects());
        platformHoldAudio(true);
    }

    ScratchDir scratch;
};
}  // namespace

TEST_F(SoundEffectsTest, VolumeFollowsTheSlider)
{
    const std::pair<int, int> expected[] = {{227, -10000}, {228, -10000}, {229, -10000}, {230, -5219},
                                            {300, -3049},  {391, -228},   {398, -11},    {399, 0}};
    for (auto [slider, volume] : expected) {
        EXPECT_EQ(effectsVolumeFor(slider), volume) << "slider at " << slider;
    }
    // A damaged save can hold any slider value: the ends of int stay at the
    // ends of the range instead of wrapping round to the other one.
    EXPECT_EQ(effectsVolumeFor(INT_MIN), -10000);
    EXPECT_EQ(effectsVolumeFor(INT_MAX), 0);
    EXPECT_EQ(musicVolumeFor(INT_MIN), 0.0f);
    EXPECT_EQ(musicVolumeFor(INT_MAX), 1.0f);
}

TEST_F(SoundEffectsTest, EachFileLoadsIntoItsIdWithItsVoices)
{
    writeEffects();
    start();
    const int files[] = {3, 5, 6, 7, 8, 9, 4, 1, 2, 10};
    const int voices[] = {2, 2, 4, 1, 1, 6, 1, 2, 2, 6};
    for (int id = 0; id < soundEffectCount; ++id) {
        EXPECT_EQ(soundEffects[id].voiceCount, voices[id]) << "id " << id;
        EXPECT_EQ(soundEffects[id].sampleBytes, uint32_t(2 * framesInFile(files[id]))) << "id " << id;
    }
    EXPECT_TRUE(takeErrorBoxes().empty());
}

TEST_F(SoundEffectsTest, IdsOutsideTheTableDoNothing)
{
    writeEffects();
    start();
    for (int id : {-1, 10, 255}) {
        EXPECT_FALSE(playSound(SoundId(id)));
    }
    EXPECT_EQ(takeSounds(), (std::vector<int>{-1, 10, 255}));
    EXPECT_EQ(voicesPlaying(), 0);
}

TEST_F(SoundEffectsTest, EveryRequestStartsOneMoreVoiceUntilAllAreBusy)
{
    writeEffects();
    start();
    // The mixer asks for id 7 on every frame of its animation.
    EXPECT_TRUE(playSound(soundMixer));
    mixFrames(512);
    EXPECT_TRUE(playSound(soundMixer));
    EXPECT_TRUE(voicePlaying(7, 0) && voicePlaying(7, 1));
    mixFrames(512);
    EXPECT_FALSE(playSound(soundMixer));  // dropped, not stolen
    mixUntilIdle(7, 0);
    EXPECT_TRUE(voicePlaying(7, 1));
    EXPECT_TRUE(playSound(soundMixer));  // the first voice to finish is the next one used
    EXPECT_TRUE(voicePlaying(7, 0));

    // The hint sound has one voice: it never restarts while it plays.
    EXPECT_TRUE(playSound(soundHint));
    mixFrames(512);
    EXPECT_FALSE(playSound(soundHint));
    mixUntilIdle(3, 0);
    EXPECT_TRUE(playSound(soundHint));
    EXPECT_TRUE(voicePlaying(3, 0));
}

TEST_F(SoundEffectsTest, DamagedFilesLeaveOnlyTheirOwnEffectSilent)
{
    writeEffects();
    const Bytes good = waveFile(1, 22050, 16, pcm16(squareWave(1000, 8000, 50)));
    writeFile(effectPath(1), Bytes(good.begin(), good.begin() + 11));  // id 7: too short to be a RIFF
    writeFile(effectPath(2), riff(Bytes()));                           // id 8: twelve bytes, no chunks
    writeFile(effectPath(3), waveFile(1, 22050, 24, Bytes(300, 0)));   // id 0: 24-bit
    // id 6: the short format form, which has no bits per sample.
    const Bytes format = fmtBody(1, 22050, 8);
    writeFile(effectPath(4), riff(chunk("fmt ", Bytes(format.begin(), format.begin() + 14)) +
                                  chunk("data", Bytes(100, 128))));
    // id 1: stereo 16-bit cut off inside the data, mid-frame.
    const Bytes stereo = waveFile(2, 22050, 16, Bytes(4000, 0));
    writeFile(effectPath(5), Bytes(stereo.begin(), stereo.begin() + 44 + 1003));
    std::filesystem::remove(effectPath(6));  // id 2: a folder
    std::filesystem::create_directory(effectPath(6));
    std::filesystem::remove(effectPath(10));  // id 9: a pipe nobody writes into
    ASSERT_EQ(mkfifo(effectPath(10).c_str(), 0600), 0);
    // id 3: over 32 MiB; id 4: exactly 32 MiB with the sound at its start.
    writeFile(effectPath(7), good);
    std::filesystem::resize_file(effectPath(7), (32u << 20) + 1);
    writeFile(effectPath(8),
              riff(chunk("fmt ", fmtBody(1, 22050, 16)) + chunk("data", Bytes(200, 0)), 32u << 20));
    std::filesystem::resize_file(effectPath(8), 32u << 20);
    ASSERT_TRUE(finishesInTime([] { initSoundEffects(); }));
    start();

    for (int id : {7, 8, 0, 6, 2, 3, 9}) {
        EXPECT_EQ(soundEffects[id].voiceCount, 0) << "id " << id;
        EXPECT_FALSE(playSound(SoundId(id)));
    }
    EXPECT_EQ(soundEffects[1].voiceCount, 2);
    EXPECT_EQ(soundEffects[1].sampleBytes, 1000u);  // the whole frames present
    EXPECT_EQ(soundEffects[4].voiceCount, 1);
    EXPECT_EQ(soundEffects[4].sampleBytes, 200u);
    for (int id : {1, 4, 5}) {
        EXPECT_TRUE(playSound(SoundId(id))) << "id " << id;
    }
}

TEST_F(SoundEffectsTest, MissingSoundFolderLeavesTheGameSilentAndRunning)
{
    start();
    for (int frame = 0; frame < 3; ++frame) {
        for (int id = 0; id < soundEffectCount; ++id) {
            EXPECT_FALSE(playSound(SoundId(id)));
            EXPECT_EQ(soundEffects[id].voiceCount, 0);
        }
    }
    EXPECT_EQ(takeSounds().size(), 30u);
    EXPECT_TRUE(takeErrorBoxes().empty());
}

TEST_F(SoundEffectsTest, WithoutADeviceTheGameRunsSilent)
{
    writeEffects();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(initSoundEffects());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error DirectSoundCreate\n");
    EXPECT_EQ(soundEffects, nullptr);
    EXPECT_FALSE(playSound(soundClick));
    EXPECT_EQ(takeSounds(), std::vector<int>{1});
    shutdownSoundEffects();
    EXPECT_TRUE(takeErrorBoxes().empty());
}

TEST_F(SoundEffectsTest, EffectsWhoseFilesComeLaterLoadThenAndLeaveThePlayingOnesAlone)
{
    // A browser starts the game before its sounds have arrived.
    std::filesystem::create_directory("sound");
    writeFile(effectPath(5), waveFile(1, 44100, 16, pcm16(squareWave(framesInFile(5), 8000, 50))));
    start();
    ASSERT_EQ(soundEffects[soundClick].voiceCount, 2);
    EXPECT_FALSE(playSound(soundSelect));
    ASSERT_TRUE(playSound(soundClick));
    mixFrames(64);

    writeEffects();
    std::filesystem::remove(effectPath(7));
    loadSilentSoundEffects();
    EXPECT_TRUE(voicePlaying(soundClick, 0)) << "a playing effect is not loaded again";
    EXPECT_EQ(soundEffects[soundSelect].voiceCount, 6);
    EXPECT_EQ(soundEffects[soundSelect].sampleBytes, uint32_t(framesInFile(10)) * 2);
    EXPECT_EQ(soundEffects[soundHint].voiceCount, 0) << "its file is still missing";
    EXPECT_TRUE(playSound(soundSelect));
    EXPECT_FALSE(playSound(soundHint));
    EXPECT_TRUE(takeErrorBoxes().empty());
}

TEST(SoundEffectsWithoutDevice, FilesThatComeLaterAreLeftAlone)
{
    loadSilentSoundEffects();
    EXPECT_EQ(soundEffects, nullptr);
}
