// The move engine: clicks and drags, swaps there and back, clear passes, falls
// and cascades, driven at a fixed frame time.
#include <gtest/gtest.h>

#include <vector>

#include "audio/sound_effects.h"
#include "base/screen_state.h"
#include "board_support.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "test_support.h"

namespace {
class MovesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetBoardState();
    }
};

using Sounds = std::vector<int>;

int countCells(uint8_t Cell::*flag)
{
    int count = 0;
    for (const Cell& cell : board) {
        count += cell.*flag;
    }
    return count;
}

// Presses on a cell's centre as the game screen does: a drag measures from here.
void pressCell(int column, int row)
{
    pressX = boardLeft + 50 * column + 25;
    pressY = boardTop + 50 * row + 25;
    clickCell(column, row);
}

void expectSettledBoard()
{
    EXPECT_TRUE(boardFull());
    EXPECT_FALSE(hasLine());
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(spawnCells[c].kind, emptyKind);
        EXPECT_EQ(spawnCells[c].y, -46.0f);
        for (int r = 0; r < 8; ++r) {
            EXPECT_EQ(cellAt(c, r).x, 236.0f + 50 * c);
            EXPECT_EQ(cellAt(c, r).y, 4.0f + 50 * r);
            EXPECT_EQ(clearMarks[c * 8 + r], 0);
        }
    }
}
}  // namespace

TEST_F(MovesTest, ClicksChooseMoveAndDropTheSelection)
{
    fallSpeed = 7;
    EXPECT_TRUE(clickCell(2, 2));
    EXPECT_EQ(selectState, selectFirst);
    EXPECT_EQ(fallSpeed, 3);
    EXPECT_TRUE(cellAt(2, 2).highlighted);
    EXPECT_EQ(takeSounds(), Sounds{soundSelect});

    // The same piece again: deselected silently, and left to the next handler.
    EXPECT_FALSE(clickCell(2, 2));
    EXPECT_EQ(selectState, selectNone);
    EXPECT_EQ(countCells(&Cell::highlighted), 0);
    EXPECT_EQ(takeSounds(), Sounds{});

    // Two cells away, then diagonal: the selection moves, nothing swaps.
    clickCell(2, 2);
    EXPECT_TRUE(clickCell(4, 2));
    EXPECT_TRUE(clickCell(5, 3));
    EXPECT_EQ(selectState, selectFirst);
    EXPECT_EQ(firstColumn, 5);
    EXPECT_EQ(firstRow, 3);
    EXPECT_EQ(countCells(&Cell::highlighted), 1);
    EXPECT_EQ(countCells(&Cell::swapping), 0);
    EXPECT_EQ(takeSounds(), (Sounds{soundSelect, soundSelect, soundSelect}));

    // Outside the board, right and bottom edges included: not taken, nothing chosen.
    EXPECT_FALSE(boardClick(636, 100));
    EXPECT_EQ(selectState, selectNone);
    EXPECT_EQ(countCells(&Cell::highlighted), 0);
    EXPECT_TRUE(boardClick(635, 403));
    EXPECT_EQ(firstColumn * 10 + firstRow, 77);
    EXPECT_FALSE(boardClick(300, 404));
    EXPECT_EQ(selectState, selectNone);
}

TEST_F(MovesTest, SecondClickOnANeighbourFlagsTheSwap)
{
    const int neighbours[4][2] = {{4, 3}, {2, 3}, {3, 4}, {3, 2}};
    for (const auto& n : neighbours) {
        resetBoardState();
        clickCell(3, 3);
        takeSounds();
        EXPECT_TRUE(clickCell(n[0], n[1]));
        EXPECT_EQ(selectState, selectNone);
        EXPECT_TRUE(cellAt(n[0], n[1]).swapping);
        EXPECT_EQ(countCells(&Cell::highlighted), 2);
        EXPECT_TRUE(targetSwapping());
        EXPECT_EQ(takeSounds(), Sounds{});
        boardFrame();
        EXPECT_EQ(selectState, selectSwapping);
    }
}

