// The whole road as a player walks it, in a real window on a virtual X server
// with real input: clicks and drags at window positions, keys, a typed name and
// focus moving away and back. Every stop is photographed and held against what
// that screen must show; the headless driver, given the same road, draws the
// reference pictures. Once more on a 16-bit screen and in a resized window.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/layout.h"
#include "game/board.h"
#include "game/hints.h"
#include "platform/picture_fit.h"
#include "screen_waits.h"
#include "x_session.h"

namespace {
Area areaOf(const layout::Rect& r)
{
    return {r.l, r.t, r.r, r.b};
}
constexpr Area titleButton{layout::titleButtonAt.x, layout::titleButtonAt.y,
                           layout::titleButtonAt.x + layout::titleButtonW,
                           layout::titleButtonAt.y + layout::titleButtonH};
constexpr Area pauseSign{layout::bannerX, layout::pauseY, layout::bannerX + layout::bannerW,
                         layout::pauseY + layout::bannerH};
// Room for six digits centred where the score is drawn, and for the level's.
constexpr Area scoreDigits{layout::scoreCentreX - 65, layout::scoreDigitsY - 12, layout::scoreCentreX + 65,
                           layout::scoreDigitsY + 30};
constexpr Area levelDigits{layout::levelCentreX - 40, layout::levelDigitsY - 4, layout::levelCentreX + 40,
                           pictureHeight};
constexpr Area timeBar{layout::barAt.x, layout::barAt.y, layout::barAt.x + layout::barW,
                       layout::barAt.y + layout::barH};
constexpr Area blinkingEyes{layout::blinkAt.x, layout::blinkAt.y, layout::blinkAt.x + layout::blinkW,
                            layout::blinkAt.y + layout::blinkH};
constexpr Area boardMenuLight{layout::menuButtonLitAt.x, layout::menuButtonLitAt.y,
                              layout::menuButtonLitAt.x + layout::menuButtonLit.w(),
                              layout::menuButtonLitAt.y + layout::menuButtonLit.h()};
// A check mark of a panel's row.
Area checkOf(const layout::Highlight& row)
{
    return {row.check.x, row.check.y, row.check.x + layout::checkMarkSource.w(),
            row.check.y + layout::checkMarkSource.h()};
}
// A volume slider: its knob's track and the wedge above it.
Area sliderAt(int knobY)
{
    return {layout::knobMinX - 10, knobY - 20, layout::knobMaxX + 30, knobY + 22};
}
// The high-score tables' rows and their labels, which hold this run's scores
// and, at the end of a game, the name panel.
constexpr Area tableRows{45, 170, 600, 412};
constexpr Area untimedLabel{layout::untimedLabelAt.x, layout::untimedLabelAt.y, layout::untimedLabelAt.x + 84,
                            layout::untimedLabelAt.y + 34};
constexpr Area timedLabel{layout::timedLabelAt.x, layout::timedLabelAt.y, layout::timedLabelAt.x + 84,
                          layout::timedLabelAt.y + 34};

// Where the player presses, in picture pixels.
struct Spot {
    int x, y;
};
constexpr Spot title{320, 440};
constexpr Spot menuResume{170, 195};
constexpr Spot menuNewGame{170, 257};
constexpr Spot menuOptions{170, 318};
constexpr Spot menuHighScores{170, 380};
constexpr Spot menuExit{170, 442};
constexpr Spot setUpTimed{300, 128};
constexpr Spot setUpSeven{320, 317};
constexpr Spot setUpStart{407, 402};
constexpr Spot boardMenu{60, 420};
constexpr Spot pan{52, 137};
constexpr Spot fullScreenRow{323, 95};
constexpr Spot pointerRow{322, 134};
constexpr Spot tilesRow{322, 176};
constexpr Spot musicKnob{405, 278};
constexpr Spot effectsKnob{405, 353};
constexpr Spot optionsBack{231, 417};
constexpr Spot previousTables{83, 446};
constexpr Spot nextTables{552, 446};
constexpr Spot tablesBack{320, 439};
// Where the pointer rests for a picture: on nothing that lights up, off the
// board and off the options panel.
constexpr Spot resting{150, 30};
// The game's own pointer drawn there, or at a spot.
constexpr Area pointerAt(Spot s)
{
    return {s.x, s.y, s.x + layout::pointerSource.w(), s.y + layout::pointerSource.h()};
}
constexpr Area gamePointer = pointerAt(resting);
constexpr int kindCount = 7;

Spot centreOf(int column, int row)
{
    const layout::Point p = layout::cellArea(column, row).middle();
    return {p.x, p.y};
}

// The middle of each kind's cell as the reference board shows it, and which
// of its pixels are the piece's own: without the coloured tiles the board's
// backdrop shows around a piece and differs from cell to cell.
struct Tile {
    Picture middle;
    std::vector<bool> own;
};
using Tiles = std::map<int, Tile>;

Picture cutCellMiddle(const Picture& p, int column, int row)
{
    Picture tile;
    tile.width = tile.height = cellSize - 20;
    for (int y = 0; y < tile.height; ++y) {
        for (int x = 0; x < tile.width; ++x) {
            tile.rgb.push_back(
                p.at(boardLeft + column * cellSize + 10 + x, boardTop + row * cellSize + 10 + y) & 0xF8FCF8);
        }
    }
    return tile;
}

bool shows(const Picture& middle, const Tile& tile)
{
    for (size_t i = 0; i < middle.rgb.size(); ++i) {
        if (tile.own[i] && middle.rgb[i] != tile.middle.rgb[i]) {
            return false;
        }
    }
    return true;
}

// Kinds read from a picture of a settled board: every cell's middle must show
// one kind's piece; false when any cell shows none.
bool readBoard(const Picture& shown, const Tiles& tiles, int (&kinds)[8][8])
{
    if (shown.width != pictureWidth) {
        return false;
    }
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            const Picture middle = cutCellMiddle(shown, c, r);
            kinds[c][r] = -1;
            for (const auto& [kind, tile] : tiles) {
                if (shows(middle, tile)) {
                    kinds[c][r] = kind;
                }
            }
            if (kinds[c][r] < 0) {
                return false;
            }
        }
    }
    return true;
}

