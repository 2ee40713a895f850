// The automated player and the checks that watch every frame: the player's
// choice against the game's own move rules, each check on a game state that
// breaks it, and whole games played by the driver: an untimed game through
// five levels, a timed game to its end, and a game left and resumed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "audio/sound_effects.h"
#include "autoplay.h"
#include "base/screen_state.h"
#include "e2e_support.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/game_state.h"
#include "game/hints.h"
#include "game/moves.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "invariants.h"
#include "screens/main_menu.h"
#include "screens/save_file.h"
#include "test_support.h"

namespace {
// A board of kinds 0..5 without a move or a line: kinds along a row alternate
// in parity and repeat only six columns apart, and a column repeats its kind
// only three rows apart. Kinds 6 and 7 are left for planting moves.
void dealQuietBoard()
{
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            Cell& cell = cellAt(c, r);
            cell = Cell{};
            cell.kind = uint8_t((c + 2 * r) % 6);
            snapCell(c, r);
        }
    }
}

bool sameSwap(const AutoplayMove& m, int c1, int r1, int c2, int r2)
{
    return (m.column == c1 && m.row == r1 && m.toColumn == c2 && m.toRow == r2) ||
           (m.column == c2 && m.row == r2 && m.toColumn == c1 && m.toRow == r1);
}

class Player : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGameState();
        pieceKindCount = 8;
        dealQuietBoard();
    }
};

class Checks : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGameState();
        currentScreen = screenGame;
        dealQuietBoard();
        startInvariantChecks(0.5);
    }

    // One frame's checks; the message of the violation, empty when all hold.
    std::string frame(double dt = 0.05, bool pressed = false, double cpu = 0.001)
    {
        std::string message;
        return checkInvariants(dt, pressed, cpu, message) ? "" : message;
    }
};
}  // namespace

TEST_F(Player, SeesNoMoveOnAQuietBoard)
{
    ASSERT_FALSE(hasMove());
    AutoplayMove m{};
    EXPECT_FALSE(chooseAutoplayMove(m));
}

TEST_F(Player, TakesTheOnlyMoveAndPrefersTheLongerRun)
{
    // Two sixes at the bottom left and one above the third cell.
    cellAt(0, 7).kind = cellAt(1, 7).kind = cellAt(2, 6).kind = 6;
    AutoplayMove m{};
    for (int seed = 1; seed <= 6; ++seed) {
        startAutoplay(AutoplayOptions{unsigned(seed), 0, "", {}});
        ASSERT_TRUE(chooseAutoplayMove(m));
        EXPECT_TRUE(sameSwap(m, 2, 6, 2, 7));
    }
    // Sevens in row 3 at columns 3, 4 and 6, one more above column 5: moving
    // that one down makes four, moving column 6's across makes three.
    dealQuietBoard();
    cellAt(3, 3).kind = cellAt(4, 3).kind = cellAt(6, 3).kind = cellAt(5, 2).kind = 7;
    for (int seed = 1; seed <= 6; ++seed) {
        startAutoplay(AutoplayOptions{unsigned(seed), 0, "", {}});
        ASSERT_TRUE(chooseAutoplayMove(m));
        EXPECT_TRUE(sameSwap(m, 5, 2, 5, 3));
    }
}

TEST_F(Player, EveryChosenMoveIsOneTheGameAccepts)
{
    startAutoplay(AutoplayOptions{});
    int without = 0;
    for (int deal = 0; deal < 300; ++deal) {
        std::srand(unsigned(deal));
        pieceKindCount = 6 + deal % 3;
        for (int c = 0; c < boardColumns; ++c) {
            for (int r = 0; r < boardRows; ++r) {
                cellAt(c, r).kind = uint8_t(std::rand() % pieceKindCount);
            }
        }
        breakInitialLines();
        AutoplayMove m{};
        const bool chosen = chooseAutoplayMove(m);
        ASSERT_EQ(chosen, hasMove()) << "deal " << deal;
        if (!chosen) {
            ++without;
            continue;
        }
        ASSERT_EQ(std::abs(m.column - m.toColumn) + std::abs(m.row - m.toRow), 1);
        swapCells(cellAt(m.column, m.row), cellAt(m.toColumn, m.toRow));
        EXPECT_TRUE(hasLine()) << "deal " << deal;
    }
    EXPECT_LT(without, 100);  // most boards offer a move
}

TEST_F(Checks, QuietSettledBoardPasses)
{
    EXPECT_EQ(frame(), "");
}

