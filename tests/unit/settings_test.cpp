// The window settings file: read back as written, and a damaged, foreign or
// missing file falls back to the first-start placement without a crash.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "shell/settings.h"
#include "test_support.h"

namespace {
TEST(WindowSettings, ReadBackAsWritten)
{
    const WindowPlacement placements[] = {{12, 34, 1280, 960, false}, {-1800, 0, 640, 480, true}};
    for (const WindowPlacement& p : placements) {
        WindowPlacement back;
        ASSERT_TRUE(parseWindowSettings(formatWindowSettings(p), back));
        EXPECT_EQ(back.x, p.x);
        EXPECT_EQ(back.y, p.y);
        EXPECT_EQ(back.width, p.width);
        EXPECT_EQ(back.height, p.height);
        EXPECT_EQ(back.maximised, p.maximised);
    }
}

TEST(WindowSettings, DamageCostsOnlyTheDamagedValues)
{
    const WindowPlacement kept{5, 6, 700, 500, true};
    const std::string refused[] = {
        "",
        "x 10\ny 10\nwidth 800\n",                                      // no height
        "x 10\ny 10\nwidth -800\nheight 600\n",                         // negative size
        "x 10\ny 10\nwidth 0\nheight 600\n",                            // empty
        "x 10\ny 10\nwidth 99999999999\nheight 600\n",                  // no desktop is that big
        "x 1e3\ny 10\nwidth 800\nheight 600\n",                         // not a whole number
        "x 10 20\ny 10\nwidth 800\nheight 600\n",                       // two values
        std::string("x 10\ny 1") + '\0' + "\nwidth 800\nheight 600\n",  // a stray zero byte
        std::string("\xff\xfe") + '\0' + "\x01garbage\x7f",
    };
    for (const std::string& text : refused) {
        WindowPlacement p = kept;
        EXPECT_FALSE(parseWindowSettings(text, p)) << text;
        EXPECT_EQ(p.width, kept.width) << text;
        EXPECT_TRUE(p.maximised) << text;
    }

    WindowPlacement p;
    ASSERT_TRUE(
        parseWindowSettings("# note\nwidth 800\r\nx 3\n\ny 4\nheight 600\nmaximised 7\ncolour blue\n", p));
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.width, 800);
    EXPECT_EQ(p.height, 600);
    EXPECT_FALSE(p.maximised);  // 7 is no flag
}

TEST(WindowSettings, AMissingOrDamagedFileStartsAsTheFirstTime)
{
    ScratchDir scratch;
    loadWindowSettings();  // no file at all
    std::ofstream(windowSettingsFile, std::ios::binary) << std::string(100000, '\x01');
    loadWindowSettings();
    std::ofstream(windowSettingsFile, std::ios::binary) << "x 1\ny 2\nwidth 3\nheight 4\n";
    loadWindowSettings();
    // Without a real desktop nothing is written over the file.
    saveWindowSettings();
    std::ifstream in(windowSettingsFile);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "x 1");
}
}  // namespace
