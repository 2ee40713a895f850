// The music stream on OpenAL's silent output: opening, feeding, looping and
// closing, tracks of every shape and damaged ones, and the buffers a track
// holds only while it is open.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "audio/music.h"
#include "audio/music_stream.h"
#include "base/screen_state.h"
#include "e2e_support.h"
#include "ogg_test_files.h"
#include "platform/music_device.h"
#include "test_support.h"
#include "wave_test_files.h"

namespace {
class MusicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(chdir(PLUMBRIX_DATA), 0);
        ASSERT_TRUE(initMusicDevice());
    }
    void TearDown() override
    {
        musicStream.close();
        shutdownMusicDevice();
        EXPECT_TRUE(bufferRegistry.empty());
        ASSERT_EQ(chdir(previous.c_str()), 0);
    }

    std::string previous = [] {
        char here[4096];
        return std::string(getcwd(here, sizeof here) ? here : "/");
    }();
};

int countOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

// Feeds the open track for a while of real time, as the frames do, and opens
// it again whenever it runs out, as the track control does; returns how many
// times it ran out.
int playFor(const char* path, double seconds)
{
    int endings = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (!musicStream.update()) {
            ++endings;
            musicStream.close();
            if (!musicStream.open(path, true)) {
                break;
            }
            musicStream.play();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(4));
    }
    return endings;
}
}  // namespace

TEST_F(MusicTest, BuffersLiveOnlyWhileTheirTrackIsOpen)
{
    const int sources = platformLiveMusicSources();
    const int buffers = platformLiveMusicBuffers();
    ASSERT_TRUE(musicStream.open("music/track0.ogg", true));
    musicStream.play();
    EXPECT_TRUE(musicStream.update());
    EXPECT_EQ(bufferRegistry.size(), 2u);
    EXPECT_EQ(platformLiveMusicSources(), sources + 1);
    EXPECT_EQ(platformLiveMusicBuffers(), buffers + 2);
    musicStream.close();
    musicStream.close();  // twice is harmless
    EXPECT_FALSE(musicStream.isStreaming());
    EXPECT_TRUE(bufferRegistry.empty());
    EXPECT_EQ(platformLiveMusicSources(), sources);
    EXPECT_EQ(platformLiveMusicBuffers(), buffers);
    for (int track = 0; track < 20; ++track) {
        playTrack(track % 4);
    }
    EXPECT_EQ(bufferRegistry.size(), 2u);
    EXPECT_EQ(platformLiveMusicSources(), sources + 1);
    EXPECT_EQ(platformLiveMusicBuffers(), buffers + 2);
}

TEST_F(MusicTest, MissingOrForeignFilesDoNotOpen)
{
    EXPECT_FALSE(musicStream.open("music/none.ogg", true));
    EXPECT_FALSE(musicStream.isStreaming());
    EXPECT_FALSE(musicStream.open("ReadMe.htm", true));
    EXPECT_TRUE(bufferRegistry.empty());
    // A stream that is not open keeps asking for nothing.
    EXPECT_TRUE(musicStream.update());
}

TEST_F(MusicTest, APipeInPlaceOfATrackIsSkippedWithoutWaiting)
{
    ScratchDir scratch;
    ASSERT_EQ(mkfifo("track.ogg", 0600), 0);
    EXPECT_TRUE(finishesInTime([] {
        if (musicStream.open("track.ogg", true)) {
            _exit(1);
        }
    }));
}

TEST_F(MusicTest, AnyValidTrackPlaysAndLoopsWithoutAnError)
{
    struct Shape {
        int channels;
        long rate;
        double seconds;
    };
    // From a fraction of a buffer to several buffers, at both ends of the rates.
    const Shape shapes[] = {{1, 8000, 2.0}, {1, 8000, 0.05},  {2, 8000, 0.3},   {2, 44100, 0.2},
                            {1, 48000, 3},  {2, 192000, 0.1}, {1, 192000, 0.02}};
    ScratchDir scratch;
    for (const Shape& s : shapes) {
        const std::string what = std::to_string(s.channels) + " channels at " + std::to_string(s.rate) +
                                 " Hz for " + std::to_string(s.seconds) + " s";
        SCOPED_TRACE(what);
        const auto bytes = encodeOggTone(s.channels, s.rate, s.seconds);
        ASSERT_FALSE(bytes.empty());
        ASSERT_TRUE(writeFile("tone.ogg", bytes));
        testing::internal::CaptureStderr();
        const bool opened = musicStream.open("tone.ogg", true);
        musicStream.play();
        const int endings = opened ? playFor("tone.ogg", 0.6) : 0;
        const bool streaming = musicStream.isStreaming();
        musicStream.close();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(opened);
        EXPECT_TRUE(streaming);
        EXPECT_EQ(said, "");
        if (s.seconds < 0.2) {
            EXPECT_GE(endings, 2);  // it ran out and started over, more than once
        }
    }
}