TEST_F(Checks, SettledBoardMustBeFullInPlaceWithoutRunsOrSwapFlags)
{
    cellAt(2, 3).kind = emptyKind;
    EXPECT_NE(frame().find("hole at (2, 3)"), std::string::npos);

    dealQuietBoard();
    cellAt(4, 1).y += 3;
    EXPECT_NE(frame().find("(4, 1) lies at (436, 57)"), std::string::npos);

    dealQuietBoard();
    cellAt(0, 0).swapping = 1;
    EXPECT_NE(frame().find("flagged for a swap"), std::string::npos);
    // Right after the press that flagged it, or while the button is held for
    // a drag, the flag is a swap about to start.
    EXPECT_EQ(frame(0.05, true), "");
    mouseDown = 1;
    EXPECT_EQ(frame(), "");
    mouseDown = 0;

    dealQuietBoard();
    cellAt(0, 2).kind = cellAt(1, 2).kind = cellAt(2, 2).kind = 7;
    EXPECT_NE(frame().find("run of three"), std::string::npos);
    falling = 1;  // a board under way may hold one
    EXPECT_EQ(frame(), "");
}

TEST_F(Checks, ShownScoreStaysBetweenZeroAndTheScoreExceptWhileAHintIsPaidFor)
{
    score = 100;
    shownScore = 99.9f;
    EXPECT_EQ(frame(), "");
    shownScore = 101;
    EXPECT_NE(frame().find("shown score 101"), std::string::npos);
    shownScore = -1.5f;
    EXPECT_NE(frame().find("shown score -1"), std::string::npos);

    // A hint takes ten points: the counter runs down to the new score.
    shownScore = 100;
    EXPECT_EQ(frame(), "");
    score = 90;
    shownScore = 98.5f;
    EXPECT_EQ(frame(), "");
    shownScore = 90;
    EXPECT_EQ(frame(), "");
    shownScore = 95;  // once it has arrived, it may not climb past again
    EXPECT_NE(frame().find("shown score 95"), std::string::npos);
}

TEST_F(Checks, ShownBarStaysWithinItsHeightOnTheBoard)
{
    shownBar = 73;
    EXPECT_EQ(frame(), "");
    shownBar = 73.5f;
    EXPECT_NE(frame().find("shown bar 73.5"), std::string::npos);
    currentScreen = screenMainMenu;  // not drawn there
    EXPECT_EQ(frame(), "");
}

TEST_F(Checks, FlyingPiecesMustReachTheSettledMixer)
{
    launchFlyer(3, 3, 1);
    score += 5;
    for (int i = 0; i < 24; ++i) {  // 1.2 s: a flight lasts one
        ASSERT_EQ(frame(), "") << i;
    }
    // Paused, the pieces wait in the air and nothing is wrong.
    paused = 1;
    for (int i = 0; i < 40; ++i) {
        ASSERT_EQ(frame(), "") << i;
    }
    paused = 0;
    mixerRequest = 1;  // the mixer still turns
    EXPECT_EQ(frame(), "");
    mixerRequest = 0;
    EXPECT_NE(frame(0.05).find("1 flying pieces are still in the air"), std::string::npos);
    flyers.clear();
}

TEST_F(Checks, SlowFrameIsReported)
{
    EXPECT_EQ(frame(0.05, false, 0.4), "");
    EXPECT_NE(frame(0.05, false, 0.6).find("took 600 ms"), std::string::npos);
}

TEST(AutoplayGoal, ParsesEveryGoalAndRefusesTheRest)
{
    AutoplayGoal g;
    ASSERT_TRUE(parseAutoplayGoal("level:6", g));
    EXPECT_EQ(g.kind, AutoplayGoal::level);
    EXPECT_EQ(g.count, 6);
    ASSERT_TRUE(parseAutoplayGoal("leave:12", g));
    EXPECT_EQ(g.kind, AutoplayGoal::leave);
    ASSERT_TRUE(parseAutoplayGoal("name-entry", g));
    EXPECT_EQ(g.kind, AutoplayGoal::nameEntry);
    ASSERT_TRUE(parseAutoplayGoal("table", g));
    EXPECT_EQ(g.kind, AutoplayGoal::table);
    ASSERT_TRUE(parseAutoplayGoal("finish", g));
    EXPECT_EQ(g.kind, AutoplayGoal::finish);
    for (const char* bad :
         {"level", "level:", "level:0", "level:x", "leave:-3", "tables", "", "name-entry:2"}) {
        EXPECT_FALSE(parseAutoplayGoal(bad, g)) << bad;
    }
    AutoplayHand hand = AutoplayHand::mouse;
    ASSERT_TRUE(parseAutoplayHand("pad", hand));
    EXPECT_EQ(hand, AutoplayHand::pad);
    ASSERT_TRUE(parseAutoplayHand("keys", hand));
    EXPECT_EQ(hand, AutoplayHand::keys);
    EXPECT_FALSE(parseAutoplayHand("joystick", hand));
    EXPECT_EQ(hand, AutoplayHand::keys);
}

