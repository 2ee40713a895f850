// What one file may cost the game: no picture, sound effect or music track,
// however it lies, makes the game hold more than 64 MiB more on the heap or
// spend more than a second loading it; the largest files the game accepts
// load within the same bounds.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "audio/music_stream.h"
#include "audio/sound_effect.h"
#include "audio/sound_effects.h"
#include "graphics/display.h"
#include "graphics/sprite.h"
#include "heap_meter.h"
#include "invariants.h"
#include "ogg_test_files.h"
#include "platform/audio_device.h"
#include "shell/settings.h"
#include "test_pictures.h"
#include "test_support.h"
#include "wave_test_files.h"

namespace {
constexpr size_t heapBound = size_t(64) << 20;
constexpr double secondsBound = 1.0;

struct Cost {
    size_t bytes;
    double seconds;
};

// The most the heap grew while the work ran, and the processor time it took.
Cost measure(const std::function<void()>& work)
{
    const size_t before = heapInUse();
    resetHeapPeak();
    const double start = threadSeconds();
    work();
    return Cost{heapPeak() - before, threadSeconds() - start};
}

void expectBounded(const Cost& cost, const std::string& what)
{
    std::printf("%s: %.1f MiB, %.3f s\n", what.c_str(), double(cost.bytes) / (1 << 20), cost.seconds);
    EXPECT_LE(cost.bytes, heapBound) << what << ": " << (cost.bytes >> 20) << " MiB";
    EXPECT_LE(cost.seconds, secondsBound) << what;
}

// Writes the head of a file and extends it with zeros (a sparse file, so a
// huge one costs the test nothing).
void writeSparse(const std::string& path, const Bytes& head, uintmax_t length)
{
    ASSERT_TRUE(writeFile(path, head));
    std::filesystem::resize_file(path, length);
}

Bytes le32(uint32_t v)
{
    return Bytes{uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

// Where the frame header of a JPEG keeps its height and width.
size_t frameHeaderAt(const Bytes& jpeg)
{
    for (size_t i = 0; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            return i;
        }
    }
    return 0;
}

Bytes claimingSize(Bytes jpeg, int side)
{
    const size_t at = frameHeaderAt(jpeg);
    jpeg[at + 5] = uint8_t(side >> 8);
    jpeg[at + 6] = uint8_t(side);
    jpeg[at + 7] = uint8_t(side >> 8);
    jpeg[at + 8] = uint8_t(side);
    return jpeg;
}

class PictureCostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTestDisplay();
        takeErrorBoxes();
    }
    void TearDown() override
    {
        takeErrorBoxes();
    }

    // Loads bmp/NAME into a sprite and frees it again.
    static Cost load(const std::string& name, bool& shown)
    {
        return measure([&] {
            Sprite sprite(name.c_str(), false);
            shown = sprite.surface != nullptr;
        });
    }

    ScratchDataDir data;
};
}  // namespace

TEST_F(PictureCostTest, JpegsThatClaimHugePicturesCostLittle)
{
    const auto small = encodeJpeg(16, 16, 3, [](int x, int y) { return Rgb{x * 16, y * 16, 99}; });
    const auto progressive = encodeJpeg(
        16, 16, 3,
        [](int x, int y) {
            return Rgb{x * 16, y * 16, 99};
        },
        true);
    data.put("Baseline.jpg", claimingSize(small, 8192));
    data.put("Progressive.jpg", claimingSize(progressive, 8192));
    for (const char* name : {"Baseline.jpg", "Progressive.jpg"}) {
        bool shown = true;
        expectBounded(load(name, shown), name);
        EXPECT_FALSE(shown) << name;
    }
}

TEST_F(PictureCostTest, TheLargestPicturesAcceptedLoadWithinTheBounds)
{
    const int side = 2048;
    const auto colour = [](int x, int y) { return Rgb{x % 256, y % 256, (x ^ y) % 256}; };
    data.put("Big.jpg", encodeJpeg(side, side, 3, colour));
    data.put("BigProgressive.jpg", encodeJpeg(side, side, 3, colour, true));
    BmpLayout layout;
    layout.width = side;
    layout.height = side;
    layout.bits = 32;
    data.put("Big.bmp", encodeBmp(layout, [](int x, int y) { return uint32_t(x * 7 + y); }));
    for (const char* name : {"Big.jpg", "BigProgressive.jpg", "Big.bmp"}) {
        bool shown = false;
        expectBounded(load(name, shown), name);
        EXPECT_TRUE(shown) << name;
    }
    // A row more is refused, the JPEG before it is decoded.
    data.put("Taller.jpg", encodeJpeg(side, side + 1, 1, colour));
    layout.height = side + 1;
    layout.bits = 8;
    layout.palette.assign(256, Rgb{1, 2, 3});
    data.put("Taller.bmp", encodeBmp(layout, [](int x, int) { return uint32_t(x % 256); }));
    for (const char* name : {"Taller.jpg", "Taller.bmp"}) {
        bool shown = true;
        expectBounded(load(name, shown), name);
        EXPECT_FALSE(shown) << name;
    }
}

