// The hint finder against a brute-force search, and the hint button's cost and
// animation.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "audio/sound_effects.h"
#include "board_support.h"
#include "game/board.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "game/hints.h"
#include "game/moves.h"
#include "game/scoring.h"
#include "platform/clock.h"
#include "test_support.h"

namespace {
class HintsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetBoardState();
    }
};

// One way a swap completes a line, keyed the way the hint search meets it.
struct FoundMove {
    int scanRow, scanColumn, pattern;
    int firstColumn, firstRow, secondColumn, secondRow;
    bool operator<(const FoundMove& o) const
    {
        return std::tie(scanRow, scanColumn, pattern) < std::tie(o.scanRow, o.scanColumn, o.pattern);
    }
};

bool sameKinds(int c0, int r0, int c1, int r1, int c2, int r2)
{
    const uint8_t k = cellAt(c0, r0).kind;
    return cellAt(c1, r1).kind == k && cellAt(c2, r2).kind == k;
}

// Names the move by where the piece lands in the new line and where it comes
// from, independently of the game's pattern table: a line of three in a row
// starting at column L is found at scan position (L, row), or one column to
// the left when the piece steps in from the left; a column line likewise.
void classifyLanding(int pc, int pr, int qc, int qr, const FoundMove& pair, std::vector<FoundMove>& out)
{
    // Pattern numbers by the landing cell's place in the line, first to third.
    static const int fromBelow[3] = {6, 3, 1};
    static const int fromAbove[3] = {5, 4, 2};
    static const int fromRight[3] = {14, 11, 9};
    static const int fromLeft[3] = {13, 12, 10};
    const int dc = qc - pc, dr = qr - pr;
    for (int left = pc - 2; left <= pc; ++left) {
        if (left < 0 || left + 2 > 7 || !sameKinds(left, pr, left + 1, pr, left + 2, pr)) {
            continue;
        }
        const int pos = pc - left;
        FoundMove m = pair;
        m.scanRow = pr;
        m.scanColumn = left;
        if (dr == 1) {
            m.pattern = fromBelow[pos];
        } else if (dr == -1) {
            m.pattern = fromAbove[pos];
        } else if (dc == 1 && pos == 2) {
            m.pattern = 7;
        } else if (dc == -1 && pos == 0) {
            m.pattern = 8;
            m.scanColumn = left - 1;
        } else {
            ADD_FAILURE() << "a sideways swap inside a row line: the board held a line";
            continue;
        }
        out.push_back(m);
    }
    for (int top = pr - 2; top <= pr; ++top) {
        if (top < 0 || top + 2 > 7 || !sameKinds(pc, top, pc, top + 1, pc, top + 2)) {
            continue;
        }
        const int pos = pr - top;
        FoundMove m = pair;
        m.scanRow = top;
        m.scanColumn = pc;
        if (dc == 1) {
            m.pattern = fromRight[pos];
        } else if (dc == -1) {
            m.pattern = fromLeft[pos];
        } else if (dr == 1 && pos == 2) {
            m.pattern = 15;
        } else if (dr == -1 && pos == 0) {
            m.pattern = 16;
            m.scanRow = top - 1;
        } else {
            ADD_FAILURE() << "an upright swap inside a column line: the board held a line";
            continue;
        }
        out.push_back(m);
    }
}

struct BruteForce {
    bool anySwapMakesLine = false;
    std::vector<FoundMove> moves;
};

BruteForce bruteForce()
{
    BruteForce result;
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            const int partners[2][2] = {{c + 1, r}, {c, r + 1}};
            for (const auto& b : partners) {
                if (b[0] > 7 || b[1] > 7) {
                    continue;
                }
                swapCells(cellAt(c, r), cellAt(b[0], b[1]));
                result.anySwapMakesLine = result.anySwapMakesLine || hasLine();
                // The partner lies right of or below (c, r), so it is the first cell.
                const FoundMove pair{0, 0, 0, b[0], b[1], c, r};
                classifyLanding(c, r, b[0], b[1], pair, result.moves);
                classifyLanding(b[0], b[1], c, r, pair, result.moves);
                swapCells(cellAt(c, r), cellAt(b[0], b[1]));
            }
        }
    }
    return result;
}

// Random boards without a line, built differently from the deal: each cell
// avoids completing a run with the two cells before it.
void randomLineFreeBoard(std::mt19937& rng, int kinds)
{
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            int k;
            do {
                k = int(rng() % unsigned(kinds));
            } while ((c >= 2 && kindAt(c - 1, r) == k && kindAt(c - 2, r) == k) ||
                     (r >= 2 && kindAt(c, r - 1) == k && kindAt(c, r - 2) == k));
            setKind(c, r, k);
        }
    }
}

// Thins out the moves of a line-free board by random changes that add none, so
// boards with a single move, or none, turn up often.
void thinOutMoves(std::mt19937& rng, int kinds)
{
    size_t moves = bruteForce().moves.size();
    for (int i = 0; i < 150 && moves > 0; ++i) {
        const int c = int(rng() % 8), r = int(rng() % 8);
        const uint8_t old = kindAt(c, r);
        setKind(c, r, int(rng() % unsigned(kinds)));
        const size_t now = hasLine() ? moves + 1 : bruteForce().moves.size();
        if (now > moves) {
            setKind(c, r, old);
        } else {
            moves = now;
        }
    }
}

