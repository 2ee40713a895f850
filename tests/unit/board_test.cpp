// The board model: the deal, the kind query at the edges and the marking of lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "board_support.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "platform/clock.h"

namespace {
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetBoardState();
    }
};

int markedCount()
{
    int count = 0;
    for (int mark : clearMarks) {
        count += mark;
    }
    return count;
}
}  // namespace

TEST_F(BoardTest, KindAtAnswers150OffTheBoard)
{
    setKind(7, 7, 4);
    EXPECT_EQ(kindAt(7, 7), 4);
    EXPECT_EQ(kindAt(0, 0), 6);
    const int outside[][2] = {{-1, 0}, {0, -1}, {0, 8}, {8, 0}, {8, 8}};
    for (const auto& p : outside) {
        EXPECT_EQ(kindAt(p[0], p[1]), offBoardKind) << p[0] << "," << p[1];
    }
}

TEST_F(BoardTest, DealtBoardsHoldNoRunOfThree)
{
    for (int kinds = 6; kinds <= 8; ++kinds) {
        pieceKindCount = kinds;
        for (uint32_t i = 0; i < 300; ++i) {
            platformSimulateClock(i * 7919);
            dealBoard(kinds);
            ASSERT_FALSE(hasRunOfThree()) << kinds << " kinds, ticks " << i * 7919;
            for (int c = 0; c < 8; ++c) {
                ASSERT_EQ(spawnCells[c].kind, emptyKind);
                ASSERT_EQ(spawnCells[c].y, -46.0f);
                for (int r = 0; r < 8; ++r) {
                    ASSERT_LT(cellAt(c, r).kind, kinds);
                    ASSERT_EQ(cellAt(c, r).x, 236.0f + 50 * c);
                    ASSERT_EQ(cellAt(c, r).y, 4.0f + 50 * r);
                }
            }
        }
    }
}

TEST_F(BoardTest, DealRollsInColumnOrderFromTheTickSeed)
{
    // A seed whose raw rolls hold no run, so the deal keeps every one of them.
    uint32_t seed = 0;
    std::vector<uint8_t> rolls(64);
    do {
        std::srand(++seed);
        for (int i = 0; i < 64; ++i) {
            board[i].kind = rolls[i] = uint8_t(std::rand() % 8);
        }
    } while (hasRunOfThree());
    platformSimulateClock(seed);
    dealBoard(8);
    for (int i = 0; i < 64; ++i) {
        ASSERT_EQ(board[i].kind, rolls[i]) << "cell " << i;
    }
    const std::vector<uint8_t> first = boardBytes();
    dealBoard(8);
    EXPECT_EQ(boardBytes(), first) << "same tick count, same board, byte for byte";
}

TEST_F(BoardTest, BreakingRunsTriesTheRowToTheRightFirst)
{
    // An L of kind 0 in the corner: the row test comes first, so the three rolls
    // go to the row cells, left to right, and the first one breaks the column too.
    for (const auto& [c, r] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}}) {
        setKind(c, r, 0);
    }
    unsigned seed = 0;
    int a, b, c;
    do {
        std::srand(++seed);
        a = std::rand() % 6;
        b = std::rand() % 6;
        c = std::rand() % 6;
    } while (a == 0 || (a == b && b == c));
    std::srand(seed);
    breakInitialLines();
    EXPECT_EQ(kindAt(0, 0), a);
    EXPECT_EQ(kindAt(1, 0), b);
    EXPECT_EQ(kindAt(2, 0), c);
    EXPECT_EQ(kindAt(0, 1), 0);
    EXPECT_EQ(kindAt(0, 2), 0);
}

TEST_F(BoardTest, MarkingCountsCellsOnceAndFlyersPerTriple)
{
    struct Shape {
        const char* name;
        std::vector<std::pair<int, int>> cells;
        int marks;
        size_t flyerCount;
    };
    const Shape shapes[] = {
        {"row of four", {{1, 3}, {2, 3}, {3, 3}, {4, 3}}, 4, 6},
        {"row of five", {{0, 7}, {1, 7}, {2, 7}, {3, 7}, {4, 7}}, 5, 9},
        {"column of four", {{7, 0}, {7, 1}, {7, 2}, {7, 3}}, 4, 6},
        {"plus", {{3, 2}, {3, 3}, {3, 4}, {2, 3}, {4, 3}}, 5, 6},
        {"L", {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}}, 5, 6},
    };
    for (const Shape& shape : shapes) {
        resetBoardState();
        columnGap[2] = {1, 5};
        for (const auto& [c, r] : shape.cells) {
            setKind(c, r, 2);
        }
        markLines();
        EXPECT_EQ(markedCount(), shape.marks) << shape.name;
        for (const auto& [c, r] : shape.cells) {
            EXPECT_EQ(clearMarks[c * 8 + r], 1) << shape.name;
        }
        EXPECT_EQ(flyers.size(), shape.flyerCount) << shape.name;
        EXPECT_EQ(flyers.front().kind, 2);
        EXPECT_EQ(columnGap[2].hasGap + columnGap[2].gapRow, 0) << "marking starts a new pass";
    }
    // A column triple launches from its upper, lower, then centre cell; newest first.
    resetBoardState();
    for (int r = 5; r <= 7; ++r) {
        setKind(5, r, 1);
    }
    markLines();
    ASSERT_EQ(flyers.size(), 3u);
    const float ys[] = {304, 354, 254};
    const float speedYs[] = {-44, -94, -26};  // rows 6 and 7 start below the mixer
    int i = 0;
    for (const Flyer& flyer : flyers) {
        EXPECT_EQ(flyer.x, 486.0f);
        EXPECT_EQ(flyer.speedX, 395.0f);
        EXPECT_EQ(flyer.y, ys[i]);
        EXPECT_EQ(flyer.speedY, speedYs[i++]);
    }
}

TEST_F(BoardTest, DamagedKindsNeverMatchBeyondTheEdge)
{
    // 150 is what the kind query reads off the board; a saved board holding it
    // must not find lines that run outside and mark cells that do not exist.
    setKind(0, 0, 150);
    setKind(1, 0, 150);
    setKind(0, 3, 150);
    setKind(7, 7, 150);
    setKind(7, 6, 200);
    EXPECT_FALSE(hasLine());
    markLines();
    EXPECT_EQ(markedCount(), 0);
    EXPECT_TRUE(flyers.empty());
}
