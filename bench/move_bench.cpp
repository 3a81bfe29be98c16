// move_bench.cpp: whole moves (click, clearing, every tick, refill) on the scripted window.
#include <benchmark/benchmark.h>

#include "boardpicture.h"
#include "headlessgame.h"
#include "twistersource.h"

namespace varn {
namespace {

// A board without two like pieces side by side, with `pieces` put in.
BoardTables preparedBoard(std::initializer_list<std::pair<int, char>> pieces) {
    return test::boardFromPicture(test::checkerWith(pieces));
}

void runMoves(benchmark::State& state, const BoardTables& start, int cell) {
    TwisterSource random(7);
    HeadlessGame headless(random);
    headless.window.stopTimer();
    for (auto _ : state) {
        headless.game.tables() = start;
        headless.game.Element_Click(cell);
        benchmark::DoNotOptimize(headless.game.tables().Board.data());
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
    HeadlessGame headless(random);
    headless.window.stopTimer();
    headless.game.tables() = preparedBoard({{0, '.'}, {1, '.'}});
    for (auto _ : state)
        headless.game.picture8_click();
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