// The reference run's tiles: its state dump names each cell's kind, and the
// pixels alike in every cell of a kind are the piece's.
Tiles tilesOf(const Picture& shot, const std::string& stateFile)
{
    std::ifstream in(stateFile);
    std::string line;
    std::string rows;
    while (std::getline(in, line)) {
        if (line.rfind("board ", 0) == 0) {
            rows = line.substr(6);
        }
    }
    Tiles tiles;
    for (int r = 0; r < boardRows && rows.size() >= 71; ++r) {
        for (int c = 0; c < boardColumns; ++c) {
            const Picture middle = cutCellMiddle(shot, c, r);
            const auto [it, first] = tiles.try_emplace(rows[size_t(r) * 9 + size_t(c)] - '0');
            Tile& tile = it->second;
            if (first) {
                tile.middle = middle;
                tile.own.assign(middle.rgb.size(), true);
            }
            for (size_t i = 0; i < middle.rgb.size(); ++i) {
                tile.own[i] = tile.own[i] && middle.rgb[i] == tile.middle.rgb[i];
            }
        }
    }
    return tiles;
}

// The first move the game's own hint finder sees on these kinds.
bool findMove(const int (&kinds)[8][8], Spot& from, Spot& to)
{
    for (int c = 0; c < boardColumns; ++c) {
        for (int r = 0; r < boardRows; ++r) {
            cellAt(c, r).kind = uint8_t(kinds[c][r]);
        }
    }
    if (!hasMove()) {
        return false;
    }
    findHint();
    from = centreOf(hintFirstColumn, hintFirstRow);
    to = centreOf(hintSecondColumn, hintSecondRow);
    return true;
}

