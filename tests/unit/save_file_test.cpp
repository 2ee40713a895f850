// "game.sav": the byte layout, a faithful round trip, and the checks that keep
// a damaged file from breaking the game while keeping what can be kept.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio/music.h"
#include "base/screen_state.h"
#include "game/board.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "screens/high_scores.h"
#include "screens/options.h"
#include "screens/save_file.h"
#include "test_support.h"

namespace {
std::vector<uint8_t> readBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const char* path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

int32_t intAt(const std::vector<uint8_t>& b, size_t at)
{
    return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
                   uint32_t(b[at + 3]) << 24);
}

float floatAt(const std::vector<uint8_t>& b, size_t at)
{
    const uint32_t bits = uint32_t(intAt(b, at));
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

void putInt(std::vector<uint8_t>& b, size_t at, int32_t v)
{
    for (int i = 0; i < 4; ++i) {
        b[at + i] = uint8_t(uint32_t(v) >> (8 * i));
    }
}

void putFloat(std::vector<uint8_t>& b, size_t at, float f)
{
    int32_t bits;
    std::memcpy(&bits, &f, 4);
    putInt(b, at, bits);
}

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setKnownState();
    }

    // Distinct values in every field, so misplaced bytes show.
    static void setKnownState()
    {
        pieceKindCount = 7;
        gameMode = modeTimed;
        bar = 41.5f;
        shownBar = 40.25f;
        level = 12;
        score = 123456;
        shownScore = 123400.5f;
        noGameInProgress = 0;
        fullscreen = 1;
        easyFood = 0;
        systemCursor = 0;
        musicSliderX = 300;
        soundSliderX = 250;
        for (int i = 0; i < 54; ++i) {
            std::memset(highScores[i].name, 0, sizeof highScores[i].name);
            std::snprintf(highScores[i].name, sizeof highScores[i].name, "Row%02d", i);
            highScores[i].score = 10000 - i;
        }
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < 8; ++r) {
                Cell& cell = cellAt(c, r);
                std::memset(&cell, 0, sizeof cell);
                cell.x = float(236 + 50 * c);
                cell.y = float(4 + 50 * r);
                cell.kind = uint8_t((c + 2 * r) % 7);
                cell.frame = float(r) + 0.5f;
                cell.highlighted = uint8_t(c == 3 && r == 4);
            }
        }
    }

    ScratchDir scratch;
};
}  // namespace

TEST_F(SaveFileTest, FieldsLieAtTheirOffsets)
{
    writeSaveFile();
    const auto b = readBytes("game.sav");
    ASSERT_EQ(b.size(), 6933u);
    EXPECT_EQ(intAt(b, 0), 7);
    EXPECT_EQ(b[4], 1);
    EXPECT_EQ(floatAt(b, 5), 41.5f);
    EXPECT_EQ(floatAt(b, 9), 40.25f);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[13])), "Row00");
    EXPECT_EQ(intAt(b, 13 + 100), 10000);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[13 + 53 * 104])), "Row53");
    EXPECT_EQ(intAt(b, 5629), 12);
    EXPECT_EQ(intAt(b, 5633), 123456);
    EXPECT_EQ(floatAt(b, 5637), 123400.5f);
    // Cell (3, 4) is record 28: its bytes as they lie in memory.
    // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison): the file holds the records byte for byte
    EXPECT_EQ(std::memcmp(&b[5641], board, sizeof board), 0);
    EXPECT_EQ(floatAt(b, 5641 + 28 * 20), 386.0f);
    EXPECT_EQ(b[5641 + 28 * 20 + 17], 1);
    EXPECT_EQ(b[6921], 0);
    EXPECT_EQ(b[6922], 1);
    EXPECT_EQ(b[6923], 0);
    EXPECT_EQ(b[6924], 0);
    EXPECT_EQ(intAt(b, 6925), 300);
    EXPECT_EQ(intAt(b, 6929), 250);
    EXPECT_FALSE(std::ifstream("game.sav.tmp").good());  // nothing left beside it
}