namespace {
// Title, menu, set-up: the buttons of the way into a new game.
const char* const titleButton = "320 440";
const char* const menuNewGame = "170 257";
const char* const menuResume = "170 195";
const char* const setUpUntimed = "319 174";
const char* const setUpTimed = "300 128";
const char* const setUpSix = "320 280";
const char* const setUpEight = "319 354";
const char* const setUpStart = "407 402";

// Into a new game at 64 frames a second; from frame 200 on, the player's
// frames are 20 a second, which plays a level in a few hundred frames.
std::string newGame(const char* mode, const char* kinds)
{
    std::ostringstream s;
    s << "#! dt 0.015625\n10 click " << titleButton << "\n140 click " << menuNewGame << "\n155 click " << mode
      << "\n160 click " << kinds << "\n165 click " << setUpStart << "\n200 dt 0.05\n";
    return s.str();
}

class Autoplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(linkGameData(folder));
    }

    // Runs the driver with the player; the state after the last frame comes
    // back, and what the driver said on its error stream.
    int play(const std::string& script, const std::string& args, GameState& state)
    {
        const std::string end = folder + "/end.txt";
        std::remove(end.c_str());
        const int status = runGame(folder, script, 60000, state, args + " --state end:" + end);
        state = readGameState(end);
        said = readFileText(folder + "/stderr.txt");
        return status;
    }

    void playsThroughFiveLevels(const std::string& hand);

    ScratchDir scratch;
    const std::string folder = scratch.path();
    std::string said;
};
}  // namespace

// An untimed game ends on a board without moves, and with eight kinds that
// comes soon; a few seeds give the player a fair chance.
void Autoplay::playsThroughFiveLevels(const std::string& hand)
{
    GameState state;
    int seed = 1;
    for (; seed <= 6; ++seed) {
        const int status =
            play(newGame(setUpUntimed, setUpEight),
                 "--autoplay " + std::to_string(seed) + " --until level:6 --by " + hand, state);
        if (status == 0) {
            break;
        }
        ASSERT_EQ(status, 4) << said;
        ASSERT_NE(said.find("was lost at level"), std::string::npos) << said;
    }
    ASSERT_LE(seed, 6) << "no seed reached level 6";
    EXPECT_EQ(stateInt(state, "level"), 6);
    EXPECT_EQ(stateInt(state, "pieceKindCount"), 8);
    EXPECT_EQ(stateInt(state, "gamePhase"), phasePlay);
    EXPECT_EQ(stateInt(state, "dropIn"), 0);
    EXPECT_EQ(stateInt(state, "flyOutRunning"), 0);
    EXPECT_GT(stateInt(state, "score"), 0);
    // Five level-complete fanfares and the landing of the new boards' pieces.
    const std::vector<int> sounds = soundIds(state);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), soundLevelComplete), 5);
    EXPECT_GT(std::count(sounds.begin(), sounds.end(), soundDropIn), 5);
}

TEST_F(Autoplay, UntimedEightKindsPlaysThroughFiveLevels)
{
    playsThroughFiveLevels("mouse");
}

TEST_F(Autoplay, UntimedEightKindsPlaysThroughFiveLevelsByKeysAndByController)
{
    playsThroughFiveLevels("keys");
    playsThroughFiveLevels("pad");
}

TEST_F(Autoplay, TimedGameOfASlowPlayerRunsOutAndOpensTheNamePanel)
{
    // Half a minute over every move: the bar drains faster than the player fills it.
    GameState state;
    ASSERT_EQ(play(newGame(setUpTimed, setUpSix), "--autoplay 1 --think 30 --until name-entry", state), 0)
        << said;
    EXPECT_EQ(stateInt(state, "currentScreen"), screenHighScores);
    EXPECT_EQ(stateInt(state, "nameEntryActive"), 1);
    EXPECT_EQ(stateInt(state, "noGameInProgress"), 1);
    EXPECT_EQ(stateInt(state, "gameMode"), 1);
    EXPECT_EQ(stateInt(state, "bar"), 0);
    EXPECT_GT(stateInt(state, "score"), 0);
    const std::vector<int> sounds = soundIds(state);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), soundNoMoves), sounds.end());  // time is up
}

