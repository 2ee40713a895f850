// Whole runs of the real game, headless, with fixed frame time and ticks: the
// title, the menu and set-up, moves on the board, name entry after a lost
// game, and a game that survives a restart.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "base/screen_state.h"
#include "e2e_support.h"
#include "game/board.h"
#include "game/board_change.h"
#include "game/hints.h"
#include "game/score_tables.h"
#include "game/scoring.h"
#include "graphics/jpeg_decode.h"
#include "platform/rect.h"
#include "screens/high_scores.h"
#include "screens/main_menu.h"
#include "screens/options.h"
#include "screens/save_file.h"
#include "test_support.h"

namespace {
// Screen positions of the buttons the scripts press.
const char* const titleButton = "320 440";
const char* const menuResume = "170 195";
const char* const menuNewGame = "170 255";
const char* const menuHighScores = "170 380";
const char* const menuExit = "170 440";
const char* const setUpTimed = "300 128";
const char* const setUpUntimed = "300 175";
const char* const setUpSeven = "320 317";
const char* const setUpBack = "230 400";
const char* const setUpStart = "400 400";
const char* const boardMenu = "60 420";

int centreX(int column)
{
    return layout::cellArea(column, 0).middle().x;
}

int centreY(int row)
{
    return layout::cellArea(0, row).middle().y;
}

std::string cellCentre(int column, int row)
{
    return std::to_string(centreX(column)) + " " + std::to_string(centreY(row));
}

// Title at frame 10, then the menu once the tiles have fallen.
const std::string toMenu = std::string("10 click ") + titleButton + "\n";
// A new untimed game with six kinds; its drop-in has ended by frame 900.
const std::string newGame = toMenu + "300 click " + menuNewGame + "\n320 click " + setUpUntimed +
                            "\n330 click " + "320 280\n340 click " + setUpStart + "\n";

// The board of a state dump into the game's own board, for the hint finder.
void loadBoard(const GameState& state)
{
    const std::string rows = state.at("board");
    for (int r = 0; r < 8; ++r) {
        for (int c = 0; c < 8; ++c) {
            cellAt(c, r).kind = uint8_t(rows[size_t(r) * 9 + size_t(c)] - '0');
        }
    }
}

// A 640x480 screenshot of the driver, bottom-up BGR as BMP stores it.
std::string readShot(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The 40x40 tile of a screenshot whose top-left corner is (x, y).
std::string tileOf(const std::string& shot, int x, int y)
{
    std::string tile;
    for (int row = y; row < y + 40; ++row) {
        tile += shot.substr(54 + size_t((479 - row) * 640 + x) * 3, size_t(40) * 3);
    }
    return tile;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(linkGameData(folder));
    }

    GameState run(const std::string& script, long frames, const std::string& extra = "",
                  unsigned long ticks = 1000)
    {
        GameState state;
        EXPECT_EQ(runGame(folder, script, frames, state, extra, ticks), 0) << script;
        return state;
    }

    ScratchDir scratch;  // the game's folder, and the working directory
    const std::string folder = scratch.path();
};
}  // namespace

TEST_F(EndToEnd, TitleButtonStartsATransitionToTheMenu)
{
    const std::string script = std::string("0 move 100 100\n5 click 100 100\n") + "30 click " + titleButton +
                               "\n" + "100 click " + menuNewGame + "\n";  // pressed while the tiles fall
    EXPECT_EQ(stateInt(run(script, 25), "currentScreen"), screenTitle);
    GameState during = run(script, 31 + 230);
    EXPECT_EQ(stateInt(during, "currentScreen"), screenMainMenu);
    EXPECT_EQ(stateInt(during, "transitionActive"), 1);
    GameState after = run(script, 31 + 245);
    EXPECT_EQ(stateInt(after, "transitionActive"), 0);
    EXPECT_EQ(stateInt(after, "currentScreen"), screenMainMenu);  // the press was dropped
    EXPECT_EQ(soundIds(after), (std::vector<int>{0, 1}));         // the button's hover, then its click
}

