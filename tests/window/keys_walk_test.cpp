// The game played by keys alone in a real window on a virtual X server: from
// the title through the menu and the set-up panel into a game, the board's
// cursor walked to a move that scores, the piece picked and sent on its way.
// The pointer never moves and never presses. Every stop is held against the
// headless driver's picture of the same keys.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "base/layout.h"
#include "board_pieces.h"
#include "game/board.h"
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
constexpr Area blinkingEyes{layout::blinkAt.x, layout::blinkAt.y, layout::blinkAt.x + layout::blinkW,
                            layout::blinkAt.y + layout::blinkH};
constexpr Area scoreDigits{layout::scoreCentreX - 65, layout::scoreDigitsY - 12, layout::scoreCentreX + 65,
                           layout::scoreDigitsY + 30};
// An untimed game's bar fills as the score grows.
constexpr Area levelBar{layout::barAt.x, layout::barAt.y, layout::barAt.x + layout::barW,
                        layout::barAt.y + layout::barH};
constexpr Area levelDigits{layout::levelCentreX - 40, layout::levelDigitsY - 4, layout::levelCentreX + 40,
                           pictureHeight};
// The cursor's frame covers a cell's edge this deep; a picked piece moves
// inside it.
constexpr int frameDepth = 5;
// Where the cursor starts, as the driver's board shows it.
constexpr int startColumn = 3;
constexpr int startRow = 3;

// The driver given the same keys: Enter lights the title's button and takes
// it, New Game and Start are lit as their screens open, and the game (untimed,
// six kinds) has settled by frame 500. Frames at 64 a second.
const char* const keysRoad = R"(#! dt 0.015625
#! frames 505
#! shots 5 15 40 140 250 500
#! states 500
10 key enter   # the title's button lit (15)
20 key enter   # the menu, New Game lit (140)
150 key enter  # the set-up panel, Start lit (250)
260 key enter  # the board at rest (500)
)";

// Whether the cursor's frame shows on a cell as it does on the reference's
// starting cell.
bool cursorOn(const Picture& p, const Picture& reference, int column, int row)
{
    const layout::Rect cell = layout::cellArea(column, row);
    const layout::Rect start = layout::cellArea(startColumn, startRow);
    for (int y = 0; y < cellSize; ++y) {
        for (int x = 0; x < cellSize; ++x) {
            const bool edge =
                x < frameDepth || y < frameDepth || x >= cellSize - frameDepth || y >= cellSize - frameDepth;
            if (edge && (p.at(cell.l + x, cell.t + y) & 0xF8FCF8) !=
                            (reference.at(start.l + x, start.t + y) & 0xF8FCF8)) {
                return false;
            }
        }
    }
    return true;
}

// A cell without its frame's edge.
Area insideOf(int column, int row)
{
    const layout::Rect cell = layout::cellArea(column, row);
    return {cell.l + frameDepth, cell.t + frameDepth, cell.r - frameDepth, cell.b - frameDepth};
}