TEST_F(Autoplay, GameLeftThroughTheMenuResumesFromTheSaveFileUnchanged)
{
    GameState left;
    ASSERT_EQ(play(newGame(setUpUntimed, setUpSix), "--autoplay 3 --until leave:15", left), 0) << said;
    ASSERT_EQ(stateInt(left, "currentScreen"), screenMainMenu);
    ASSERT_GT(stateInt(left, "score"), 0);
    std::ifstream saved(folder + "/game.sav", std::ios::binary | std::ios::ate);
    ASSERT_EQ(long(saved.tellg()), 6933L);

    GameState resumed;
    const std::string resume =
        std::string("#! dt 0.015625\n10 click ") + titleButton + "\n140 click " + menuResume + "\n";
    ASSERT_EQ(runGame(folder, resume, 400, resumed), 0) << readFileText(folder + "/stderr.txt");
    ASSERT_EQ(stateInt(resumed, "currentScreen"), screenGame);
    ASSERT_EQ(stateInt(resumed, "transitionActive"), 0);
    // Everything but the screen, its button light and the sounds of the
    // session; and the multiplier, which the save file does not keep and the
    // next clear sets before it counts.
    for (const char* key : {"currentScreen", "menuHighlight", "transitionActive", "sounds", "multiplier"}) {
        left.erase(key);
        resumed.erase(key);
    }
    EXPECT_EQ(left, resumed);
}

TEST_F(Autoplay, ControllerPlayerLeavesByBackAndTheMenusExit)
{
    GameState left;
    ASSERT_EQ(play(newGame(setUpUntimed, setUpSix), "--autoplay 3 --until leave:3 --by pad", left), 0)
        << said;
    EXPECT_EQ(stateInt(left, "currentScreen"), screenMainMenu);
    EXPECT_EQ(stateInt(left, "menuHighlight"), exitButton);
    std::ifstream saved(folder + "/game.sav", std::ios::binary | std::ios::ate);
    EXPECT_EQ(long(saved.tellg()), 6933L);
}

TEST_F(Autoplay, TheLastTwoLevelsEndInTheEndPictureAndTheTable)
{
    // A game of six kinds (it seldom runs out of moves) left after one move,
    // moved on to level 98 with a bar of 72.
    GameState left;
    ASSERT_EQ(play(newGame(setUpUntimed, setUpSix), "--autoplay 2 --until leave:1", left), 0) << said;
    {
        std::fstream f(folder + "/game.sav", std::ios::in | std::ios::out | std::ios::binary);
        const char almostFull[8] = {0, 0, char(0x90), 0x42, 0, 0, char(0x90), 0x42};  // 72.0f twice
        const char level98[4] = {98, 0, 0, 0};
        f.seekp(5);
        f.write(almostFull, 8);  // the bar and the shown bar
        f.seekp(5629);
        f.write(level98, 4);
    }
    GameState finished;
    const std::string resume = std::string("#! dt 0.015625\n10 click ") + titleButton + "\n140 click " +
                               menuResume + "\n200 dt 0.05\n";
    ASSERT_EQ(play(resume, "--autoplay 2 --until finish --name Finisher", finished), 0) << said;
    EXPECT_EQ(stateInt(finished, "level"), 99);
    EXPECT_EQ(stateInt(finished, "currentScreen"), screenHighScores);
    EXPECT_EQ(stateInt(finished, "endOfGameFlag"), 0);
    EXPECT_EQ(stateInt(finished, "nameEntryActive"), 0);
    EXPECT_EQ(stateInt(finished, "noGameInProgress"), 1);
    EXPECT_EQ(finished.at("nameBuffer"), "Finisher_");
    const std::vector<int> sounds = soundIds(finished);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), soundLevelComplete), 2);  // both levels' fanfares
}

// The save file the automated player left after all 99 levels (see
// tools/play_all_levels.sh): the game still reads it, and it is plausible.
TEST(AllLevelsRun, FinalSaveReadsBackWithThePlayerAtTheTopOfItsTable)
{
    ScratchDir scratch;
    {
        std::ifstream in(std::string(PLUMBRIX_FIXTURES) + "/all-levels/game.sav", std::ios::binary);
        std::ofstream out(scratch.path() + "/game.sav", std::ios::binary);
        out << in.rdbuf();
    }
    resetGameState();
    ASSERT_TRUE(readSaveFile());
    EXPECT_EQ(level, 99);
    EXPECT_EQ(gameMode, modeUntimed);
    EXPECT_EQ(pieceKindCount, 6);
    EXPECT_EQ(noGameInProgress, 1);
    const HighScoreRow& top = highScoreRow(0, 0, 6);
    EXPECT_STREQ(top.name, "Autoplay");
    EXPECT_EQ(top.score, score);
    // Every pass adds 5 points per 0.6 of bar with six kinds; 99 levels fill
    // the bar of 73 at least 99 times.
    EXPECT_GE(score, 99 * 73 * 5 / 0.6);
    EXPECT_LT(score, 2 * 99 * 73 * 5 / 0.6);
    const std::string summary = readFileText(std::string(PLUMBRIX_FIXTURES) + "/all-levels/summary.txt");
    EXPECT_NE(summary.find("score " + std::to_string(score) + ", level 99"), std::string::npos) << summary;
}
