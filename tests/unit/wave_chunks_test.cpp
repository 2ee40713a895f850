// The RIFF chunk walk over well-formed and damaged images, and which formats
// count as playable.
#include <gtest/gtest.h>

#include "audio/wave_chunks.h"
#include "wave_test_files.h"

namespace {
const Bytes format = fmtBody(1, 22050, 16);
const Bytes sound = pcm16({1, -2, 3, -4});

WaveChunks walk(const Bytes& image, bool expected = true)
{
    WaveChunks out;
    EXPECT_EQ(findWaveChunks(image.data(), image.size(), out), expected);
    return out;
}

size_t offsetOf(const Bytes& image, const uint8_t* p)
{
    return p ? size_t(p - image.data()) : 0;
}
}  // namespace

TEST(WaveChunks, FindsFormatAndDataInEitherOrder)
{
    const Bytes fmtFirst = riff(chunk("fmt ", format) + chunk("data", sound));
    const WaveChunks a = walk(fmtFirst);
    EXPECT_EQ(offsetOf(fmtFirst, a.format), 20u);
    EXPECT_EQ(a.formatBytes, 16u);
    EXPECT_EQ(offsetOf(fmtFirst, a.samples), 44u);
    EXPECT_EQ(a.sampleBytes, 8u);

    const Bytes dataFirst = riff(chunk("data", sound) + chunk("fmt ", format));
    const WaveChunks b = walk(dataFirst);
    EXPECT_EQ(offsetOf(dataFirst, b.samples), 20u);
    EXPECT_EQ(offsetOf(dataFirst, b.format), 36u);
}

TEST(WaveChunks, OddChunksAreFollowedByAPadByte)
{
    const Bytes image =
        riff(chunk("LIST", {'a', 'b', 'c'}) + chunk("fmt ", format) + chunk("data", {7, 8, 9}));
    const WaveChunks c = walk(image);
    EXPECT_EQ(offsetOf(image, c.format), 32u);  // 12 + 8 + 3 + pad
    EXPECT_EQ(offsetOf(image, c.samples), 56u);
    EXPECT_EQ(c.sampleBytes, 3u);
}

TEST(WaveChunks, RefusesWhatIsNotAWaveOrHasAShortFormat)
{
    walk(Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'}, false);
    for (size_t at : {3, 11}) {  // the "RIFF" id, the "WAVE" form
        Bytes image = riff(chunk("fmt ", format) + chunk("data", sound));
        image[at] = 'X';
        walk(image, false);
    }
    walk(riff(chunk("fmt ", Bytes(format.begin(), format.begin() + 13)) + chunk("data", sound)), false);
    // 14 bytes is the short form without bits per sample: found, but unplayable.
    const Bytes shortForm(format.begin(), format.begin() + 14);
    const Bytes image = riff(chunk("fmt ", shortForm) + chunk("data", sound));
    const WaveChunks c = walk(image);
    EXPECT_EQ(c.formatBytes, 14u);
    EXPECT_EQ(readWaveFormat(c.format, c.formatBytes).bitsPerSample, 0);
    EXPECT_EQ(readWaveFormat(c.format, c.formatBytes).blockAlign, 2);
}

TEST(WaveChunks, EmptyDataIsSupersededByALaterChunk)
{
    for (const Bytes& chunks : {chunk("data", {}) + chunk("fmt ", format) + chunk("data", sound),
                                chunk("fmt ", format) + chunk("data", {}) + chunk("data", sound)}) {
        const Bytes image = riff(chunks);
        const WaveChunks c = walk(image);
        EXPECT_EQ(offsetOf(image, c.samples), 52u);  // behind both other chunks
        EXPECT_EQ(c.sampleBytes, 8u);
    }
}

TEST(WaveChunks, WalkEndsAtTheSmallerOfRiffBodyAndImage)
{
    const Bytes chunks = chunk("fmt ", format) + chunk("data", sound);
    // A RIFF size that claims more than the file has.
    const WaveChunks longer = walk(riff(chunks, 0xFFFFFFFF));
    EXPECT_EQ(longer.sampleBytes, 8u);
    // One that ends the body after the format: the data chunk is not part of it.
    const WaveChunks shorter = walk(riff(chunks, 4 + 24));
    EXPECT_NE(shorter.format, nullptr);
    EXPECT_EQ(shorter.samples, nullptr);
    // A stray partial header at the end is not read.
    walk(riff(chunks + Bytes{'d', 'a', 't'}));
}

TEST(WaveChunks, HugeChunkSizesNeitherLoopNorOverrun)
{
    const uint32_t huge = 0xFFFFFFF8;  // wraps a 32-bit walk back onto its own header
    const WaveChunks skipped = walk(riff(chunk("junk", {1, 2}, huge) + chunk("fmt ", format)));
    EXPECT_EQ(skipped.format, nullptr);

    const Bytes truncated = riff(chunk("fmt ", format) + chunk("data", sound, huge));
    const WaveChunks clamped = walk(truncated);
    EXPECT_EQ(offsetOf(truncated, clamped.samples), 44u);
    EXPECT_EQ(clamped.sampleBytes, 8u);  // what the image holds

    walk(riff(chunk("data", sound) + chunk("fmt ", format, huge)), false);
    walk(riff(chunk("fmt ", format, 17)), false);  // one byte short of its claim
}

TEST(WaveFormat, OnlyPlainPcmOfTheUsualShapesPlays)
{
    auto playable = [](int channels, int rate, int bits) {
        const Bytes body = fmtBody(channels, rate, bits);
        return playableFormat(readWaveFormat(body.data(), uint32_t(body.size())));
    };
    EXPECT_TRUE(playable(1, 22050, 16));
    EXPECT_TRUE(playable(2, 44100, 8));
    EXPECT_TRUE(playable(1, 1000, 8));
    EXPECT_FALSE(playable(1, 999, 8));
    EXPECT_TRUE(playable(2, 384000, 16));
    EXPECT_FALSE(playable(1, 0, 16));
    EXPECT_FALSE(playable(1, 384001, 16));
    EXPECT_FALSE(playable(3, 22050, 16));
    EXPECT_FALSE(playable(0, 22050, 16));
    EXPECT_FALSE(playable(1, 22050, 24));
    EXPECT_FALSE(playable(1, 22050, 12));

    Bytes body = fmtBody(2, 22050, 16);
    body[12] = 2;  // block align of one channel
    EXPECT_FALSE(playableFormat(readWaveFormat(body.data(), 16)));
    body = fmtBody(1, 22050, 16);
    body[0] = 3;  // float samples
    EXPECT_FALSE(playableFormat(readWaveFormat(body.data(), 16)));
}
