// Saving under fire: the headless game, its save slowed down on purpose, is
// killed at a few hundred random moments while it writes game.sav. Every time
// the file reads back as the save from before or the one being written, and
// the next start finds the player's own tables.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "base/screen_state.h"
#include "e2e_support.h"
#include "game/score_tables.h"
#include "screens/high_scores.h"
#include "screens/options.h"
#include "screens/save_file.h"
#include "test_support.h"

namespace {
#ifdef PLUMBRIX_SANITIZED
constexpr int rounds = 30;  // each run is several times slower there
#else
constexpr int rounds = 300;
#endif
// The driver waits this long after each of the save's fourteen pieces.
constexpr int pieceMilliseconds = 2;
constexpr int writeMicroseconds = 14 * pieceMilliseconds * 1000;

// Title, options, the game's pointer and the coloured tiles toggled, back,
// and Exit, which writes the save.
const char script[] = "#! dt 0.05\n"
                      "2 click 320 440\n"
                      "45 click 170 318\n"
                      "50 click 322 134\n"
                      "55 click 322 176\n"
                      "60 click 231 417\n"
                      "65 click 170 442\n";

std::vector<uint8_t> readBytes(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const char* path, const std::vector<uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
}

bool exists(const char* path)
{
    struct stat info {};
    return lstat(path, &info) == 0;
}

pid_t startDriver(const std::string& folder, int slowSave)
{
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 2);
        const std::string slow = std::to_string(slowSave);
        execl(PLUMBRIX_REPLAY, PLUMBRIX_REPLAY, "--data", folder.c_str(), "--script", "kill.script",
              "--frames", "100", "--slow-save", slow.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

// The player's tables: names no default has.
void setPlayersSave()
{
    resetHighScores();
    for (int i = 0; i < 54; ++i) {
        std::snprintf(highScores[i].name, sizeof highScores[i].name, "Player%02d", i);
        highScores[i].score = 5000 - 10 * i;
    }
    noGameInProgress = 1;
    easyFood = 1;
    systemCursor = 1;
    musicSliderX = 391;
    soundSliderX = 391;
    writeSaveFile();
}
}  // namespace

TEST(SaveUnderFire, AKilledSaveLeavesTheOldOrTheNewFileAndThePlayersTables)
{
    ScratchDir scratch;
    ASSERT_TRUE(linkGameData(scratch.path()));
    std::ofstream("kill.script") << script;
    setPlayersSave();
    const auto before = readBytes("game.sav");

    // The save the run writes when nothing stops it.
    int status = 0;
    ASSERT_EQ(waitpid(startDriver(scratch.path(), 0), &status, 0) > 0 && WIFEXITED(status), true);
    const auto after = readBytes("game.sav");
    ASSERT_EQ(after.size(), size_t(saveFileSize));
    ASSERT_NE(after, before);

    std::mt19937 random(20240);
    std::uniform_int_distribution<int> moment(0, writeMicroseconds + 2000);
    int keptOld = 0;
    int tookNew = 0;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        writeBytes("game.sav", before);
        unlink("game.sav.tmp");
        const pid_t child = startDriver(scratch.path(), pieceMilliseconds);
        ASSERT_GT(child, 0);
        // The write has begun once its temporary file is there.
        bool running = true;
        while (running && !exists("game.sav.tmp")) {
            running = waitpid(child, &status, WNOHANG) == 0;
            usleep(100);
        }
        if (running) {
            usleep(useconds_t(moment(random)));
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
        } else {
            // On a loaded machine the test can sleep through the whole write
            // and see only the end: the game must then have saved.
            ASSERT_EQ(readBytes("game.sav"), after) << "the game ended before it saved";
        }

        const auto now = readBytes("game.sav");
        ASSERT_TRUE(now == before || now == after) << now.size() << " bytes";
        (now == before ? keptOld : tookNew) += 1;
        // The next start reads the file as the game does: the tables are the player's.
        std::memset(highScores, 0, sizeof highScores);
        initHighScores();
        ASSERT_STREQ(highScores[0].name, "Player00");
        ASSERT_STREQ(highScores[53].name, "Player53");
    }
    std::printf("%d kills inside the save: %d kept the old file, %d found the new one\n", rounds, keptOld,
                tookNew);
    // Most of the moments fall inside the write, not after it.
    EXPECT_GT(keptOld, rounds / 2);
}
