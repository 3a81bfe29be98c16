// history_bench.cpp: what the history of a long game costs: its memory, and the time of an
// undo and of a redo anywhere in it.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <random>

#include "headlessgame.h"
#include "splitmixsource.h"

namespace varn {
namespace {

constexpr std::size_t kMoves = 10'000;

void deal(BoardTables& tables, UniformSource& random) {
    for (Code& code : tables.Board)
        code = Dealer::drawPiece(random);
}

// A game of `kMoves` moves on the scripted window: clicks on random cells, of which the
// refused ones add no entry. A board left without any group gets a fresh deal, where a player
// would start a new game. The counters follow what the history holds on the heap while it
// grows, the vector's spare room included.
void playLongGame(HeadlessGame& headless, UniformSource& random, benchmark::State& state) {
    headless.window.stopTimer();
    deal(headless.game.tables(), random);
    std::mt19937 choices(11);
    std::uniform_int_distribution<int> anyCell(0, kCellCount - 1);
    const std::size_t heapBefore = mallinfo2().uordblks;
    for (int refused = 0; headless.game.history().undoCount() < kMoves;) {
        const std::size_t entries = headless.game.history().undoCount();
        headless.window.resetCounters();
        headless.game.Element_Click(anyCell(choices));
        refused = headless.game.history().undoCount() == entries ? refused + 1 : 0;
        if (refused == 1000) {
            deal(headless.game.tables(), random);
            refused = 0;
        }
    }
    const auto bytes = static_cast<double>(mallinfo2().uordblks - heapBefore);
    state.counters["history_bytes"] = bytes;
    state.counters["bytes_per_move"] = bytes / kMoves;
    state.counters["numbers_drawn"] = static_cast<double>(random.state().drawn);
}

// Each undo goes one entry further back; at the start of the game, all are redone untimed.
void UndoIn10000Moves(benchmark::State& state) {
    SplitMixSource random(7);
    HeadlessGame headless(random);
    playLongGame(headless, random, state);
    for (auto _ : state) {
        if (!headless.game.history().canUndo()) {
            state.PauseTiming();
            while (headless.game.history().canRedo())
                headless.game.redo_Click();
            state.ResumeTiming();
        }
        headless.game.undo_Click();
    }
    state.SetItemsProcessed(state.iterations());
}

// The same the other way round: from the start of the game, each redo one entry further on.
void RedoIn10000Moves(benchmark::State& state) {
    SplitMixSource random(7);
    HeadlessGame headless(random);
    playLongGame(headless, random, state);
    for (auto _ : state) {
        if (!headless.game.history().canRedo()) {
            state.PauseTiming();
            while (headless.game.history().canUndo())
                headless.game.undo_Click();
            state.ResumeTiming();
        }
        headless.game.redo_Click();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(UndoIn10000Moves)->Unit(benchmark::kMicrosecond);
BENCHMARK(RedoIn10000Moves)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();
