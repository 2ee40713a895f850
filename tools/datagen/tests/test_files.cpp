// The data folder as a whole: every file is there with the size the screens need, BMPs
// follow the loader's rules, the help page is self-contained, and runs are repeatable.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "layout.h"
#include "test_support.h"

namespace fs = std::filesystem;
using namespace layout;

namespace {

struct Needed {
    const char* file;
    int minW, minH;  // the layout's rectangles must fit
    int maxH;        // 0 when any height is fine
    bool keyed;
};

// Sizes that the layout needs of every picture.
const Needed needed[] = {
    {"BkGrnd.jpg", 640, 480, 0, false},     {"Figures.bmp", 400, 700, 0, true},
    {"Font.bmp", 960, 168, 0, true},        {"Number.jpg", 100, 1, 43, true},
    {"game over.jpg", 731, 305, 0, true},   {"EasyFood.jpg", 450, 50, 0, true},
    {"Cursor.bmp", 49, 30, 0, true},        {"GameGo.jpg", 640, 480, 0, false},
    {"MenDown.bmp", 77, 28, 0, true},       {"skovoroda.bmp", 95, 4 * 155, 0, false},
    {"level.jpg", 150, 1, 27, false},       {"mixer.bmp", 109, 12 * 109, 0, true},
    {"HighScores.jpg", 640, 480, 0, false}, {"WindowHS.JPG", 350, 130, 0, false},
    {"Menu.jpg", 640, 480, 0, false},       {"MenuImage.jpg", 735, 518, 0, false},
    {"MenuTxt.bmp", 393, 894, 0, true},     {"ActiveOption.bmp", 235, 361, 0, true},
    {"NewGame.jpg", 332, 383, 0, true},     {"Options.jpg", 323, 403, 0, true},
};

}  // namespace

TEST(DataFolder, GeneratorExitsCleanly)
{
    ASSERT_TRUE(generatorSucceeded()) << generatorLog();
}

TEST(DataFolder, HoldsExactlyTheThirtyFiveFiles)
{
    std::set<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(runDir()))
        if (e.is_regular_file())
            found.insert(fs::relative(e.path(), runDir()).generic_string());
    std::set<std::string> expected;
    for (const Needed& n : needed)
        expected.insert(std::string("bmp/") + n.file);
    for (int i = 1; i <= 10; ++i)
        expected.insert((i < 10 ? "sound/0" : "sound/") + std::to_string(i) + ".wav");
    for (int i = 0; i < 4; ++i)
        expected.insert("music/track" + std::to_string(i) + ".ogg");
    expected.insert("ReadMe.htm");
    EXPECT_EQ(expected.size(), 35u);
    EXPECT_EQ(found, expected);
}

TEST(DataFolder, PicturesHaveTheSizesTheLayoutNeeds)
{
    for (const Needed& n : needed) {
        SCOPED_TRACE(n.file);
        const Decoded d = loadPicture(n.file);
        EXPECT_GE(d.width, n.minW);
        EXPECT_GE(d.height, n.minH);
        if (n.maxH) {
            EXPECT_LE(d.height, n.maxH);
        }
        EXPECT_EQ(intended(n.file).image.keyed, n.keyed);
    }
    // The digit strips are drawn with the whole picture height.
    EXPECT_EQ(loadPicture("Number.jpg").width, 100);
    EXPECT_EQ(loadPicture("level.jpg").width, 150);
}

TEST(DataFolder, BmpHeadersFollowTheLoaderRules)
{
    int paletted = 0;
    for (const Needed& n : needed) {
        const std::string file = n.file;
        if (file.find(".bmp") == std::string::npos)
            continue;
        SCOPED_TRACE(file);
        const std::vector<uint8_t> b = readBytes(runDir() + "/bmp/" + file);
        auto u16 = [&](size_t o) { return unsigned(b[o]) | unsigned(b[o + 1]) << 8; };
        auto u32 = [&](size_t o) { return uint32_t(u16(o)) | uint32_t(u16(o + 2)) << 16; };
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(u32(2), b.size());     // bfSize
        EXPECT_EQ(u32(14), 40u);         // BITMAPINFOHEADER
        EXPECT_GT(int32_t(u32(22)), 0);  // bottom-up
        EXPECT_EQ(u32(30), 0u);          // BI_RGB
        const unsigned bits = u16(28);
        const uint32_t used = u32(46);
        if (bits == 8) {
            ++paletted;
            EXPECT_GE(used, 2u);
            EXPECT_LE(used, 256u);
        } else {
            EXPECT_EQ(bits, 24u);
            EXPECT_EQ(used, 0u);
        }
        // The pixel bits start right after the header and the colour table.
        EXPECT_EQ(u32(10), 14u + 40u + 4u * used);
        const size_t stride = ((size_t(u32(18)) * bits + 31) / 32) * 4;
        EXPECT_EQ(b.size(), 14u + 40u + 4u * used + stride * u32(22));
    }
    EXPECT_GE(paletted, 1);
}

TEST(DataFolder, HelpPageIsSelfContainedAndCoversTheGame)
{
    const std::vector<uint8_t> bytes = readBytes(runDir() + "/ReadMe.htm");
    const std::string html(bytes.begin(), bytes.end());
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("</html>"), std::string::npos);
    for (const char* external : {"http:", "https:", "src=", "<link", "<script", "@import", "url("})
        EXPECT_EQ(html.find(external), std::string::npos) << external;
    for (const char* topic : {"drag", "cascade", "multiplier", "level bar", "Untimed", "Timed", "6, 7 or 8",
                              "frying pan", "10 points and 4", "10 or below", "99 levels", "Pause", "Enter",
                              "Options", "game.sav", "Exit", "name"})
        EXPECT_NE(html.find(topic), std::string::npos) << topic;
}

TEST(DataFolder, TwoRunsWriteIdenticalBytes)
{
    ASSERT_TRUE(generatorSucceeded());
    int compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(runDir())) {
        if (!e.is_regular_file())
            continue;
        const std::string rel = fs::relative(e.path(), runDir()).generic_string();
        SCOPED_TRACE(rel);
        const std::vector<uint8_t> a = readBytes(e.path().string());
        const std::vector<uint8_t> b = readBytes(secondRunDir() + "/" + rel);
        EXPECT_TRUE(a == b);
        ++compared;
    }
    EXPECT_EQ(compared, 35);
}