TEST_F(PictureCostTest, HugeBmpIsRefusedUnread)
{
    // 8192 x 8192 at 32 bits: a whole, honest file of 256 MiB.
    BmpLayout layout;
    layout.bits = 32;
    auto head = encodeBmp(layout, [](int, int) { return 0u; });
    head.resize(54);
    const auto width = le32(8192);
    std::copy(width.begin(), width.end(), head.begin() + 18);
    std::copy(width.begin(), width.end(), head.begin() + 22);
    writeSparse("bmp/Huge.bmp", head, 54 + (uintmax_t(8192) * 8192 * 4));
    bool shown = true;
    expectBounded(load("Huge.bmp", shown), "Huge.bmp");
    EXPECT_FALSE(shown);
}

namespace {
class SoundCostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(platformOpenAudio());
    }
    void TearDown() override
    {
        platformCloseAudio();
    }

    // A sparse WAV: its headers, and zeros for the declared sound.
    static void writeWave(const std::string& path, int channels, int rate, int bits, uint32_t dataBytes)
    {
        const Bytes head =
            riff(chunk("fmt ", fmtBody(channels, rate, bits)) + chunk("data", Bytes(), dataBytes),
                 uint32_t(4 + 24 + 8 + dataBytes));
        writeSparse(path, head, head.size() + dataBytes);
    }

    static Cost load(const std::string& path, bool& loaded)
    {
        return measure([&] {
            SoundEffect effect;
            loaded = effect.loadFile(path.c_str(), 2);
        });
    }

    ScratchDir scratch;
};
}  // namespace

TEST_F(SoundCostTest, EffectsLongerThanAMinuteAreRefused)
{
    // Ten minutes of the smallest sound there is: five megabytes that would
    // grow twenty-fold on the way to the device.
    writeWave("long.wav", 1, 8000, 8, 8000 * 600);
    writeWave("minute.wav", 1, 8000, 8, 8000 * 61);
    for (const char* name : {"long.wav", "minute.wav"}) {
        bool loaded = true;
        expectBounded(load(name, loaded), name);
        EXPECT_FALSE(loaded) << name;
    }
}

TEST_F(SoundCostTest, TheSlowestRatesStayWithinTheBounds)
{
    // Fifty-five frames at one a second: the converter once took 190 MiB to
    // stretch them to the device's rate. Below a kilohertz nothing is taken.
    writeFile("crawl.wav", waveFile(1, 1, 16, pcm16(squareWave(55, 4000, 8))));
    writeWave("slowest.wav", 1, 1000, 16, 1000 * 2 * 59);
    for (const char* name : {"crawl.wav", "slowest.wav"}) {
        bool loaded = false;
        expectBounded(load(name, loaded), name);
        EXPECT_EQ(loaded, std::string(name) == "slowest.wav") << name;
    }
}

TEST_F(SoundCostTest, TheLargestEffectsAcceptedLoadWithinTheBounds)
{
    writeWave("cheap.wav", 1, 8000, 8, 8000 * 59);
    writeWave("rich.wav", 2, 96000, 16, 96000 * 4 * 59);
    for (const char* name : {"cheap.wav", "rich.wav"}) {
        bool loaded = false;
        expectBounded(load(name, loaded), name);
        EXPECT_TRUE(loaded) << name;
    }
    // Past the file size the game reads at all.
    writeWave("heavy.wav", 2, 192000, 16, 192000 * 4 * 50);
    bool loaded = true;
    expectBounded(load("heavy.wav", loaded), "heavy.wav");
    EXPECT_FALSE(loaded);
}

namespace {
class MusicCostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(initMusicDevice());
    }
    void TearDown() override
    {
        musicStream.close();
        shutdownMusicDevice();
    }

    // Opens the track and decodes it as a few hundred frames would.
    static Cost play(const std::string& path, bool& opened)
    {
        return measure([&] {
            opened = musicStream.open(path.c_str(), true);
            musicStream.play();
            for (int frame = 0; frame < 300 && musicStream.update(); ++frame) {}
            musicStream.close();
        });
    }

    ScratchDir scratch;
};
}  // namespace

TEST_F(MusicCostTest, TracksCostTheSameWhateverTheyHoldBeyondTheirSound)
{
    ASSERT_TRUE(writeFile("plain.ogg", encodeOggTone(2, 44100, 5)));
    // A comment of eight megabytes in the headers.
    ASSERT_TRUE(writeFile("talkative.ogg", encodeOggTone(2, 44100, 1, 1, size_t(8) << 20)));
    // Five hundred short streams chained one after another.
    Bytes chain;
    for (int link = 0; link < 500; ++link) {
        chain = chain + encodeOggTone(1, 8000, 0.01, link + 1);
    }
    ASSERT_TRUE(writeFile("chained.ogg", chain));
    for (const char* name : {"plain.ogg", "talkative.ogg", "chained.ogg"}) {
        bool opened = false;
        expectBounded(play(name, opened), name);
        EXPECT_EQ(opened, std::string(name) != "talkative.ogg") << name;
    }
}

TEST(SettingsCostTest, AHugeWindowSettingsFileIsNotRead)
{
    ScratchDir scratch;
    writeSparse(windowSettingsFile, Bytes{'x', ' ', '1', '\n'}, uintmax_t(1) << 30);
    expectBounded(measure(loadWindowSettings), windowSettingsFile);
}