TEST_F(EndToEnd, MenuSetUpAndBoardRoundTrip)
{
    std::ostringstream s;
    s << toMenu << "300 move " << menuResume << "\n"  // dead: nothing to resume
      << "310 click " << menuResume << "\n"           // not taken
      << "330 click " << menuNewGame << "\n"          // set-up over the menu
      << "350 click " << setUpTimed << "\n360 click " << setUpSeven << "\n"
      << "370 click " << setUpBack << "\n"  // back keeps the choices
      << "380 click " << menuNewGame << "\n390 click " << setUpStart << "\n";
    GameState menu = run(s.str(), 320);
    EXPECT_EQ(stateInt(menu, "menuHighlight"), noMenuHighlight);
    EXPECT_EQ(stateInt(menu, "currentScreen"), screenMainMenu);
    EXPECT_EQ(soundIds(menu), (std::vector<int>{0, 1}));  // only the title button's hover and click

    GameState setUp = run(s.str(), 375);
    EXPECT_EQ(stateInt(setUp, "currentScreen"), screenMainMenu);
    EXPECT_EQ(stateInt(setUp, "gameMode"), 1);
    EXPECT_EQ(stateInt(setUp, "pieceKindCount"), 7);

    GameState started = run(s.str(), 395);
    EXPECT_EQ(stateInt(started, "currentScreen"), screenGame);
    EXPECT_EQ(stateInt(started, "dropIn"), 1);
    EXPECT_EQ(started.at("bar"), "30");
    EXPECT_EQ(started.at("shownBar"), "30");

    s << "900 click " << boardMenu << "\n1150 click " << menuHighScores << "\n";
    GameState atMenu = run(s.str(), 1000);
    EXPECT_EQ(stateInt(atMenu, "currentScreen"), screenMainMenu);
    GameState tables = run(s.str(), 1160);
    EXPECT_EQ(stateInt(tables, "currentScreen"), screenHighScores);
    EXPECT_EQ(stateInt(tables, "shownTable"), 7);

    s << "1400 click 300 440\n1650 click " << menuResume << "\n";  // back, then resume
    GameState resumed = run(s.str(), 1660);
    EXPECT_EQ(stateInt(resumed, "currentScreen"), screenGame);
    EXPECT_EQ(resumed.at("board"), atMenu.at("board"));
    for (char c : resumed.at("board")) {
        EXPECT_TRUE(c == '/' || (c >= '0' && c < '7'));
    }
}

TEST_F(EndToEnd, HintMoveByClicksAndByDragScores)
{
    GameState dealt = run(newGame, 900);
    ASSERT_EQ(stateInt(dealt, "dropIn"), 0);
    loadBoard(dealt);
    hintFirstColumn = -1;
    findHint();
    ASSERT_GE(hintFirstColumn, 0) << "the dealt board has no move";
    const std::string first = cellCentre(hintFirstColumn, hintFirstRow);
    const std::string second = cellCentre(hintSecondColumn, hintSecondRow);

    GameState clicked = run(newGame + "910 click " + first + "\n930 click " + second + "\n", 1300);
    EXPECT_GE(stateInt(clicked, "score"), 10);
    EXPECT_GT(std::stof(clicked.at("bar")), 1.0f);
    EXPECT_NE(clicked.at("board"), dealt.at("board"));
    const std::vector<int> sounds = soundIds(clicked);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), 9), sounds.end());  // the piece was chosen
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), 2), sounds.end());  // and pieces flew

    // The same move by pressing on one piece and dragging toward the other.
    const int dx = (hintSecondColumn - hintFirstColumn) * 20;
    const int dy = (hintSecondRow - hintFirstRow) * 20;
    std::ostringstream drag;
    drag << newGame << "910 move " << first << "\n911 down\n";
    const int x = centreX(hintFirstColumn);
    const int y = centreY(hintFirstRow);
    drag << "915 move " << x + dx / 2 << " " << y + dy / 2 << "\n920 move " << x + dx << " " << y + dy
         << "\n925 up\n";
    GameState dragged = run(drag.str(), 1300);
    EXPECT_GE(stateInt(dragged, "score"), 10);
    EXPECT_NE(dragged.at("board"), dealt.at("board"));
}