// The same road through the headless driver, with the pointer where the walk
// puts it: on a button until it lights, then at rest. Its pictures are what
// the window must show at each stop. Frames at 64 a second.
const char* const referenceRoad = R"(#! dt 0.015625
#! frames 2050
#! shots 5 40 60 200 230 260 290 560 700 716 850 865 1160 1185 1200 1235 1290 1310 1330 1345 1490 1505 1650 1670 1690 1710 1725 1885 1900 2045
#! states 560 2045
50 move 320 440            # the title's button lit (60)
70 click 320 440           # to the main menu
190 move 170 257           # New Game lit (200)
210 click 170 257          # New Game
220 move 300 128           # Timed lit (230)
240 click 300 128
250 move 320 317           # seven kinds lit (260)
270 click 320 317
280 move 407 402           # Start lit, timed and seven kinds chosen (290)
300 click 407 402          # the board has dropped in by 560
310 move 150 30
690 key pause              # the pause sign (700)
710 key pause
712 move 60 420            # the board's menu button lit (716)
720 click 60 420
730 move 150 30            # the menu of a game in progress (850)
855 move 170 195           # Resume lit (865)
870 click 170 195
880 move 150 30
1015 move 60 420
1020 click 60 420
1030 move 150 30
1150 move 170 318          # Options lit (1160)
1170 click 170 318
1175 move 150 30           # the options panel (1185)
1190 move 322 134          # the pointer's row lit (1200)
1205 click 322 134         # the game's own pointer
1210 move 150 30
1225 move 322 176          # the tiles' row lit (1235)
1240 click 322 176         # no coloured tiles
1245 move 150 30
1260 move 405 278          # the music knob to 300
1261 down
1262 move 370 278
1263 move 335 278
1264 move 300 278
1265 up
1266 move 150 30
1270 move 405 353          # the effects knob to 200
1271 down
1272 move 337 353
1273 move 268 353
1274 move 200 353
1275 up
1276 move 150 30
1280 move 323 95           # full screen lit (1290)
1295 click 323 95          # full screen, lit and checked (1310)
1315 click 323 95          # and back
1320 move 150 30           # the options as set (1330)
1335 move 231 417          # Back lit (1345)
1350 click 231 417
1360 move 150 30           # the menu with the game's pointer (1490)
1495 move 170 380          # High Scores lit (1505)
1510 click 170 380         # the tables of seven kinds (1650)
1520 move 150 30
1655 click 83 446          # fewer kinds (1670)
1660 move 150 30
1675 click 552 446         # more kinds (1690)
1680 move 150 30
1695 click 552 446         # and more (1710)
1700 move 150 30
1715 move 320 439          # Back lit (1725)
1730 click 320 439
1740 move 150 30
1875 move 170 442          # Exit lit (1885)
1890 move 170 195          # Resume lit with the game's pointer (1900)
1905 click 170 195         # the board without tiles (2045)
1915 move 150 30
)";