class KeysWalk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!onPath("xdotool") || !onPath("Xvfb") || !onPath("openbox")) {
            GTEST_SKIP() << "needs Xvfb, openbox and xdotool";
        }
        char pattern[] = "/tmp/plumbrix-keys-XXXXXX";
        w.folder = mkdtemp(pattern);
        for (const char* entry : {"bmp", "sound", "music", "ReadMe.htm"}) {
            ASSERT_EQ(
                symlink((std::string(PLUMBRIX_DATA) + "/" + entry).c_str(), (w.folder + "/" + entry).c_str()),
                0);
        }
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("ALSOFT_DRIVERS", "null", 1);
        const std::string failure = driveReferences(w.folder, keysRoad);
        ASSERT_TRUE(failure.empty()) << failure;
        const auto shot = [&](long frame) { return referenceShot(w.folder, frame); };
        title = {"the title", shot(5), {wholePicture}, {titleButton}, {}, {}};
        titleFrames[0] = shot(5);
        titleFrames[1] = shot(40);
        title.alsoShows = [this](const Picture& p) {
            return differences(p, titleFrames[0], titleButton) == 0 ||
                   differences(p, titleFrames[1], titleButton) == 0;
        };
        titleLit = {"the title's button lit", shot(15), {titleButton}, {}, {}, {}};
        newGameLit = {"the menu with New Game lit", shot(140), {wholePicture}, {}, {}, {}};
        startLit = {"the set-up panel with Start lit", shot(250), {wholePicture}, {}, {}, {}};
        boardShot = shot(500);
        looks = pieceLooksOf(boardShot, w.folder + "/refs/state-500.txt");
        ASSERT_EQ(looks.size(), size_t(6)) << "the reference board lacks a kind";
    }

    void TearDown() override
    {
        stop(game);
        // A failure, or PLUMBRIX_WALK_KEEP, keeps the folder: its grabs, the
        // driver's pictures and the board after the swap.
        if (HasFailure() || std::getenv("PLUMBRIX_WALK_KEEP")) {
            std::printf("kept %s\n", w.folder.c_str());
        } else if (!w.folder.empty()) {
            run("rm -rf '" + w.folder + "'");
        }
    }

    void key(const std::string& name)
    {
        run("xdotool key " + name);
    }

    // The board at rest with the cursor on a cell, its pieces read into kinds,
    // and whatever else it must show.
    Screen boardWithCursor(int column, int row, const std::function<bool(const Picture&)>& also = nullptr)
    {
        Screen s{"the board at rest with the cursor on column " + std::to_string(column) + ", row " +
                     std::to_string(row),
                 boardShot,
                 {wholePicture},
                 {blinkingEyes},
                 {areaOf(layout::boardArea), scoreDigits, levelDigits, levelBar},
                 {}};
        s.alsoShows = [this, column, row, also](const Picture& p) {
            return cursorOn(p, boardShot, column, row) && readPieces(p, looks, kinds) && (!also || also(p));
        };
        return s;
    }

    // The board with the piece under the cursor picked: it moves inside its
    // cell and never looks as it does at rest, while the rest holds still.
    Screen pickedAt(int column, int row)
    {
        const Area inside = insideOf(column, row);
        const Area board = areaOf(layout::boardArea);
        Screen s{"the piece on column " + std::to_string(column) + ", row " + std::to_string(row) + " picked",
                 boardShot,
                 {wholePicture},
                 {blinkingEyes, inside},
                 {{board.left, board.top, board.right, inside.top},
                  {board.left, inside.bottom, board.right, board.bottom},
                  {board.left, inside.top, inside.left, inside.bottom},
                  {inside.right, inside.top, board.right, inside.bottom},
                  scoreDigits,
                  levelDigits,
                  levelBar},
                 {}};
        // Reading stops at the first cell that shows no piece: it must be this one.
        s.alsoShows = [this, column, row](const Picture& p) {
            int shown[8][8] = {};
            return cursorOn(p, boardShot, column, row) && !readPieces(p, looks, shown) &&
                   shown[column][row] < 0;
        };
        return s;
    }

    GameWindow w;
    Picture titleFrames[2];
    Picture boardShot;
    Screen title, titleLit, newGameLit, startLit;
    PieceLooks looks;
    int kinds[8][8] = {};
    pid_t game = -1;
};
}  // namespace

TEST_F(KeysWalk, IntoAGameAndAScoringSwapByKeysAlone)
{
    XServer x("1280x1024x24");
    ASSERT_TRUE(x.ready());
    const std::string failure = launchGame(w.folder, game, w.id);
    ASSERT_TRUE(failure.empty()) << failure;
    ASSERT_TRUE(reaches(w, "starting the game", title));
    key("Return");
    ASSERT_TRUE(reaches(w, "Return on the title", titleLit));
    key("Return");
    ASSERT_TRUE(reaches(w, "Return on the lit title button", newGameLit));
    key("space");
    ASSERT_TRUE(reaches(w, "Space on New Game", startLit));
    key("Return");
    ASSERT_TRUE(reaches(w, "Return on Start", boardWithCursor(startColumn, startRow)));

    int fromColumn = 0;
    int fromRow = 0;
    int toColumn = 0;
    int toRow = 0;
    ASSERT_TRUE(firstMove(kinds, fromColumn, fromRow, toColumn, toRow)) << "the board shows no move";
    // The arrows walk the cursor there, one cell a key.
    int column = startColumn;
    int row = startRow;
    while (column != fromColumn || row != fromRow) {
        std::string arrow;
        if (column != fromColumn) {
            arrow = column < fromColumn ? "Right" : "Left";
            column += column < fromColumn ? 1 : -1;
        } else {
            arrow = row < fromRow ? "Down" : "Up";
            row += row < fromRow ? 1 : -1;
        }
        key(arrow);
        ASSERT_TRUE(reaches(w, "the " + arrow + " arrow", boardWithCursor(column, row)));
    }
    const Picture before = w.shown;
    key("Return");
    ASSERT_TRUE(reaches(w, "Return on the cursor's piece", pickedAt(fromColumn, fromRow)));
    const char* const direction = toColumn > fromColumn   ? "Right"
                                  : toColumn < fromColumn ? "Left"
                                  : toRow > fromRow       ? "Down"
                                                          : "Up";
    key(direction);
    // The pieces cleared, the new ones landed and the score counted up: the
    // cursor stays where the pick was.
    ASSERT_TRUE(reaches(w, std::string("the ") + direction + " arrow on the picked piece",
                        boardWithCursor(fromColumn, fromRow, [&](const Picture& p) {
                            return differences(p, before, scoreDigits) > 0;
                        })));
    if (std::getenv("PLUMBRIX_WALK_KEEP")) {
        run("cp '" + w.folder + "/window.ppm' '" + w.folder + "/after-swap.ppm'");
    }
}
