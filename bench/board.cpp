// Cost of the move test on a full board, and of resolving one clear with its
// falls and a cascade, frame by frame at 128 frames per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "game/board.h"
#include "game/flyers.h"
#include "game/game_screen.h"
#include "game/hints.h"
#include "game/moves.h"
#include "platform/clock.h"

namespace {
// Diagonal stripes of three kinds: no line and no move, so the test scans everything.
void stripeBoard()
{
    for (int c = 0; c < 8; ++c) {
        for (int r = 0; r < 8; ++r) {
            Cell& cell = cellAt(c, r);
            std::memset(&cell, 0, sizeof cell);
            cell.kind = uint8_t(5 + (c + r) % 3);
            snapCell(c, r);
        }
    }
}

void hasMoveDealtBoards(benchmark::State& state)
{
    pieceKindCount = int(state.range(0));
    std::vector<Cell> boards;
    for (uint32_t i = 0; i < 64; ++i) {
        platformSimulateClock(1000 + i * 7919);
        dealBoard(pieceKindCount);
        boards.insert(boards.end(), board, board + 64);
    }
    // Each item copies one dealt board in (about 1.3 KB) and tests it.
    for (auto _ : state) {
        for (size_t i = 0; i < 64; ++i) {
            std::memcpy(board, &boards[i * 64], sizeof board);
            benchmark::DoNotOptimize(hasMove());
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 64);
}
BENCHMARK(hasMoveDealtBoards)->Arg(6)->Arg(8);

void hasMoveNoMove(benchmark::State& state)
{
    stripeBoard();
    for (auto _ : state) {
        benchmark::DoNotOptimize(hasMove());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(hasMoveNoMove);

// A row of three at the bottom-left clears; the piece above its right end lands
// beside two of its kind, so the fall cascades once more.
void clearFallCascade(benchmark::State& state)
{
    platformSimulateClock(5000);
    pieceKindCount = 5;
    stripeBoard();
    cellAt(0, 5).kind = 0;
    cellAt(1, 5).kind = 0;
    cellAt(2, 5).kind = 0;
    cellAt(2, 4).kind = 1;
    cellAt(3, 5).kind = 1;
    cellAt(4, 5).kind = 1;
    Cell start[64];
    std::memcpy(start, board, sizeof board);
    const float dt = 1.0f / 128;
    int frames = 0;
    for (auto _ : state) {
        std::memcpy(board, start, sizeof board);
        fallSpeed = 3;
        markLines();
        clearPass();
        frames = 0;
        while (falling) {
            fallStep(dt);
            ++frames;
        }
        flyers.clear();
    }
    state.counters["frames"] = frames;
}
BENCHMARK(clearFallCascade);
}  // namespace
