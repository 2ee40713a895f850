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
#include "x_session.h"

namespace {
// A rectangle of the picture, right and bottom exclusive.
struct Area {
    int left, top, right, bottom;
};
constexpr Area wholePicture{0, 0, pictureWidth, pictureHeight};
constexpr Area titleButton{layout::titleButtonAt.x, layout::titleButtonAt.y,
                           layout::titleButtonAt.x + layout::titleButtonW,
                           layout::titleButtonAt.y + layout::titleButtonH};
constexpr Area pauseSign{layout::bannerX, layout::pauseY, layout::bannerX + layout::bannerW,
                         layout::pauseY + layout::bannerH};
// Room for six digits centred where the score is drawn.
constexpr Area scoreDigits{layout::scoreCentreX - 65, layout::scoreDigitsY - 12, layout::scoreCentreX + 65,
                           layout::scoreDigitsY + 15};
constexpr Area timeBar{layout::barAt.x, layout::barAt.y, layout::barAt.x + layout::barW,
                       layout::barAt.y + layout::barH};

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
// The game's own pointer drawn there.
constexpr Area gamePointer{resting.x, resting.y, resting.x + 30, resting.y + 30};
constexpr int kindCount = 7;

Spot centreOf(int column, int row)
{
    const layout::Point p = layout::cellArea(column, row).middle();
    return {p.x, p.y};
}

// Pixels that differ inside an area, at the 16-bit display's precision (every
// picture is composed in 5-6-5 and widened differently on the way out).
long differences(const Picture& a, const Picture& b, const Area& area)
{
    if (a.width != pictureWidth || b.width != pictureWidth || a.height != pictureHeight ||
        b.height != pictureHeight) {
        return -1;
    }
    long n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            n += (a.at(x, y) & 0xF8FCF8) != (b.at(x, y) & 0xF8FCF8) ? 1 : 0;
        }
    }
    return n;
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

// The same road through the headless driver: its pictures are what the window
// must show at each stop. Frames at 64 a second.
const char* const referenceRoad = R"(#! dt 0.015625
#! frames 1720
#! shots 5 40 60 200 560 700 1000 1400 1700
#! states 560 1700
50 move 320 440            # the title's button lit (60)
70 click 320 440           # to the main menu
190 move 170 257           # New Game lit (200)
210 click 170 257          # New Game
300 click 300 128          # timed
305 click 320 317          # seven kinds
310 click 407 402          # Start; the board has dropped in by 560
320 move 150 30
690 key pause              # the pause sign (700)
710 key pause
720 click 60 420           # the board's menu button
840 click 170 318          # Options
960 click 322 134          # the game's own pointer
965 click 322 176          # no coloured tiles
970 move 405 278           # the music knob to 300
971 down
972 move 380 278
973 move 340 278
974 move 300 278
975 up
976 move 405 353           # the effects knob to 200
977 down
978 move 200 353
979 up
980 click 323 95           # full screen
990 click 323 95           # and back
995 move 150 30            # the pointer at rest, drawn by the game (1000)
1010 click 231 417         # Back
1140 click 170 380         # High Scores
1260 click 83 446          # fewer kinds
1270 click 552 446         # more kinds
1280 click 552 446         # and more
1290 move 150 30           # the tables of eight kinds (1400)
1410 click 320 439         # Back
1540 click 170 195         # Resume: the board without tiles (1700)
1550 move 150 30
)";
constexpr long refTitle[2] = {5, 40};
constexpr long refTitleLit = 60;
constexpr long refMenuLit = 200;
constexpr long refBoard = 560;
constexpr long refPaused = 700;
constexpr long refOptions = 1000;
constexpr long refTables = 1400;
constexpr long refBareBoard = 1700;