TEST_F(MusicTest, DamagedTrackIsSkippedWithOneLineInTheLog)
{
    ScratchDir scratch;
    ASSERT_EQ(mkdir("music", 0700), 0);
    const auto whole = encodeOggTone(1, 8000, 2.0);
    // The three header packets fill the first pages; the sound starts after them.
    size_t headers = 0;
    for (size_t at = 0, pages = 0; at + 27 < whole.size() && pages < 2; ++pages) {
        size_t body = 0;
        for (int i = 0; i < whole[at + 26]; ++i) {
            body += whole[at + 27 + size_t(i)];
        }
        at += 27 + whole[at + 26] + body;
        headers = at;
    }
    ASSERT_GT(headers, 0u);
    const std::vector<std::pair<std::string, Bytes>> damaged = {
        {"cut after its headers", Bytes(whole.begin(), whole.begin() + long(headers))},
        {"cut inside its headers", Bytes(whole.begin(), whole.begin() + long(headers / 2))},
        {"not Ogg at all", Bytes(5000, 0x55)},
    };
    for (const auto& [what, bytes] : damaged) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(writeFile("music/track0.ogg", bytes));
        testing::internal::CaptureStderr();
        playTrack(0);
        for (int frame = 0; frame < 50; ++frame) {
            updateMusic(true);
        }
        musicStream.close();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(countOf(said, "\n"), 1) << said;
        EXPECT_EQ(countOf(said, "music/track0.ogg"), 1) << said;
        EXPECT_EQ(countOf(said, "OpenAL"), 0) << said;
    }
}

TEST_F(MusicTest, TheTrackWhoseFileComesLaterStartsThenAndOnlyThen)
{
    // A browser starts the game before its music has arrived.
    ScratchDir scratch;
    ASSERT_EQ(mkdir("music", 0700), 0);
    setMusicVolume(0.5f);
    playTrack(2);
    EXPECT_EQ(currentTrack, 2);
    EXPECT_FALSE(musicStream.isStreaming());
    for (int frame = 0; frame < 5; ++frame) {
        updateMusic(false);
    }
    EXPECT_EQ(currentTrack, 2) << "a missing track does not move the game's tunes on";

    const auto track = encodeOggTone(2, 22050, 2.0);
    ASSERT_TRUE(writeFile("music/track1.ogg", track));
    playTrackIfSilent();
    EXPECT_FALSE(musicStream.isStreaming()) << "another track's file";
    ASSERT_TRUE(writeFile("music/track2.ogg", track));
    playTrackIfSilent();
    EXPECT_TRUE(musicStream.isStreaming());
    EXPECT_EQ(currentTrack, 2);
    EXPECT_EQ(musicVolume, 0.5f);
    const auto buffers = bufferRegistry;
    playTrackIfSilent();
    EXPECT_EQ(bufferRegistry.size(), buffers.size());
    EXPECT_TRUE(std::equal(buffers.begin(), buffers.end(), bufferRegistry.begin(),
                           [](const auto& a, const auto& b) { return a.first == b.first; }))
        << "a playing track goes on";
    setMusicVolume(1.0f);
}

TEST(ShortTracks, ATourOfTheScreensShowsNoErrorBox)
{
    // The game with two-second mono tracks at 8 kHz: the title, the menu, a
    // new game on the board (a game track), its menu button, the tables.
    ScratchDir scratch;
    for (const char* entry : {"bmp", "sound", "ReadMe.htm"}) {
        ASSERT_EQ(symlink((std::string(PLUMBRIX_DATA) + "/" + entry).c_str(), entry), 0);
    }
    ASSERT_EQ(mkdir("music", 0700), 0);
    const auto track = encodeOggTone(1, 8000, 2.0);
    for (int n = 0; n < 4; ++n) {
        ASSERT_TRUE(writeFile("music/track" + std::to_string(n) + ".ogg", track));
    }
    const std::string tour = "10 click 320 440\n"
                             "260 click 170 255\n"
                             "270 click 407 402\n"
                             "900 click 60 420\n"
                             "1200 click 170 380\n";
    GameState state;
    EXPECT_EQ(runGame(scratch.path(), tour, 1400, state), 0);
    EXPECT_EQ(state["currentScreen"], std::to_string(screenHighScores));
    const std::string said = readFileText(scratch.path() + "/stderr.txt");
    EXPECT_EQ(said.find("OpenAL"), std::string::npos) << said;
}

TEST_F(MusicTest, TrackControlCyclesGameTracksAndKeepsTheVolume)
{
    setMusicVolume(0.25f);
    playTrack(3);
    EXPECT_EQ(currentTrack, 3);
    EXPECT_TRUE(musicStream.isStreaming());
    EXPECT_EQ(musicVolume, 0.25f);
    for (int i = 0; i < 3; ++i) {
        playRandomGameTrack();
        EXPECT_GE(currentTrack, 1);
        EXPECT_LE(currentTrack, 3);
    }
    setMusicVolume(1.0f);
}

TEST(MusicWithoutDevice, EverythingIsQuietlyRefused)
{
    EXPECT_FALSE(musicStream.open("music/track0.ogg", true));
    EXPECT_FALSE(musicStream.update());  // no device: the track control asks again
    playTrackIfSilent();
    EXPECT_FALSE(musicStream.isStreaming());
    musicStream.setGain(0.5f);
    musicStream.close();
}