TEST_F(EndToEnd, RunRepeatsExactly)
{
    const std::string script =
        newGame + "1000 click " + cellCentre(3, 3) + "\n1010 click " + cellCentre(4, 3) + "\n";
    const std::string shot = " --shot 1100:" + folder + "/a.bmp";
    GameState a = run(script, 1200, shot);
    std::ifstream first(folder + "/a.bmp", std::ios::binary);
    std::stringstream firstBytes;
    firstBytes << first.rdbuf();
    GameState b = run(script, 1200, " --shot 1100:" + folder + "/b.bmp");
    std::ifstream second(folder + "/b.bmp", std::ios::binary);
    std::stringstream secondBytes;
    secondBytes << second.rdbuf();
    EXPECT_EQ(a, b);
    EXPECT_EQ(firstBytes.str(), secondBytes.str());
}

namespace {
// An untimed game whose board has exactly one move, in the top row: swapping
// (2, 0) and (3, 0) lines up three 4s. The rest repeats 2x2 blocks of four
// kinds, which offer no move at all, so the game usually ends after that move.
void writeOneMoveGame(int gameScore)
{
    pieceKindCount = 6;
    gameMode = modeUntimed;
    bar = shownBar = 10;
    level = 3;
    score = gameScore;
    shownScore = float(gameScore);
    noGameInProgress = 0;
    fullscreen = 0;
    easyFood = 0;
    systemCursor = 1;
    musicSliderX = 300;
    soundSliderX = 391;
    initHighScores();  // no save file here yet: the default tables
    const int topRow[8] = {4, 4, 1, 4, 0, 1, 0, 1};
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            Cell& cell = cellAt(c, r);
            std::memset(&cell, 0, sizeof cell);
            cell.kind = uint8_t(r == 0 ? topRow[c] : c % 2 + 2 * (r % 2));
            snapCell(c, r);
        }
    }
    writeSaveFile();
}

const std::string resumeAndMove = toMenu + "300 click " + menuResume + "\n600 click " + cellCentre(2, 0) +
                                  "\n610 click " + cellCentre(3, 0) + "\n";
}  // namespace

TEST_F(EndToEnd, LostGameTakesANameThatSurvivesARestart)
{
    writeOneMoveGame(5000);
    std::ifstream saved("game.sav", std::ios::binary);
    std::stringstream prepared;
    prepared << saved.rdbuf();
    ASSERT_EQ(prepared.str().size(), 6933u);

    // Which refill ends the game depends on the ticks; find one that does.
    unsigned long ticks = 0;
    GameState over;
    for (unsigned long t = 1; t < 60 && ticks == 0; ++t) {
        std::ofstream("game.sav", std::ios::binary) << prepared.str();
        over = run(resumeAndMove, 1200, "", t);
        if (stateInt(over, "currentScreen") == screenHighScores) {
            ticks = t;
        }
    }
    ASSERT_NE(ticks, 0u) << "no refill ended the game";
    EXPECT_EQ(stateInt(over, "nameEntryActive"), 1);
    EXPECT_EQ(stateInt(over, "noGameInProgress"), 1);
    EXPECT_EQ(stateInt(over, "placedRank"), 0);

    std::ofstream("game.sav", std::ios::binary) << prepared.str();
    GameState named = run(resumeAndMove + "1300 text ZED\n1310 key backspace\n1320 text D\n1330 key return\n",
                          1340, "", ticks);
    EXPECT_EQ(stateInt(named, "nameEntryActive"), 0);

    // A new run reads the file the commit wrote.
    GameState restarted =
        run(toMenu + "300 click " + menuHighScores + "\n", 600, " --shot 599:" + folder + "/table.bmp");
    EXPECT_EQ(stateInt(restarted, "currentScreen"), screenHighScores);
    EXPECT_EQ(stateInt(restarted, "shownTable"), 6);
    EXPECT_EQ(stateInt(restarted, "musicSliderX"), 300);
    EXPECT_EQ(stateInt(restarted, "easyFood"), 0);
    ASSERT_TRUE(readSaveFile());
    EXPECT_STREQ(highScoreRow(0, 0, 6).name, "ZED");
    EXPECT_GT(highScoreRow(0, 0, 6).score, 5000);
    EXPECT_STREQ(highScoreRow(1, 0, 6).name, "Empty ");
}