class Walk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!onPath("xdotool") || !onPath("Xvfb") || !onPath("openbox")) {
            GTEST_SKIP() << "needs Xvfb, openbox and xdotool";
        }
        char pattern[] = "/tmp/plumbrix-walk-XXXXXX";
        folder = mkdtemp(pattern);
        for (const char* entry : {"bmp", "sound", "music", "ReadMe.htm"}) {
            ASSERT_EQ(
                symlink((std::string(PLUMBRIX_DATA) + "/" + entry).c_str(), (folder + "/" + entry).c_str()),
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
        // PLUMBRIX_WALK_KEEP=1 keeps the folder with the last grab (window.ppm),
        // the reference pictures (refs/) and the game's output.
        if (HasFailure() && std::getenv("PLUMBRIX_WALK_KEEP")) {
            std::printf("kept %s\n", folder.c_str());
        } else if (!folder.empty()) {
            run("rm -rf '" + folder + "'");
        }
    }

    void makeReferences()
    {
        const std::string refs = folder + "/refs";
        run("mkdir -p " + refs + "/data && ln -s " + folder + "/bmp " + folder + "/sound " + folder +
            "/music " + refs + "/data/");
        std::ofstream(refs + "/road.script") << referenceRoad;
        ASSERT_EQ(run(std::string("SDL_VIDEODRIVER=dummy ") + PLUMBRIX_REPLAY + " --data " + refs +
                      "/data --script " + refs + "/road.script --out " + refs + " 2>" + refs + "/said"),
                  0)
            << slurp(refs + "/said");
        auto shot = [&](long frame) { return readBmp(refs + "/shot-" + std::to_string(frame) + ".bmp"); };
        for (int i = 0; i < 2; ++i) {
            reference.title[i] = shot(refTitle[i]);
        }
        reference.titleLit = shot(refTitleLit);
        reference.menuLit = shot(refMenuLit);
        reference.paused = shot(refPaused);
        reference.options = shot(refOptions);
        reference.tables = shot(refTables);
        tiles = tilesOf(shot(refBoard), refs + "/state-" + std::to_string(refBoard) + ".txt");
        ASSERT_EQ(tiles.size(), size_t(kindCount)) << "the reference board lacks a kind";
        bareTiles = tilesOf(shot(refBareBoard), refs + "/state-" + std::to_string(refBareBoard) + ".txt");
        ASSERT_EQ(bareTiles.size(), size_t(kindCount)) << "the reference board lacks a kind";
    }

    // The game as run.sh starts it: the program from its data folder.
    void startGame()
    {
        const std::string failure = launchGame(folder, game, window);
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

    PictureFit fit()
    {
        const std::string file = folder + "/geometry";
        run("xdotool getwindowgeometry --shell " + std::to_string(window) + " >" + file);
        std::istringstream in(slurp(file));
        int width = pictureWidth;
        int height = pictureHeight;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("WIDTH=", 0) == 0) {
                width = std::atoi(line.c_str() + 6);
            } else if (line.rfind("HEIGHT=", 0) == 0) {
                height = std::atoi(line.c_str() + 7);
            }
        }
        return fitPicture(width, height);
    }

    // The window's picture, brought back to 640x480 when the window scales it
    // by a whole number.
    Picture grab()
    {
        if (window == 0) {
            return Picture{};  // no game window to read
        }
        // The probe reads the window's pixels on the server and widens them
        // as the game does, also on a 16-bit screen (where ImageMagick's
        // import shifts the colours).
        const std::string file = folder + "/window.ppm";
        if (run(std::string(PLUMBRIX_PROBE) + " grab " + std::to_string(window) + " " + file +
                " 2>/dev/null") != 0) {
            return Picture{};
        }
        Picture whole = readPpm(file);
        const PictureFit f = fit();
        if (whole.width == pictureWidth && whole.height == pictureHeight) {
            return whole;
        }
        Picture p;
        if (!f.sharp || whole.width < f.x + f.width || whole.height < f.y + f.height) {
            return p;
        }
        p.width = pictureWidth;
        p.height = pictureHeight;
        const int scale = f.width / pictureWidth;
        for (int y = 0; y < pictureHeight; ++y) {
            for (int x = 0; x < pictureWidth; ++x) {
                p.rgb.push_back(whole.at(f.x + x * scale, f.y + y * scale));
            }
        }
        return p;
    }

    std::string at(Spot s)
    {
        const PictureFit f = fit();
        const int wx = f.x + int((s.x + 0.5) * f.width / pictureWidth);
        const int wy = f.y + int((s.y + 0.5) * f.height / pictureHeight);
        return "xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(wx) + " " +
               std::to_string(wy);
    }

    void point(Spot s)
    {
        run(at(s));
    }

    // A press held as a hand holds it, so the game sees the button down.
    void press(Spot s)
    {
        run(at(s) + " mousedown 1");
        pause(150);
        run("xdotool mouseup 1");
        pause(100);
    }

    void drag(Spot from, Spot to)
    {
        run(at(from) + " mousedown 1");
        pause(150);
        const int steps = 3;
        for (int i = 1; i <= steps; ++i) {
            run(at({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}));
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

    // Grabs until the test holds, for up to ms; the last picture stays in shown.
    bool waitFor(const std::function<bool(const Picture&)>& test, int ms = 8000)
    {
        for (int waited = 0;; waited += 200) {
            shown = grab();
            if (test(shown)) {
                return true;
            }
            if (waited >= ms) {
                return false;
            }
            pause(200);
        }
    }

    // Two pictures in a row alike: a screen that has stopped changing.
    bool settles(int ms = 8000)
    {
        Picture last = grab();
        return waitFor(
            [&](const Picture& p) {
                const bool same = differences(p, last, wholePicture) == 0;
                last = p;
                return same;
            },
            ms);
    }

    // Presses, then waits for the picture to change and to come to rest: a
    // screen reached through the falling tiles.
    bool pressAndSettle(Spot s)
    {
        const Picture before = grab();
        press(s);
        point(resting);
        return waitFor([&](const Picture& p) { return differences(p, before, wholePicture) != 0; }) &&
               settles();
    }

    bool boardAtRest(const Tiles& set, int ms = 10000)
    {
        return waitFor([&](const Picture& p) { return readBoard(p, set, kinds); }, ms);
    }

    bool boardAtRest()
    {
        return boardAtRest(tiles);
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
        ASSERT_TRUE(waitFor([&](const Picture& p) {
            return differences(p, reference.title[0], wholePicture) == 0 ||
                   differences(p, reference.title[1], wholePicture) == 0;
        })) << "the title is not the title picture";
        point(title);
        ASSERT_TRUE(waitFor([&](const Picture& p) {
            return differences(p, reference.titleLit, titleButton) == 0;
        })) << "the title's caption is not lit under the pointer";
        press(title);
        point(menuNewGame);  // lit once the tiles have fallen
        ASSERT_TRUE(waitFor([&](const Picture& p) {
            return differences(p, reference.menuLit, wholePicture) == 0;
        })) << "the menu does not light New Game under the pointer";
        ASSERT_TRUE(pressAndSettle(menuNewGame));
        press(setUpTimed);
        press(setUpSeven);
        press(setUpStart);
        point(resting);
        ASSERT_TRUE(boardAtRest()) << "no 64 pieces at rest on the board";
    }

    // A swap by two clicks or by a drag: the board changes and the score with it.
    void swap(bool byDrag)
    {
        const Picture before = shown;
        Spot from{};
        Spot to{};
        ASSERT_TRUE(findMove(kinds, from, to));
        if (byDrag) {
            drag(from, {from.x + (to.x - from.x) * 3 / 5, from.y + (to.y - from.y) * 3 / 5});
        } else {
            press(from);
            press(to);
        }
        point(resting);
        ASSERT_TRUE(waitFor([&](const Picture& p) {
            return differences(p, before, scoreDigits) > 0 && readBoard(p, tiles, kinds);
        })) << (byDrag ? "the drag" : "the two clicks")
            << " made no clear";
        // The new pieces have landed and the counter has stopped.
        Picture last = shown;
        ASSERT_TRUE(waitFor([&](const Picture& p) {
            const bool still = differences(p, last, scoreDigits) == 0;
            last = p;
            return still && readBoard(p, tiles, kinds);
        }));
    }

    struct References {
        Picture title[2];
        Picture titleLit;
        Picture menuLit;
        Picture paused;
        Picture options;
        Picture tables;
    } reference;
    Tiles tiles;      // with the coloured tiles
    Tiles bareTiles;  // without them
    int kinds[8][8] = {};
    Picture shown;
    std::string folder;
    pid_t game = -1;
    pid_t other = -1;
    unsigned long window = 0;
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
    const Picture beforeHint = shown;
    int kept[8][8];
    std::copy(&kinds[0][0], &kinds[0][0] + 64, &kept[0][0]);
    press(pan);
    point(resting);
    ASSERT_TRUE(waitFor([&](const Picture& p) {
        int now[8][8];
        return differences(p, beforeHint, scoreDigits) > 0 && readBoard(p, tiles, now) &&
               sameKinds(now, kept);
    })) << "the hint changed the board or cost nothing";

    // Pause hides the board behind its sign; again brings it back.
    key("Pause");
    ASSERT_TRUE(waitFor([&](const Picture& p) { return differences(p, reference.paused, pauseSign) == 0; }))
        << "no pause sign";
    EXPECT_FALSE(readBoard(shown, tiles, kinds)) << "the pieces show through the pause";
    key("Pause");
    ASSERT_TRUE(boardAtRest());
    ASSERT_TRUE(sameKinds(kinds, kept));

    // The board's menu button, and Resume: the same board.
    ASSERT_TRUE(pressAndSettle(boardMenu));
    press(menuResume);
    point(resting);
    ASSERT_TRUE(boardAtRest());
    EXPECT_TRUE(sameKinds(kinds, kept)) << "Resume brought another board";

    // Options: the game's own pointer, no tiles, both sliders, full screen and back.
    ASSERT_TRUE(pressAndSettle(boardMenu));
    ASSERT_TRUE(pressAndSettle(menuOptions));
    press(pointerRow);
    point(resting);
    ASSERT_TRUE(waitFor([&](const Picture& p) {
        return differences(p, reference.options, gamePointer) == 0;
    })) << "the game's pointer is not drawn at the pointer";
    press(tilesRow);
    drag(musicKnob, {300, musicKnob.y});
    drag(effectsKnob, {200, effectsKnob.y});
    press(fullScreenRow);
    ASSERT_TRUE(waitFor([&](const Picture&) { return fit().width > pictureWidth; }))
        << "full screen did not fill the screen";
    press(fullScreenRow);
    ASSERT_TRUE(waitFor([&](const Picture&) { return fit().width == pictureWidth; }))
        << "the window did not come back";
    point(resting);
    ASSERT_TRUE(waitFor([&](const Picture& p) {
        return differences(p, reference.options, wholePicture) == 0;
    })) << "the options panel differs from the driver's";
    ASSERT_TRUE(pressAndSettle(optionsBack));

    // High scores through both arrows, and back; Exit saves the game.
    ASSERT_TRUE(pressAndSettle(menuHighScores));
    press(previousTables);
    press(nextTables);
    press(nextTables);
    point(resting);
    ASSERT_TRUE(waitFor([&](const Picture& p) {
        return differences(p, reference.tables, wholePicture) == 0;
    })) << "the high scores differ from the driver's";
    ASSERT_TRUE(pressAndSettle(tablesBack));
    press(menuExit);
    ASSERT_TRUE(gameEnds(8000)) << "Exit did not end the game";
    ASSERT_EQ(slurp(folder + "/game.sav").size(), 6933u);

    // The saved game moves on to level 30, where the bar drains six a second,
    // with a score of 5000 for the top of the timed table.
    {
        std::fstream f(folder + "/game.sav", std::ios::in | std::ios::out | std::ios::binary);
        const char level30[4] = {30, 0, 0, 0};
        const char score5000[8] = {char(0x88), 0x13, 0, 0, 0, 0x40, char(0x9C), 0x45};
        f.seekp(5629);
        f.write(level30, 4);
        f.write(score5000, 8);  // the score and the shown score
    }

    // Start again and resume the same game, its pieces now without tiles.
    ASSERT_NO_FATAL_FAILURE(startGame());
    ASSERT_TRUE(waitFor([&](const Picture& p) {
        return differences(p, reference.title[0], wholePicture) == 0 ||
               differences(p, reference.title[1], wholePicture) == 0;
    }));
    ASSERT_TRUE(pressAndSettle(title));
    press(menuResume);
    point(resting);
    ASSERT_TRUE(boardAtRest(bareTiles)) << "no 64 pieces at rest after the restart";
    EXPECT_TRUE(sameKinds(kinds, kept)) << "the restart resumed another board";

    // In the background the game stands still: the bar keeps its height.
    other = spawn({PLUMBRIX_PROBE, "other", "plumbrix-walk-other"});
    ASSERT_EQ(
        run("xdotool search --sync --name plumbrix-walk-other windowmove %@ 1200 960 windowfocus --sync %@"),
        0);
    pause(300);
    const Picture leaving = grab();
    pause(2500);
    EXPECT_EQ(differences(grab(), leaving, timeBar), 0) << "the bar drained in the background";
    ASSERT_EQ(run("xdotool windowfocus --sync " + std::to_string(window)), 0);
    EXPECT_TRUE(waitFor([&](const Picture& p) { return differences(p, leaving, timeBar) > 0; }, 3000))
        << "the bar does not drain in the foreground";

    // The bar runs out: the name panel takes a typed name, Return stores it in
    // the timed table of seven kinds and saves.
    const Area heading{0, 0, pictureWidth, 100};
    ASSERT_TRUE(
        waitFor([&](const Picture& p) { return differences(p, reference.tables, heading) == 0; }, 15000))
        << "the game did not end when its bar ran out";
    ASSERT_TRUE(settles());
    run("xdotool type --delay 120 Walker");
    key("Return");
    ASSERT_TRUE(waitFor(
        [&](const Picture&) {
            const std::string saved = slurp(folder + "/game.sav");
            const size_t row = 13 + (0 * 6 + 1 * 3 + (kindCount - 6)) * 104;  // rank 0, timed
            return saved.size() == 6933 && saved.compare(row, 7, std::string("Walker\0", 7)) == 0;
        },
        8000))
        << "the typed name is not at the top of the timed table";
}

TEST_F(Walk, OnASixteenBitScreen)
{
    XServer x("1024x768x16");
    ASSERT_TRUE(x.ready());
    ASSERT_NO_FATAL_FAILURE(startGame());
    ASSERT_NO_FATAL_FAILURE(walkIntoAGame());
    ASSERT_NO_FATAL_FAILURE(swap(false));
    key("Pause");
    EXPECT_TRUE(waitFor([&](const Picture& p) { return differences(p, reference.paused, pauseSign) == 0; }))
        << "no pause sign";
}

TEST_F(Walk, InAResizedWindow)
{
    XServer x("1600x1200x24");  // room for the window at twice the picture's size, and its frame
    ASSERT_TRUE(x.ready());
    ASSERT_NO_FATAL_FAILURE(startGame());
    run("xdotool windowsize " + std::to_string(window) + " 1280 960");
    ASSERT_TRUE(waitFor([&](const Picture&) { return fit().width == 2 * pictureWidth; }));
    ASSERT_NO_FATAL_FAILURE(walkIntoAGame());
    ASSERT_NO_FATAL_FAILURE(swap(true));
    ASSERT_NO_FATAL_FAILURE(swap(false));
}
