// The file writers and the keying rules on small made-up pictures, where the worst cases
// can be built on purpose.
#include <gtest/gtest.h>

#include "audio_files.h"
#include "canvas.h"
#include "image_files.h"
#include "raster.h"

namespace {

// A keyed picture whose transparent pixels form a fine checkerboard against saturated,
// dark and near-magenta art: the hardest case for a lossy round trip.
Raster hardKeyedPicture()
{
    Raster r(37, 29, true);
    const Rgb art[4] = {{20, 10, 5}, {240, 30, 250}, {255, 255, 255}, {90, 40, 160}};
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) {
            const size_t i = size_t(y) * r.width + x;
            const bool hole = ((x / 2 + y / 2) % 2) == 0 || (x > 20 && y > 15);
            r.mask[i] = hole;
            const Rgb c = hole ? keyColour : awayFromKey(art[(x + y) % 4]);
            r.rgb[i * 3] = c.r;
            r.rgb[i * 3 + 1] = c.g;
            r.rgb[i * 3 + 2] = c.b;
        }
    return r;
}

}  // namespace

TEST(Writers, KeyedJpegSurvivesTheRoundTripEvenOnFineDetail)
{
    const Raster r = hardKeyedPicture();
    for (int quality : {100, 95}) {
        int w = 0, h = 0;
        std::vector<uint8_t> rgb;
        ASSERT_TRUE(decodeJpeg(encodeJpeg(r, {quality}), w, h, rgb));
        EXPECT_EQ(keyMismatches(r, w, h, rgb), 0) << "quality " << quality;
    }
}

TEST(Writers, PalettedBmpKeepsTheKeyAndFollowsTheHeaderRules)
{
    Raster r = hardKeyedPicture();
    // Many colours, so the palette has to be reduced.
    for (int i = 0; i < r.width * r.height; ++i)
        if (!r.mask[size_t(i)])
            r.rgb[size_t(i) * 3 + 1] = uint8_t(50 + i % 200);
    const std::vector<uint8_t> bmp = encodeBmp8(r);
    const uint32_t used = uint32_t(bmp[46]) | uint32_t(bmp[47]) << 8;
    EXPECT_EQ(bmp[28], 8);
    EXPECT_LE(used, 256u);
    EXPECT_EQ(uint32_t(bmp[10]) | uint32_t(bmp[11]) << 8, 54u + 4 * used);
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;
    ASSERT_TRUE(decodeBmp(bmp, w, h, rgb));
    EXPECT_EQ(keyMismatches(r, w, h, rgb), 0);
}

TEST(Writers, Bmp24IsBottomUpWithPaddedRows)
{
    Raster r(3, 2, false);  // 9 bytes a row, padded to 12
    r.rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const std::vector<uint8_t> bmp = encodeBmp24(r);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);
    // The first stored row is the bottom one, in blue-green-red order.
    EXPECT_EQ(bmp[54], 12);
    EXPECT_EQ(bmp[55], 11);
    EXPECT_EQ(bmp[56], 10);
    EXPECT_EQ(bmp[54 + 12], 3);
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;
    ASSERT_TRUE(decodeBmp(bmp, w, h, rgb));
    EXPECT_EQ(rgb, r.rgb);
}

TEST(Writers, FlatteningKeysOnlyMostlyTransparentPixelsAndLeavesNoPinkFringe)
{
    Canvas c(4, 1);
    c.pixels({0, 0, 4, 1}, [](int x, int) {
        const double alpha[4] = {0.0, 0.45, 0.55, 1.0};
        return Colour{1.0, 0.0, 1.0, alpha[x]};  // magenta art at various coverage
    });
    const Raster r = c.finish({true});
    EXPECT_TRUE(r.transparent(0, 0));
    EXPECT_TRUE(r.transparent(1, 0));
    EXPECT_FALSE(r.transparent(2, 0));
    EXPECT_FALSE(r.transparent(3, 0));
    // Art that happens to be magenta is moved out of the key's reach.
    for (int x = 2; x < 4; ++x) {
        const Rgb p = r.at(x, 0);
        EXPECT_FALSE(isKey565(p.r, p.g, p.b));
        EXPECT_GE(p.g, 12);
    }
}

TEST(Writers, WavHeaderDescribesMonoSixteenBitPcm)
{
    const std::vector<uint8_t> w = encodeWav({0, 1000, -1000, 0}, 44100);
    ASSERT_EQ(w.size(), 44u + 8);
    EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(w.begin() + 8, w.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(w[20], 1);     // PCM
    EXPECT_EQ(w[22], 1);     // mono
    EXPECT_EQ(w[34], 16);    // bits
    EXPECT_EQ(w[40], 8);     // data bytes
    EXPECT_EQ(w[48], 0x18);  // -1000 = 0xFC18, little-endian
    EXPECT_EQ(w[49], 0xFC);
}
