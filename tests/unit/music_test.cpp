// The music stream on OpenAL's silent output: opening, feeding, closing and
// the buffers it keeps until the device closes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "audio/music.h"
#include "audio/music_stream.h"
#include "test_support.h"

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
}  // namespace

TEST_F(MusicTest, EveryOpenAddsTwoBuffersKeptUntilTheDeviceCloses)
{
    ASSERT_TRUE(musicStream.open("music/track0.ogg", true));
    musicStream.play();
    EXPECT_TRUE(musicStream.update());
    EXPECT_EQ(bufferRegistry.size(), 2u);
    musicStream.close();
    musicStream.close();  // twice is harmless
    EXPECT_FALSE(musicStream.isStreaming());
    ASSERT_TRUE(musicStream.open("music/track1.ogg", true));
    EXPECT_EQ(bufferRegistry.size(), 4u);
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
    musicStream.setGain(0.5f);
    musicStream.close();
}