class Walk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!onPath("xdotool") || !onPath("Xvfb") || !onPath("openbox")) {
            GTEST_SKIP() << "needs Xvfb, openbox and xdotool";
        }
        char pattern[] = "/tmp/plumbrix-walk-XXXXXX";
        w.folder = mkdtemp(pattern);
        for (const char* entry : {"bmp", "sound", "music", "ReadMe.htm"}) {
            ASSERT_EQ(
                symlink((std::string(PLUMBRIX_DATA) + "/" + entry).c_str(), (w.folder + "/" + entry).c_str()),
                0);
        }
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        makeReferences();
    }

    void TearDown() override
    {
        stop(other);
        stop(game);
        // A failure keeps the folder: the last grab (last.png) beside the
        // picture it was held against (expected.png), the driver's pictures
        // (refs/) and the game's output; with PLUMBRIX_WALK_KEEP=1 also every
        // grab (grabs/).
        if (HasFailure()) {
            std::printf("kept %s\n", w.folder.c_str());
        } else if (!w.folder.empty()) {
            run("rm -rf '" + w.folder + "'");
        }
    }

    void makeReferences()
    {
        const std::string failure = driveReferences(w.folder, referenceRoad);
        ASSERT_TRUE(failure.empty()) << failure;
        const auto shot = [&](long frame) { return referenceShot(w.folder, frame); };
        const auto state = [&](long frame) {
            return w.folder + "/refs/state-" + std::to_string(frame) + ".txt";
        };
        const auto lit = [&](const char* name, long frame, Area region) {
            return Screen{name, shot(frame), {region}, {}, {}, {}};
        };
        // The title's button shows one of two frames, drawn by the clock.
        titleScreen = {"the title", shot(5), {wholePicture}, {titleButton}, {}, {}};
        titleFrames[0] = shot(5);
        titleFrames[1] = shot(40);
        titleScreen.alsoShows = [this](const Picture& p) {
            return differences(p, titleFrames[0], titleButton) == 0 ||
                   differences(p, titleFrames[1], titleButton) == 0;
        };
        titleLit = lit("the title's button lit", 60, titleButton);
        // After the restart the game's own pointer lies on the button.
        titleLitWithPointer = titleLit;
        titleLitWithPointer.animated = {pointerAt(title)};
        newGameLit = {"the menu with New Game lit", shot(200), {wholePicture}, {}, {}, {}};
        timedLit = lit("the set-up panel with Timed lit", 230, areaOf(layout::setUpRows[0].rect()));
        sevenLit = lit("the set-up panel with seven kinds lit", 260, areaOf(layout::setUpRows[3].rect()));
        startLit = lit("the set-up panel with Start lit", 290, areaOf(layout::setUpStart.rect()));
        timedChosen = {"Timed checked",
                       shot(290),
                       {checkOf(layout::setUpRows[0]), checkOf(layout::setUpRows[1])},
                       {},
                       {},
                       {}};
        sevenChosen = {
            "seven kinds checked",
            shot(290),
            {checkOf(layout::setUpRows[2]), checkOf(layout::setUpRows[3]), checkOf(layout::setUpRows[4])},
            {},
            {},
            {}};
        // The board screen: the chef blinks and a timed game's bar drains by
        // themselves; the pieces, the score and the level are this game's.
        board = {"the board with no transition running",
                 shot(560),
                 {wholePicture},
                 {blinkingEyes, timeBar},
                 {areaOf(layout::boardArea), scoreDigits, levelDigits},
                 {}};
        bareBoard = board;
        bareBoard.name = "the board without tiles, with no transition running";
        bareBoard.reference = shot(2045);
        paused = lit("the pause sign", 700, pauseSign);
        boardMenuLit = lit("the board's menu button lit", 716, boardMenuLight);
        menu = {"the menu of a game in progress", shot(850), {wholePicture}, {}, {}, {}};
        resumeLit = lit("the menu with Resume lit", 865, areaOf(layout::menuButtons[0].hit));
        optionsLit = lit("the menu with Options lit", 1160, areaOf(layout::menuButtons[2].hit));
        options = {"the options panel", shot(1185), {wholePicture}, {}, {}, {}};
        pointerRowLit = lit("the game-pointer row lit", 1200, areaOf(layout::optionRows[1].rect()));
        tilesRowLit = lit("the tiles row lit", 1235, areaOf(layout::optionRows[2].rect()));
        fullScreenLit = lit("the full-screen row lit", 1290, areaOf(layout::optionRows[0].rect()));
        fullScreenOn = {"the full-screen row lit and checked",
                        shot(1310),
                        {areaOf(layout::optionRows[0].rect()), checkOf(layout::optionRows[0])},
                        {},
                        {},
                        {}};
        optionsSet = {"the options panel as set", shot(1330), {wholePicture}, {}, {}, {}};
        optionsBackLit = lit("the options' Back lit", 1345, areaOf(layout::optionsBack.rect()));
        menuWithPointer = {
            "the menu of a game in progress with the game's pointer", shot(1490), {wholePicture}, {}, {}, {}};
        highScoresLit = lit("the menu with High Scores lit", 1505, areaOf(layout::menuButtons[3].hit));
        const long tableFrames[4] = {1650, 1670, 1690, 1710};
        const char* const tableNames[4] = {"the tables of seven kinds", "the tables of six kinds",
                                           "the tables of seven kinds", "the tables of eight kinds"};
        for (int i = 0; i < 4; ++i) {
            tables[i] = {tableNames[i], shot(tableFrames[i]), {wholePicture}, {}, {}, {}};
        }
        tablesBackLit = lit("the tables' Back lit", 1725, areaOf(layout::scoresBack.rect()));
        exitLit = lit("the menu with Exit lit", 1885, areaOf(layout::menuButtons[4].hit));
        resumeLitWithPointer =
            lit("the menu with Resume lit and the game's pointer", 1900, areaOf(layout::menuButtons[0].hit));
        tiles = tilesOf(shot(560), state(560));
        ASSERT_EQ(tiles.size(), size_t(kindCount)) << "the reference board lacks a kind";
        bareTiles = tilesOf(shot(2045), state(2045));
        ASSERT_EQ(bareTiles.size(), size_t(kindCount)) << "the reference board lacks a kind";
        board.alsoShows = [this](const Picture& p) { return readBoard(p, tiles, kinds); };
        bareBoard.alsoShows = [this](const Picture& p) { return readBoard(p, bareTiles, kinds); };
    }

    // The game as run.sh starts it: the program from its data folder.
    void startGame()
    {
        const std::string failure = launchGame(w.folder, game, w.id);
        ASSERT_TRUE(failure.empty()) << failure;
        ASSERT_GT(game, 0);
        // The pointer starts off the window, as in the driver.
        run("xdotool mousemove 0 0");
    }

    // Waits for the game to end by itself.
    bool gameEnds(int ms)
    {
        for (int waited = 0; waited < ms; waited += 100) {
            if (run("kill -0 " + std::to_string(game) + " 2>/dev/null") != 0) {
                stop(game);  // reaps it
                game = -1;
                return true;
            }
            pause(100);
        }
        return false;
    }

    void point(Spot s)
    {
        run(pointerTo(w, s.x, s.y));
    }

    // A press held as a hand holds it, so the game sees the button down.
    void press(Spot s)
    {
        run(pointerTo(w, s.x, s.y) + " mousedown 1");
        pause(150);
        run("xdotool mouseup 1");
        pause(100);
    }

    // A button lights under the pointer only once the game takes clicks
    // again (no transition runs, the board is idle): pressed after that, a
    // press cannot fall into a transition.
    ::testing::AssertionResult pressLit(const std::string& step, Spot s, const Screen& lit)
    {
        point(s);
        ::testing::AssertionResult ready = reaches(w, "pointing at " + step, lit);
        if (ready) {
            press(s);
        }
        return ready;
    }

    void drag(Spot from, Spot to)
    {
        run(pointerTo(w, from.x, from.y) + " mousedown 1");
        pause(150);
        const int steps = 3;
        for (int i = 1; i <= steps; ++i) {
            point({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
            pause(100);
        }
        run("xdotool mouseup 1");
        pause(100);
    }

    void key(const std::string& name)
    {
        run("xdotool key " + name);
        pause(150);
    }

    ::testing::AssertionResult waitFor(const std::string& step, const std::string& expected,
                                       const std::function<bool(const Picture&)>& test, int ms = 20000)
    {
        return ::waitFor(w, step, expected, test, ms);
    }

    // The board takes clicks: at rest, and its menu button lights under the
    // pointer (which it does only while the board is idle).
    ::testing::AssertionResult boardTakesClicks(const std::string& step)
    {
        point(resting);
        ::testing::AssertionResult result = reaches(w, step, board);
        if (result) {
            point(boardMenu);
            result = reaches(w, step, boardMenuLit);
            point(resting);
        }
        return result;
    }

    bool sameKinds(const int (&a)[8][8], const int (&b)[8][8])
    {
        for (int c = 0; c < 8; ++c) {
            for (int r = 0; r < 8; ++r) {
                if (a[c][r] != b[c][r]) {
                    return false;
                }
            }
        }
        return true;
    }

    // Title, menu, set-up (timed, seven kinds) and Start, checked on the way.
    void walkIntoAGame()
    {
        ASSERT_TRUE(reaches(w, "starting the game", titleScreen));
        ASSERT_TRUE(pressLit("the title's button", title, titleLit));
        ASSERT_TRUE(pressLit("New Game", menuNewGame, newGameLit));
        ASSERT_TRUE(pressLit("Timed", setUpTimed, timedLit));
        ASSERT_TRUE(reaches(w, "Timed", timedChosen));
        ASSERT_TRUE(pressLit("seven kinds", setUpSeven, sevenLit));
        ASSERT_TRUE(reaches(w, "seven kinds", sevenChosen));
        ASSERT_TRUE(pressLit("Start", setUpStart, startLit));
        ASSERT_TRUE(boardTakesClicks("Start"));
    }

    // A swap by two clicks or by a drag: the board changes and the score with it.
    void swap(bool byDrag)
    {
        ASSERT_TRUE(boardTakesClicks(byDrag ? "the drag" : "the two clicks"));
        const Picture before = w.shown;
        Spot from{};
        Spot to{};
        ASSERT_TRUE(findMove(kinds, from, to));
        if (byDrag) {
            drag(from, {from.x + (to.x - from.x) * 3 / 5, from.y + (to.y - from.y) * 3 / 5});
        } else {
            // The game takes one click a frame: the second goes once the
            // first has picked its piece.
            press(from);
            const Area picked{from.x - cellSize / 2, from.y - cellSize / 2, from.x + cellSize / 2,
                              from.y + cellSize / 2};
            ASSERT_TRUE(waitFor("the first of two clicks", "its piece picked",
                                [&](const Picture& p) { return differences(p, before, picked) > 0; }));
            press(to);
        }
        point(resting);
        ASSERT_TRUE(waitFor(byDrag ? "the drag" : "the two clicks", "a clear that raises the score",
                            [&](const Picture& p) { return differences(p, before, scoreDigits) > 0; }));
        // The new pieces have landed and the counter has stopped.
        ASSERT_TRUE(reaches(w, byDrag ? "the drag" : "the two clicks", board));
    }

    GameWindow w;
    Picture titleFrames[2];
    Screen titleScreen, titleLit, titleLitWithPointer, newGameLit, timedLit, sevenLit, startLit, timedChosen,
        sevenChosen, board, bareBoard, paused, boardMenuLit, menu, resumeLit, optionsLit, options,
        pointerRowLit, tilesRowLit, fullScreenLit, fullScreenOn, optionsSet, optionsBackLit, menuWithPointer,
        highScoresLit, tables[4], tablesBackLit, exitLit, resumeLitWithPointer;
    Tiles tiles;      // with the coloured tiles
    Tiles bareTiles;  // without them
    int kinds[8][8] = {};
    pid_t game = -1;
    pid_t other = -1;
};
}  // namespace

