// move_bench.cpp: whole moves (click, clearing, every tick, refill) on the scripted window.
#include <benchmark/benchmark.h>

#include <optional>

#include "boardpicture.h"
#include "headlessgame.h"
#include "twistersource.h"

namespace varn {
namespace {

// A board without two like pieces side by side, with `pieces` put in.
BoardTables preparedBoard(std::initializer_list<std::pair<int, char>> pieces) {
    return test::boardFromPicture(test::checkerWith(pieces));
}

// Every move adds an entry to the history, which a game never cuts short; a fresh game every
// so many moves keeps a long run from filling the memory.
HeadlessGame& gameFor(benchmark::State& state, std::optional<HeadlessGame>& headless,
                      UniformSource& random) {
    constexpr benchmark::IterationCount kMovesPerGame = 10'000;
    if (headless && state.iterations() % kMovesPerGame != 0) return *headless;
    state.PauseTiming();
    headless.emplace(random);
    headless->window.stopTimer();
    state.ResumeTiming();
    return *headless;
}

void runMoves(benchmark::State& state, const BoardTables& start, int cell) {
    TwisterSource random(7);
    std::optional<HeadlessGame> headless;
    for (auto _ : state) {
        Game& game = gameFor(state, headless, random).game;
        game.tables() = start;
        game.Element_Click(cell);
        benchmark::DoNotOptimize(game.tables().Board.data());
    }
    state.SetItemsProcessed(state.iterations());
}

void GroupOfThree(benchmark::State& state) {
    runMoves(state, preparedBoard({{44, '0'}, {54, '0'}, {55, '0'}}), 55);
}
void GroupOfTenInAColumn(benchmark::State& state) {
    BoardTables start = preparedBoard({});
    for (int row = 0; row < kBoardSide; ++row)
        start.Board[cellAt(row, 3)] = 0;
    runMoves(state, start, 33);
}
void Bomb(benchmark::State& state) {
    runMoves(state, preparedBoard({{55, 'B'}}), 55);
}
void RowLadder(benchmark::State& state) {
    runMoves(state, preparedBoard({{57, 'R'}}), 57);
}
void RefusedPair(benchmark::State& state) {
    runMoves(state, preparedBoard({{44, '0'}, {45, '0'}}), 44);
}

void Transform(benchmark::State& state) {
    TwisterSource random(7);
    std::optional<HeadlessGame> headless;
    for (auto _ : state) {
        Game& game = gameFor(state, headless, random).game;
        if (game.history().undoCount() == 0) game.tables() = preparedBoard({{0, '.'}, {1, '.'}});
        game.picture8_click();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(GroupOfThree);
BENCHMARK(GroupOfTenInAColumn);
BENCHMARK(Bomb);
BENCHMARK(RowLadder);
BENCHMARK(RefusedPair);
BENCHMARK(Transform);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();