TEST_F(SaveFileTest, RoundTripRestoresEveryFieldExactly)
{
    writeSaveFile();
    const auto written = readBytes("game.sav");
    pieceKindCount = 6;
    gameMode = modeUntimed;
    bar = shownBar = shownScore = 0;
    level = 1;
    score = 0;
    std::memset(highScores, 0, sizeof highScores);
    std::memset(board, 0, sizeof board);
    fullscreen = 0;
    easyFood = 1;
    systemCursor = 1;
    musicSliderX = soundSliderX = 391;
    ASSERT_TRUE(readSaveFile());
    EXPECT_FLOAT_EQ(musicVolume, (300 - 229) * 0.0060975607f);
    writeSaveFile();
    EXPECT_EQ(readBytes("game.sav"), written);
}

TEST_F(SaveFileTest, OnlyACompleteFileCounts)
{
    EXPECT_FALSE(readSaveFile());  // no file
    writeSaveFile();
    auto bytes = readBytes("game.sav");
    level = 5;
    for (size_t size : {size_t(0), size_t(13), size_t(6932)}) {
        writeBytes("game.sav", std::vector<uint8_t>(bytes.begin(), bytes.begin() + long(size)));
        EXPECT_FALSE(readSaveFile()) << size;
    }
    bytes.push_back(0);
    writeBytes("game.sav", bytes);
    EXPECT_FALSE(readSaveFile());
    EXPECT_EQ(level, 5);  // an unreadable file changes nothing
}

TEST_F(SaveFileTest, DamagedGameIsDroppedButTablesAndSettingsStay)
{
    writeSaveFile();
    const auto good = readBytes("game.sav");
    struct Damage {
        const char* what;
        void (*apply)(std::vector<uint8_t>&);
    };
    const Damage damages[] = {
        {"kinds 9", [](std::vector<uint8_t>& b) { putInt(b, 0, 9); }},
        {"kinds 5", [](std::vector<uint8_t>& b) { putInt(b, 0, 5); }},
        {"mode 2", [](std::vector<uint8_t>& b) { b[4] = 2; }},
        {"level 0", [](std::vector<uint8_t>& b) { putInt(b, 5629, 0); }},
        {"level 100", [](std::vector<uint8_t>& b) { putInt(b, 5629, 100); }},
        {"bar NaN", [](std::vector<uint8_t>& b) { putFloat(b, 5, std::nanf("")); }},
        {"shown score inf", [](std::vector<uint8_t>& b) { putFloat(b, 5637, INFINITY); }},
        {"cell far away", [](std::vector<uint8_t>& b) { putFloat(b, 5641 + 20 * 10, 1e9f); }},
        {"frame 15", [](std::vector<uint8_t>& b) { putFloat(b, 5641 + 20 * 10 + 12, 15.0f); }},
        {"kind 8", [](std::vector<uint8_t>& b) { b[5641 + 20 * 63 + 8] = 8; }},
    };
    for (const Damage& d : damages) {
        auto bytes = good;
        d.apply(bytes);
        writeBytes("game.sav", bytes);
        setKnownState();
        ASSERT_TRUE(readSaveFile()) << d.what;
        EXPECT_EQ(noGameInProgress, 1) << d.what;
        EXPECT_EQ(pieceKindCount, 6) << d.what;
        EXPECT_EQ(gameMode, modeUntimed) << d.what;
        EXPECT_EQ(level, 1) << d.what;
        EXPECT_EQ(score, 0) << d.what;
        EXPECT_EQ(bar, 0.0f) << d.what;
        EXPECT_TRUE(boardFull()) << d.what;  // a fresh deal
        EXPECT_STREQ(highScores[5].name, "Row05") << d.what;
        EXPECT_EQ(highScores[5].score, 9995) << d.what;
        EXPECT_EQ(fullscreen, 1) << d.what;
        EXPECT_EQ(musicSliderX, 300) << d.what;
    }
}

TEST_F(SaveFileTest, NamesAreCutAndFlagsNormalised)
{
    writeSaveFile();
    auto bytes = readBytes("game.sav");
    std::memset(&bytes[13], 'A', 100);  // no NUL within the name
    bytes[6922] = 7;
    bytes[5641 + 20 * 3 + 16] = 9;  // a swapping flag
    writeBytes("game.sav", bytes);
    ASSERT_TRUE(readSaveFile());
    EXPECT_EQ(std::strlen(highScores[0].name), 99u);
    EXPECT_EQ(fullscreen, 1);
    EXPECT_EQ(board[3].swapping, 1);
    EXPECT_EQ(noGameInProgress, 0);  // the game itself was fine
}