TEST_F(MovesTest, SecondClickWithTheButtonUpOnlyCountsOn)
{
    clickCell(1, 1);
    takeSounds();
    mouseDown = 0;
    EXPECT_FALSE(boardClick(361, 79));  // the right neighbour
    EXPECT_EQ(selectState, selectSecond);
    EXPECT_FALSE(clickCell(1, 1));
    EXPECT_FALSE(clickCell(2, 1));
    EXPECT_EQ(selectState, 4);
    EXPECT_EQ(countCells(&Cell::swapping), 0);
    EXPECT_EQ(takeSounds(), Sounds{});
    // Only something that resets the selection frees the board again.
    EXPECT_FALSE(boardClick(10, 10));
    EXPECT_TRUE(clickCell(1, 1));
    EXPECT_EQ(selectState, selectFirst);
}

TEST_F(MovesTest, DragFlagsANeighbourPastTheThreshold)
{
    pressCell(3, 3);  // centre (411, 179)
    boardDrag(420, 179);
    EXPECT_EQ(countCells(&Cell::swapping), 0) << "9 px is not a drag yet";
    boardDrag(421, 185);
    EXPECT_TRUE(cellAt(4, 3).swapping);
    EXPECT_EQ(selectState, selectFirst) << "the swap step takes over on the next frame";

    resetBoardState();
    pressCell(3, 3);
    boardDrag(411, 169);
    EXPECT_TRUE(cellAt(3, 2).swapping);

    // Sideways is tested first: 12 px left and 40 px down aims at the diagonal.
    resetBoardState();
    pressCell(3, 3);
    boardDrag(399, 219);
    EXPECT_EQ(targetColumn * 10 + targetRow, 24);
    mouseDown = 0;
    boardDrag(440, 179);
    EXPECT_EQ(countCells(&Cell::swapping), 0);
    EXPECT_EQ(selectState, selectFirst);
    // Leaving the board drops the selection.
    mouseDown = 1;
    boardDrag(230, 179);
    EXPECT_EQ(selectState, selectNone);
    EXPECT_EQ(countCells(&Cell::highlighted), 0);

    // Beyond the right edge the aim names column 8: kept, but never swapped.
    resetBoardState();
    pressCell(7, 0);
    boardDrag(631, 29);
    EXPECT_EQ(targetColumn, 8);
    boardFrame();
    EXPECT_EQ(selectState, selectFirst);
    // Toward the left edge the aim truncates to column 0: the piece itself.
    resetBoardState();
    pressCell(0, 0);
    boardDrag(251, 29);
    EXPECT_EQ(targetColumn, 0);
    EXPECT_EQ(countCells(&Cell::swapping), 0);
}

TEST_F(MovesTest, SwapWithoutALineGoesThereAndBackUnchanged)
{
    const std::vector<uint8_t> before = boardBytes();
    clickCell(1, 0);
    clickCell(2, 0);
    for (int i = 0; i < 40; ++i) {
        boardFrame();
    }
    // 40 frames of 1.25 px make exactly one cell, but the leg ends only past it.
    EXPECT_EQ(cellAt(1, 0).x, 336.0f);
    EXPECT_EQ(swapLegs, 0);
    boardFrame();
    EXPECT_EQ(swapLegs, 1);
    EXPECT_EQ(kindAt(1, 0) * 10 + kindAt(2, 0), 76);
    EXPECT_EQ(targetColumn, 1) << "the target follows the flagged record";
    EXPECT_EQ(selectState, selectSwapping);
    for (int i = 0; i < 40; ++i) {
        boardFrame();
    }
    EXPECT_TRUE(targetSwapping());
    boardFrame();
    EXPECT_FALSE(targetSwapping());
    EXPECT_EQ(selectState, selectNone);
    EXPECT_EQ(boardBytes(), before);
    EXPECT_EQ(score, 0);
}

TEST_F(MovesTest, HorizontalThreeTakesOneStepAndTwoPasses)
{
    setStripeBoard();
    setKind(0, 5, 0);
    setKind(1, 5, 0);
    setKind(3, 5, 0);
    clickCell(3, 5);
    clickCell(2, 5);
    // The swap leg ends on frame 41, where the fall starts: 22 frames of 2.34375 px.
    EXPECT_EQ(settleBoard(), 62);
    EXPECT_EQ(fallSpeed, 4) << "one fall step";
    EXPECT_EQ(score, 10) << "two passes";
    EXPECT_FLOAT_EQ(bar, 0.8f);
    EXPECT_EQ(flyers.size(), 3u);
    expectSettledBoard();
    // Columns 0 to 2 moved down a row; the swapped-away piece stays put.
    EXPECT_EQ(kindAt(0, 5), 5 + 4 % 3);
    EXPECT_EQ(kindAt(2, 5), 5 + 6 % 3);
    EXPECT_EQ(kindAt(3, 5), 5 + 7 % 3);
    for (int c = 0; c < 3; ++c) {
        EXPECT_LT(kindAt(c, 0), 5) << "a new piece entered column " << c;
    }
}