TEST_F(Walk, TheWholeRoadInARealWindow)
{
    XServer x("1280x1024x24");
    ASSERT_TRUE(x.ready());
    ASSERT_NO_FATAL_FAILURE(startGame());
    ASSERT_NO_FATAL_FAILURE(walkIntoAGame());
    ASSERT_NO_FATAL_FAILURE(swap(false));
    ASSERT_NO_FATAL_FAILURE(swap(true));

    // The hint shows a move and puts it back, at a price.
    ASSERT_TRUE(boardTakesClicks("the hint"));
    const Picture beforeHint = w.shown;
    int kept[8][8];
    std::copy(&kinds[0][0], &kinds[0][0] + 64, &kept[0][0]);
    press(pan);
    point(resting);
    ASSERT_TRUE(waitFor("the hint", "a price paid from the score",
                        [&](const Picture& p) { return differences(p, beforeHint, scoreDigits) > 0; }));
    ASSERT_TRUE(reaches(w, "the hint", board));
    ASSERT_TRUE(sameKinds(kinds, kept)) << "the hint changed the board";

    // Pause hides the board behind its sign; again brings it back.
    key("Pause");
    ASSERT_TRUE(reaches(w, "Pause", paused));
    EXPECT_FALSE(readBoard(w.shown, tiles, kinds)) << "the pieces show through the pause";
    key("Pause");
    ASSERT_TRUE(reaches(w, "Pause again", board));
    ASSERT_TRUE(sameKinds(kinds, kept));

    // The board's menu button, and Resume: the same board.
    ASSERT_TRUE(pressLit("the board's menu button", boardMenu, boardMenuLit));
    point(resting);
    ASSERT_TRUE(reaches(w, "the board's menu button", menu));
    ASSERT_TRUE(pressLit("Resume", menuResume, resumeLit));
    ASSERT_TRUE(boardTakesClicks("Resume"));
    EXPECT_TRUE(sameKinds(kinds, kept)) << "Resume brought another board";

    // Options: the game's own pointer, no tiles, both sliders, full screen and back.
    ASSERT_TRUE(pressLit("the board's menu button", boardMenu, boardMenuLit));
    point(resting);
    ASSERT_TRUE(reaches(w, "the board's menu button", menu));
    ASSERT_TRUE(pressLit("Options", menuOptions, optionsLit));
    point(resting);
    ASSERT_TRUE(reaches(w, "Options", options));
    ASSERT_TRUE(pressLit("the game-pointer row", pointerRow, pointerRowLit));
    point(resting);
    ASSERT_TRUE(reaches(w, "the game-pointer row",
                        {"the game's pointer drawn at the pointer, its row checked",
                         optionsSet.reference,
                         {gamePointer, checkOf(layout::optionRows[1])},
                         {},
                         {},
                         {}}));
    ASSERT_TRUE(pressLit("the tiles row", tilesRow, tilesRowLit));
    point(resting);
    ASSERT_TRUE(reaches(
        w, "the tiles row",
        {"the tiles row unchecked", optionsSet.reference, {checkOf(layout::optionRows[2])}, {}, {}, {}}));
    drag(musicKnob, {300, musicKnob.y});
    point(resting);
    ASSERT_TRUE(reaches(
        w, "the music knob's drag",
        {"the music slider at 300", optionsSet.reference, {sliderAt(layout::musicKnobY)}, {}, {}, {}}));
    drag(effectsKnob, {200, effectsKnob.y});
    point(resting);
    ASSERT_TRUE(reaches(
        w, "the effects knob's drag",
        {"the effects slider at 200", optionsSet.reference, {sliderAt(layout::soundKnobY)}, {}, {}, {}}));
    ASSERT_TRUE(pressLit("the full-screen row", fullScreenRow, fullScreenLit));
    ASSERT_TRUE(waitFor("the full-screen row", "a window filling the screen",
                        [&](const Picture&) { return windowFit(w).width > pictureWidth; }));
    // The switch makes the window again: the row lit in the new one shows
    // that the game takes clicks there.
    point(fullScreenRow);
    ASSERT_TRUE(reaches(w, "the full-screen row", fullScreenOn));
    press(fullScreenRow);
    ASSERT_TRUE(waitFor("the full-screen row again", "the window at its size again",
                        [&](const Picture&) { return windowFit(w).width == pictureWidth; }));
    point(resting);
    ASSERT_TRUE(reaches(w, "the full-screen row again", optionsSet));
    ASSERT_TRUE(pressLit("the options' Back", optionsBack, optionsBackLit));
    point(resting);
    ASSERT_TRUE(reaches(w, "the options' Back", menuWithPointer));

    // High scores through both arrows, and back; Exit saves the game. The
    // arrows are animated under the pointer, so the tables at rest before
    // each press are what tells that the game takes it.
    ASSERT_TRUE(pressLit("High Scores", menuHighScores, highScoresLit));
    point(resting);
    ASSERT_TRUE(reaches(w, "High Scores", tables[0]));
    const Spot arrows[3] = {previousTables, nextTables, nextTables};
    const char* const arrowNames[3] = {"fewer kinds", "more kinds", "more kinds again"};
    for (int i = 0; i < 3; ++i) {
        press(arrows[i]);
        point(resting);
        ASSERT_TRUE(reaches(w, arrowNames[i], tables[i + 1]));
    }
    ASSERT_TRUE(pressLit("the tables' Back", tablesBack, tablesBackLit));
    point(resting);
    ASSERT_TRUE(reaches(w, "the tables' Back", menuWithPointer));
    ASSERT_TRUE(pressLit("Exit", menuExit, exitLit));
    ASSERT_TRUE(gameEnds(20000)) << "step \"Exit\" did nothing: the game did not end";
    ASSERT_EQ(slurp(w.folder + "/game.sav").size(), 6933u);

    // The saved game moves on to level 15, where the bar drains three a
    // second, with the bar just short of full (time enough for the steps
    // before it runs out, also on a loaded machine; a full bar would end the
    // level) and a score of 5000 for the top of the timed table.
    {
        std::fstream f(w.folder + "/game.sav", std::ios::in | std::ios::out | std::ios::binary);
        const char nearlyFullBar[8] = {0, 0, char(0x8C), 0x42, 0, 0, char(0x8C), 0x42};
        const char level15[4] = {15, 0, 0, 0};
        const char score5000[8] = {char(0x88), 0x13, 0, 0, 0, 0x40, char(0x9C), 0x45};
        f.seekp(5);
        f.write(nearlyFullBar, 8);  // the bar and the shown bar, 70 each (73 is full)
        f.seekp(5629);
        f.write(level15, 4);
        f.write(score5000, 8);  // the score and the shown score
    }

    // Start again and resume the same game, its pieces now without tiles.
    ASSERT_NO_FATAL_FAILURE(startGame());
    ASSERT_TRUE(reaches(w, "starting the game again", titleScreen));
    ASSERT_TRUE(pressLit("the title's button", title, titleLitWithPointer));
    point(resting);
    ASSERT_TRUE(reaches(w, "the title's button", menuWithPointer));
    ASSERT_TRUE(pressLit("Resume", menuResume, resumeLitWithPointer));
    point(resting);
    ASSERT_TRUE(reaches(w, "Resume after the restart", bareBoard));
    EXPECT_TRUE(sameKinds(kinds, kept)) << "the restart resumed another board";

    // In the background the game stands still: the bar keeps its height.
    other = spawn({PLUMBRIX_PROBE, "other", "plumbrix-walk-other"});
    ASSERT_EQ(
        run("xdotool search --sync --name plumbrix-walk-other windowmove %@ 1200 960 windowfocus --sync %@"),
        0);
    // The game has taken the focus change once its bar holds still for a
    // second, longer than a loaded machine keeps it from drawing.
    Picture leaving;
    ASSERT_TRUE(waitFor("the focus moving away", "the bar standing still", [&](const Picture& p) {
        if (differences(p, leaving, timeBar) != 0) {
            leaving = p;
            return false;
        }
        pause(1000);
        return differences(grabWindow(w), leaving, timeBar) == 0;
    }));
    pause(2500);
    EXPECT_EQ(differences(grabWindow(w), leaving, timeBar), 0) << "the bar drained in the background";
    ASSERT_EQ(run("xdotool windowfocus --sync " + std::to_string(w.id)), 0);
    EXPECT_TRUE(waitFor("the focus coming back", "the bar draining in the foreground",
                        [&](const Picture& p) { return differences(p, leaving, timeBar) > 0; }));

    // The bar runs out: the name panel takes a typed name, Return stores it in
    // the timed table of seven kinds and saves.
    Screen nameEntry = tables[0];
    nameEntry.name = "the tables with the name panel";
    nameEntry.animated = {tableRows, untimedLabel, timedLabel};
    ASSERT_TRUE(reaches(w, "the bar running out", nameEntry, 60000));
    run("xdotool type --delay 120 Walker");
    key("Return");
    ASSERT_TRUE(waitFor(
        "typing a name and Return", "the typed name at the top of the timed table", [&](const Picture&) {
            const std::string saved = slurp(w.folder + "/game.sav");
            const size_t row = 13 + (0 * 6 + 1 * 3 + (kindCount - 6)) * 104;  // rank 0, timed
            return saved.size() == 6933 && saved.compare(row, 7, std::string("Walker\0", 7)) == 0;
        }));
}

TEST_F(Walk, OnASixteenBitScreen)
{
    XServer x("1024x768x16");
    ASSERT_TRUE(x.ready());
    ASSERT_NO_FATAL_FAILURE(startGame());
    ASSERT_NO_FATAL_FAILURE(walkIntoAGame());
    ASSERT_NO_FATAL_FAILURE(swap(false));
    ASSERT_TRUE(boardTakesClicks("Pause"));
    key("Pause");
    EXPECT_TRUE(reaches(w, "Pause", paused));
}

TEST_F(Walk, InAResizedWindow)
{
    XServer x("1600x1200x24");  // room for the window at twice the picture's size, and its frame
    ASSERT_TRUE(x.ready());
    ASSERT_NO_FATAL_FAILURE(startGame());
    run("xdotool windowsize " + std::to_string(w.id) + " 1280 960");
    ASSERT_TRUE(waitFor("resizing the window", "the picture at twice its size",
                        [&](const Picture&) { return windowFit(w).width == 2 * pictureWidth; }));
    ASSERT_NO_FATAL_FAILURE(walkIntoAGame());
    ASSERT_NO_FATAL_FAILURE(swap(true));
    ASSERT_NO_FATAL_FAILURE(swap(false));
}