TEST_F(EndToEnd, GameLeftThroughExitResumesAfterARestart)
{
    GameState dealt = run(newGame, 900);
    loadBoard(dealt);
    hintFirstColumn = -1;
    findHint();
    ASSERT_GE(hintFirstColumn, 0);
    const std::string played = newGame + "910 click " + cellCentre(hintFirstColumn, hintFirstRow) +
                               "\n930 click " + cellCentre(hintSecondColumn, hintSecondRow) +
                               "\n1300 click " + boardMenu + "\n";
    GameState before = run(played, 1550);
    ASSERT_EQ(stateInt(before, "currentScreen"), screenMainMenu);
    GameState ignored;
    EXPECT_EQ(runGame(folder, played + "1560 click " + menuExit + "\n", 2000, ignored), 0);
    EXPECT_TRUE(ignored.empty());  // the exit ended the run

    GameState resumed = run(toMenu + "300 click " + menuResume + "\n", 600);
    EXPECT_EQ(stateInt(resumed, "currentScreen"), screenGame);
    EXPECT_EQ(resumed.at("board"), before.at("board"));
    EXPECT_EQ(resumed.at("score"), before.at("score"));
    EXPECT_GE(stateInt(resumed, "score"), 10);
}

TEST_F(EndToEnd, TitleShowsItsPictureUnchangedAroundTheButton)
{
    run("", 2, " --shot 0:" + folder + "/title.bmp");
    const std::string shot = readShot(folder + "/title.bmp");
    ASSERT_EQ(shot.size(), 54u + 640u * 480u * 3u);
    int width = 0;
    int height = 0;
    uint8_t* picture = decodeJpeg((std::string(PLUMBRIX_DATA) + "/bmp/GameGo.jpg").c_str(), width, height);
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(width, 640);
    ASSERT_EQ(height, 480);
    const Rect button{161, 406, 481, 471};
    int compared = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (pointInRect(button, x, y)) {
                continue;
            }
            // The shot is bottom-up BGR of the 16-bit picture; compare in 5-6-5.
            const auto* p = reinterpret_cast<const uint8_t*>(&shot[54 + size_t((479 - y) * 640 + x) * 3]);
            const uint8_t* q = picture + size_t(y * 640 + x) * 3;
            ASSERT_EQ(p[2] >> 3, q[0] >> 3) << x << "," << y;
            ASSERT_EQ(p[1] >> 2, q[1] >> 2) << x << "," << y;
            ASSERT_EQ(p[0] >> 3, q[2] >> 3) << x << "," << y;
            ++compared;
        }
    }
    std::free(picture);
    EXPECT_EQ(compared, 640 * 480 - 320 * 65);
}

TEST_F(EndToEnd, ButtonAlternatesAndTilesFallBottomRowFirst)
{
    const std::string script = std::string("0 move 5 5\n40 click ") + titleButton + "\n";
    run(script, 120,
        " --shot 0:" + folder + "/a.bmp --shot 26:" + folder + "/b.bmp --shot 39:" + folder +
            "/old.bmp --shot 104:" + folder + "/mid.bmp");
    // Two frames of the button, 0.2 s apart.
    EXPECT_NE(tileOf(readShot(folder + "/a.bmp"), 200, 420), tileOf(readShot(folder + "/b.bmp"), 200, 420));
    // Half a second after the capture the bottom row has fallen away and the
    // top row still shows the title.
    const std::string old = readShot(folder + "/old.bmp");
    const std::string mid = readShot(folder + "/mid.bmp");
    for (int x = 0; x < 640; x += 40) {
        EXPECT_EQ(tileOf(mid, x, 0), tileOf(old, x, 0)) << x;
        EXPECT_NE(tileOf(mid, x, 440), tileOf(old, x, 440)) << x;
    }
}
