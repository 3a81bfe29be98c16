// move_bench.cpp: whole moves (click, clearing, every tick, refill) on the scripted window.
#include <benchmark/benchmark.h>

#include <optional>

#include "boardpicture.h"
#include "headlessgame.h"
#include "splitmixsource.h"

namespace varn {
namespace {

// A board without two like pieces side by side, with `pieces` put in.
BoardTables preparedBoard(std::initializer_list<std::pair<int, char>> pieces) {
    return test::boardFromPicture(test::checkerWith(pieces));
}

// Every move adds an entry to the history, which a game never cuts short; a fresh game every
// so many moves keeps a long run from filling the memory. The moves are counted here: the
// state's own count of iterations stays 0 until its loop ends.
class Games {
  public:
    explicit Games(benchmark::State& state) : m_state(state) {}

    Game& next() {
        constexpr int kMovesPerGame = 10'000;
        if (!m_headless || m_moves == kMovesPerGame) {
            m_state.PauseTiming();
            m_headless.emplace(m_random);
            m_headless->window.stopTimer();
            m_moves = 0;
            m_state.ResumeTiming();
        }
        ++m_moves;
        return m_headless->game;
    }

  private:
    benchmark::State& m_state;
    SplitMixSource m_random{7};
    std::optional<HeadlessGame> m_headless;
    int m_moves = 0;
};

void runMoves(benchmark::State& state, const BoardTables& start, int cell) {
    Games games(state);
    for (auto _ : state) {
        Game& game = games.next();
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
    Games games(state);
    for (auto _ : state) {
        Game& game = games.next();
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