TEST_F(SaveFileTest, MusicVolumeComesFromTheSliderAsStored)
{
    musicSliderX = 500;
    soundSliderX = 100;
    writeSaveFile();
    ASSERT_TRUE(readSaveFile());
    EXPECT_EQ(musicVolume, 1.0f);
    EXPECT_EQ(musicSliderX, 391);
    EXPECT_EQ(soundSliderX, 227);
    musicSliderX = 100;
    writeSaveFile();
    ASSERT_TRUE(readSaveFile());
    EXPECT_EQ(musicVolume, 0.0f);
}

TEST_F(SaveFileTest, ExtremeNumbersAreBroughtIntoRangeOnEveryRead)
{
    musicSliderX = INT_MIN;
    soundSliderX = INT_MAX;
    score = INT_MAX;
    shownScore = FLT_MAX;
    bar = 1e30f;
    shownBar = -1e30f;
    highScores[0].score = INT_MIN;
    highScores[1].score = INT_MAX;
    writeSaveFile();
    // Start-up reads the file, clamps the knobs, then reads it again for the
    // tables; whatever it ends with is written back on exit.
    ASSERT_TRUE(readSaveFile());
    clampSliders();
    initHighScores();
    EXPECT_EQ(noGameInProgress, 0);  // the game itself is kept
    EXPECT_EQ(musicSliderX, 227);
    EXPECT_EQ(soundSliderX, 391);
    EXPECT_EQ(musicVolume, 0.0f);
    EXPECT_EQ(score, scoreLimit);
    EXPECT_EQ(shownScore, float(scoreLimit));
    EXPECT_GE(bar, 0.0f);
    EXPECT_LE(bar, barLimit);
    EXPECT_EQ(shownBar, 0.0f);
    EXPECT_EQ(highScores[0].score, 0);
    EXPECT_EQ(highScores[1].score, scoreLimit);
    writeSaveFile();
    const auto b = readBytes("game.sav");
    EXPECT_EQ(intAt(b, 6925), 227);
    EXPECT_EQ(intAt(b, 6929), 391);
}

TEST_F(SaveFileTest, UnwritableFolderKeepsTheOldSave)
{
    writeSaveFile();
    const auto before = readBytes("game.sav");
    // A directory in the temporary file's place makes the write fail.
    ASSERT_EQ(mkdir("game.sav.tmp", 0700), 0);
    level = 77;
    writeSaveFile();
    EXPECT_EQ(readBytes("game.sav"), before);
    // The folder is not the game's to remove.
    EXPECT_EQ(rmdir("game.sav.tmp"), 0);
}

TEST_F(SaveFileTest, OnlyARegularFileIsReadAndAFailedSaveLeavesNothingBehind)
{
    // A pipe in the save's place: nobody will ever write into it.
    ASSERT_EQ(mkfifo("game.sav", 0600), 0);
    EXPECT_TRUE(finishesInTime([] {
        if (readSaveFile()) {
            _exit(1);
        }
    }));
    // Nor may the exit wait for a reader of a pipe in the temporary file's place.
    ASSERT_EQ(mkfifo("game.sav.tmp", 0600), 0);
    EXPECT_TRUE(finishesInTime(writeSaveFile));
    unlink("game.sav.tmp");
    unlink("game.sav");

    // A folder in the save's place: the write fails and cleans up after itself.
    ASSERT_EQ(mkdir("game.sav", 0700), 0);
    EXPECT_FALSE(readSaveFile());
    writeSaveFile();
    struct stat info {};
    EXPECT_NE(lstat("game.sav.tmp", &info), 0);
    ASSERT_EQ(stat("game.sav", &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    rmdir("game.sav");
}

TEST_F(SaveFileTest, KilledWriterNeverLeavesADamagedSave)
{
    writeSaveFile();
    const auto expected = readBytes("game.sav");
    srand(7);
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                writeSaveFile();
            }
        }
        usleep(useconds_t(500 + rand() % 5000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_EQ(readBytes("game.sav"), expected) << "round " << round;
    }
}