void expectHintMatchesBruteForce(const char* what, int& noMoveBoards)
{
    SCOPED_TRACE(what);
    ASSERT_FALSE(hasLine());
    const BruteForce expected = bruteForce();
    ASSERT_EQ(hasMove(), expected.anySwapMakesLine);
    ASSERT_EQ(expected.anySwapMakesLine, !expected.moves.empty());
    hintFirstColumn = hintFirstRow = hintSecondColumn = hintSecondRow = -1;
    findHint();
    if (expected.moves.empty()) {
        ++noMoveBoards;
        EXPECT_EQ(hintFirstColumn + hintFirstRow + hintSecondColumn + hintSecondRow, -4)
            << "nothing found, nothing stored";
        return;
    }
    const FoundMove first = *std::min_element(expected.moves.begin(), expected.moves.end());
    ASSERT_EQ(std::tie(hintFirstColumn, hintFirstRow, hintSecondColumn, hintSecondRow),
              std::tie(first.firstColumn, first.firstRow, first.secondColumn, first.secondRow))
        << "pattern " << first.pattern << " at row " << first.scanRow << ", column " << first.scanColumn;
}
}  // namespace

TEST_F(HintsTest, PatternsFindExactlyTheSwapsThatMakeALine)
{
    std::mt19937 rng(20240611);
    int noMoveBoards = 0;
    int boards = 0;
    for (int kinds = 6; kinds <= 8; ++kinds) {
        pieceKindCount = kinds;
        for (int i = 0; i < 1500; ++i, ++boards) {
            platformSimulateClock(uint32_t(i) * 104729u + uint32_t(kinds));
            dealBoard(kinds);
            expectHintMatchesBruteForce("dealt", noMoveBoards);
            randomLineFreeBoard(rng, kinds);
            expectHintMatchesBruteForce("random", noMoveBoards);
            if (i % 10 == 0) {
                thinOutMoves(rng, kinds);
                expectHintMatchesBruteForce("thinned", noMoveBoards);
            }
            if (HasFatalFailure()) {
                return;
            }
        }
    }
    // Both answers must have been exercised for the comparison to mean much.
    EXPECT_GT(noMoveBoards, 10);
    EXPECT_LT(noMoveBoards, boards);
}

TEST_F(HintsTest, HintCostsPointsAndBarUnlessTimedAndLow)
{
    struct Case {
        uint8_t mode;
        float barBefore;
        float barAfter;
        int scoreAfter;
    };
    const Case cases[] = {
        // Untimed: always charged, even into a negative score.
        {0, 5, 1, -7},
        {0, 40, 36, -7},
        // Timed: free at 10 or below.
        {1, 10, 10, 3},
        {1, 2, 2, 3},
        {1, 10.5f, 6.5f, -7},
        {1, 40, 36, -7},
    };
    for (const Case& c : cases) {
        resetBoardState();
        gameMode = c.mode;
        bar = c.barBefore;
        score = 3;
        clickCell(2, 2);
        takeSounds();
        useHint();
        EXPECT_EQ(bar, c.barAfter) << int(c.mode) << " " << c.barBefore;
        EXPECT_EQ(score, c.scoreAfter) << int(c.mode) << " " << c.barBefore;
        EXPECT_EQ(takeSounds(), std::vector<int>{soundHint});
        EXPECT_EQ(selectState, selectNone);
        EXPECT_EQ(hintActive, 1);
        EXPECT_FALSE(cellAt(2, 2).highlighted);
    }
}

TEST_F(HintsTest, AnimationSwapsThereAndBackAndLeavesTheBoardAsItWas)
{
    const std::vector<uint8_t> before = boardBytes();
    useHint();
    ASSERT_EQ(hintFirstRow, hintSecondRow);  // the filler's first move is a row swap
    ASSERT_EQ(hintFirstColumn, hintSecondColumn + 1);
    const uint8_t firstKind = kindAt(hintFirstColumn, hintFirstRow);
    const uint8_t secondKind = kindAt(hintSecondColumn, hintSecondRow);
    for (int i = 0; i < 39; ++i) {
        boardFrame();
    }
    EXPECT_EQ(cellAt(hintFirstColumn, hintFirstRow).x, 236.0f + 50 * hintFirstColumn - 48.75f);
    EXPECT_TRUE(cellAt(hintFirstColumn, hintFirstRow).highlighted);
    EXPECT_TRUE(cellAt(hintSecondColumn, hintSecondRow).highlighted);
    boardFrame();
    // 50 px reached: exchanged and snapped, then this frame's step applied.
    EXPECT_EQ(kindAt(hintFirstColumn, hintFirstRow), secondKind);
    EXPECT_EQ(kindAt(hintSecondColumn, hintSecondRow), firstKind);
    EXPECT_EQ(cellAt(hintFirstColumn, hintFirstRow).x, 236.0f + 50 * hintFirstColumn - 1.25f);
    EXPECT_EQ(hintLegs, 1);
    for (int i = 0; i < 39; ++i) {
        boardFrame();
    }
    EXPECT_EQ(hintActive, 1);
    boardFrame();
    EXPECT_EQ(hintActive, 0);
    EXPECT_EQ(selectState, selectNone);
    EXPECT_EQ(boardBytes(), before);
    EXPECT_TRUE(flyers.empty()) << "a hint never clears";
}

TEST_F(HintsTest, WithoutAMoveTheLastPairIsShownAgainAndCharged)
{
    setStripeBoard();
    ASSERT_FALSE(hasMove());
    hintFirstColumn = 3;
    hintFirstRow = 5;
    hintSecondColumn = 3;
    hintSecondRow = 4;
    const std::vector<uint8_t> before = boardBytes();
    useHint();
    EXPECT_EQ(hintFirstColumn, 3);
    EXPECT_EQ(hintFirstRow, 5);
    EXPECT_EQ(hintSecondColumn, 3);
    EXPECT_EQ(hintSecondRow, 4);
    EXPECT_EQ(score, -10);
    EXPECT_EQ(bar, -4.0f);
    EXPECT_EQ(hintActive, 1);
    EXPECT_EQ(settleBoard(), 80);
    EXPECT_EQ(boardBytes(), before);
}
