// Sound effects parse as the game's RIFF walker expects and stay short and clean; the
// music decodes to its stated length at the stated format.
#include <gtest/gtest.h>

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "test_support.h"

namespace {

struct Wav {
    int channels = 0, rate = 0, bits = 0, format = 0;
    std::vector<int16_t> samples;
};

// A RIFF walk: chunks in any order, odd sizes padded.
bool parseWav(const std::vector<uint8_t>& b, Wav& w)
{
    auto u16 = [&](size_t o) { return unsigned(b[o]) | unsigned(b[o + 1]) << 8; };
    auto u32 = [&](size_t o) { return uint32_t(u16(o)) | uint32_t(u16(o + 2)) << 16; };
    if (b.size() < 12 || std::memcmp(&b[0], "RIFF", 4) != 0 || std::memcmp(&b[8], "WAVE", 4) != 0)
        return false;
    const size_t end = std::min(b.size(), size_t(8) + u32(4));
    bool fmt = false, data = false;
    for (size_t pos = 12; pos + 8 <= end;) {
        const uint32_t size = u32(pos + 4);
        const size_t body = pos + 8;
        if (body + size > end)
            return false;
        if (!std::memcmp(&b[pos], "fmt ", 4) && size >= 16) {
            w.format = int(u16(body));
            w.channels = int(u16(body + 2));
            w.rate = int(u32(body + 4));
            w.bits = int(u16(body + 14));
            fmt = true;
        } else if (!std::memcmp(&b[pos], "data", 4)) {
            w.samples.resize(size / 2);
            for (size_t i = 0; i < w.samples.size(); ++i)
                w.samples[i] = int16_t(u16(body + 2 * i));
            data = true;
        }
        pos = body + size + (size & 1);
    }
    return fmt && data;
}

}  // namespace

TEST(SoundEffects, AreShortCleanMonoPcm)
{
    for (int n = 1; n <= 10; ++n) {
        const std::string name = (n < 10 ? "0" : "") + std::to_string(n) + ".wav";
        SCOPED_TRACE(name);
        Wav w;
        ASSERT_TRUE(parseWav(readBytes(runDir() + "/sound/" + name), w));
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
        ASSERT_FALSE(w.samples.empty());
        const double seconds = double(w.samples.size()) / w.rate;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LE(seconds, n == 2 ? 3.0 : 1.5);
        int peak = 0;
        for (int16_t s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 26000) << "peak-normalised";
        EXPECT_LT(peak, 32767) << "no clipping";
        // Fades: no click at either end.
        EXPECT_LT(std::abs(int(w.samples.front())), 400);
        EXPECT_LT(std::abs(int(w.samples.back())), 400);
    }
}

TEST(SoundEffects, DifferFromEachOther)
{
    std::vector<std::vector<int16_t>> all;
    for (int n = 1; n <= 10; ++n) {
        Wav w;
        const std::string name = (n < 10 ? "0" : "") + std::to_string(n) + ".wav";
        ASSERT_TRUE(parseWav(readBytes(runDir() + "/sound/" + name), w));
        all.push_back(w.samples);
    }
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_NE(all[i], all[j]) << i + 1 << " and " << j + 1;
}

TEST(Music, TracksDecodeToTheirStatedLength)
{
    for (int i = 0; i < 4; ++i) {
        const std::string path = runDir() + "/music/track" + std::to_string(i) + ".ogg";
        SCOPED_TRACE(path);
        OggVorbis_File vf;
        ASSERT_EQ(ov_fopen(path.c_str(), &vf), 0);
        const vorbis_info* info = ov_info(&vf, -1);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->channels, 2);
        EXPECT_EQ(info->rate, 44100);
        const ogg_int64_t stated = ov_pcm_total(&vf, -1);
        const double seconds = double(stated) / 44100.0;
        EXPECT_GE(seconds, 60.0);
        EXPECT_LE(seconds, 120.0);
        // Decode everything, as the game's stream does, and measure loudness on the way.
        char buf[16384];
        int section = 0;
        long bytes = 0;
        double sum = 0;
        long n;
        while ((n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section)) > 0) {
            bytes += n;
            const int16_t* s = reinterpret_cast<const int16_t*>(buf);
            for (long k = 0; k < n / 2; ++k)
                sum += double(s[k]) * s[k];
        }
        EXPECT_EQ(n, 0) << "decoding ended with an error";
        EXPECT_EQ(bytes, stated * 4);
        const double rms = std::sqrt(sum / std::max(1L, bytes / 2)) / 32768.0;
        EXPECT_GT(rms, 0.05) << "audible";
        EXPECT_LT(rms, 0.5);
        ov_clear(&vf);
    }
}

TEST(Music, TracksRunStraightBackIntoTheirBeginning)
{
    // The game starts a track again (or the next one) the moment one ends: the end may
    // settle softly on its last chord but must not leave a silent gap, and the last sample
    // must lead into the first without a click.
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        OggVorbis_File vf;
        const std::string path = runDir() + "/music/track" + std::to_string(i) + ".ogg";
        ASSERT_EQ(ov_fopen(path.c_str(), &vf), 0);
        std::vector<int16_t> all;
        char buf[16384];
        int section = 0;
        long n;
        while ((n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section)) > 0) {
            const int16_t* s = reinterpret_cast<const int16_t*>(buf);
            all.insert(all.end(), s, s + n / 2);
        }
        ov_clear(&vf);
        ASSERT_GT(all.size(), size_t(44100 * 2));
        auto rms = [&](size_t from, size_t count) {
            double sum = 0;
            for (size_t k = from; k < from + count; ++k)
                sum += double(all[k]) * all[k];
            return std::sqrt(sum / double(count)) / 32768.0;
        };
        const size_t quarter = size_t(44100) / 4 * 2;
        EXPECT_GT(rms(all.size() - quarter, quarter), 0.002) << "still sounding at the end";
        EXPECT_GT(rms(0, quarter), 0.01) << "sounding from the start";
        for (int ch = 0; ch < 2; ++ch)
            EXPECT_LT(std::abs(int(all[all.size() - 2 + size_t(ch)]) - int(all[size_t(ch)])), 3000);
    }
}

TEST(Music, MenuTuneIsCalmerThanTheGameTunes)
{
    // Track 0 plays under the menus; the game tracks are livelier (more notes per second
    // shows up as more energy in quick changes of the signal).
    auto liveliness = [](int i) {
        OggVorbis_File vf;
        const std::string path = runDir() + "/music/track" + std::to_string(i) + ".ogg";
        if (ov_fopen(path.c_str(), &vf) != 0)
            return -1.0;
        char buf[16384];
        int section = 0;
        long n;
        double diff = 0, level = 0;
        int16_t prev = 0;
        while ((n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section)) > 0) {
            const int16_t* s = reinterpret_cast<const int16_t*>(buf);
            for (long k = 0; k < n / 2; k += 2) {
                diff += std::fabs(double(s[k]) - prev);
                level += std::fabs(double(s[k]));
                prev = s[k];
            }
        }
        ov_clear(&vf);
        return diff / std::max(1.0, level);
    };
    const double calm = liveliness(0);
    for (int i = 1; i < 4; ++i)
        EXPECT_GT(liveliness(i), calm) << "track " << i;
}