TEST_F(MovesTest, VerticalThreeTakesThreeStepsAndFourPasses)
{
    setStripeBoard();
    setKind(4, 2, 0);
    setKind(4, 3, 0);
    setKind(5, 4, 0);
    clickCell(5, 4);
    clickCell(4, 4);
    ASSERT_GT(settleBoard(), 0);
    EXPECT_EQ(fallSpeed, 6) << "three fall steps";
    EXPECT_EQ(score, 20) << "four passes: the cells still marked after a step count again";
    expectSettledBoard();
    EXPECT_EQ(kindAt(4, 3), 5 + 4 % 3);
    EXPECT_EQ(kindAt(4, 4), 5 + 5 % 3);
    for (int r = 0; r < 3; ++r) {
        EXPECT_LT(kindAt(4, r), 5);
    }
}

TEST_F(MovesTest, FallMovesOnlyWhatLiesAboveTheGapAndSpeedsUp)
{
    setStripeBoard();
    for (int r = 2; r <= 4; ++r) {
        setKind(4, r, 0);
    }
    markLines();
    clearPass();
    EXPECT_EQ(columnGap[4].gapRow, 4);
    boardFrame();
    EXPECT_EQ(cellAt(4, 0).y, 4 + 2.34375f);
    EXPECT_EQ(cellAt(4, 3).y, 154 + 2.34375f) << "empty cells above the gap fall too";
    EXPECT_EQ(cellAt(4, 4).y, 204.0f);
    EXPECT_EQ(cellAt(3, 0).y, 4.0f);
    EXPECT_EQ(spawnCells[4].y, -46 + 2.34375f);
    EXPECT_EQ(spawnCells[3].y, -46.0f);
    int frames[2] = {1, 0};
    while (fallSpeed == 3) {
        boardFrame();
        ++frames[0];
    }
    while (fallSpeed == 4) {
        boardFrame();
        ++frames[1];
    }
    EXPECT_EQ(frames[0], 22);  // 300 px/s
    EXPECT_EQ(frames[1], 16);  // 400 px/s: exactly 3.125 px a frame
}

TEST_F(MovesTest, LineBuiltByTheFallCascadesAtOnce)
{
    setStripeBoard();
    setKind(0, 5, 0);
    setKind(1, 5, 0);
    setKind(2, 6, 0);
    // The piece above the gap in column 2 lands beside two of its kind.
    setKind(2, 4, 1);
    setKind(3, 5, 1);
    setKind(4, 5, 1);
    clickCell(2, 6);
    clickCell(2, 5);
    int frames = 0;
    while (flyers.size() < 6 && frames < 1000) {
        boardFrame();
        ++frames;
    }
    // The frame that completes the only fall step finds the new line and clears it.
    EXPECT_EQ(frames, 62);
    EXPECT_EQ(fallSpeed, 3);
    EXPECT_EQ(falling, 1);
    for (int c = 2; c <= 4; ++c) {
        EXPECT_EQ(kindAt(c, 5), emptyKind);
    }
    ASSERT_GT(settleBoard(), 0);
    expectSettledBoard();
}

TEST_F(MovesTest, HighlightedPiecesLoopAndOthersFinishTheirLoop)
{
    Cell cell{};
    advanceFrames(cell, 0.1f);
    EXPECT_EQ(cell.frame, 0.0f);
    cell.highlighted = 1;
    advanceFrames(cell, 0.5f);
    advanceFrames(cell, 0.02f);
    EXPECT_EQ(cell.frame, 13.0f);
    advanceFrames(cell, 0.01f);
    EXPECT_EQ(cell.frame, 0.0f) << "past 13 the loop starts over";
    cell.highlighted = 0;
    cell.frame = 2;
    advanceFrames(cell, 0.2f);
    EXPECT_EQ(cell.frame, 7.0f);
}
