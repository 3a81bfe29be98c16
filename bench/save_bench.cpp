// save_bench.cpp: what saving the game in progress costs the window's thread for one move of a
// game of 10,000 moves, the size of that saved game, and the snapshot its writer's thread
// makes of it now and then.
#include <benchmark/benchmark.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>

#include "gamesaver.h"
#include "headlessgame.h"
#include "savedformat.h"
#include "splitmixsource.h"

namespace varn {
namespace {

constexpr std::size_t kMoves = 10'000;

// Clicks on random cells until the history holds kMoves moves; a board without any group gets
// a fresh deal, where a player would start a new game.
void playLongGame(HeadlessGame& headless, UniformSource& random) {
    headless.window.stopTimer();
    std::mt19937 choices(11);
    std::uniform_int_distribution<int> anyCell(0, kCellCount - 1);
    for (int refused = 0; headless.game.history().undoCount() < kMoves;) {
        const std::size_t entries = headless.game.history().undoCount();
        headless.game.Element_Click(anyCell(choices));
        refused = headless.game.history().undoCount() == entries ? refused + 1 : 0;
        if (refused == 1000) {
            for (Code& code : headless.game.tables().Board)
                code = Dealer::drawPiece(random);
            refused = 0;
        }
    }
}

std::string temporaryFolder() {
    std::string folder = "/tmp/varn-save-bench.XXXXXX";
    if (!::mkdtemp(folder.data())) std::abort();
    return folder;
}

// What the window's thread does after a move: the record formatted, checked against the file
// and written, and handed to the writer's thread. Each move here is a new score on the board.
void SaveOneMoveOf10000(benchmark::State& state) {
    SplitMixSource random(7);
    HeadlessGame headless(random);
    playLongGame(headless, random);
    const std::string folder = temporaryFolder();
    const std::string path = folder + "/game.txt";
    {
        GameSaver saver(headless.game, path);
        saver.flush();
        struct stat file {};
        ::stat(path.c_str(), &file);
        state.counters["file_bytes_at_10000_moves"] = static_cast<double>(file.st_size);
        GameState before = headless.game.state();
        for (auto _ : state) {
            GameState after = before;
            ++after.score;
            saver.actionEnded(GameAction::Change, before, after);
            before = std::move(after);
        }
        saver.flush();
    }
    std::system(("rm -rf " + folder).c_str());
}
BENCHMARK(SaveOneMoveOf10000)->Unit(benchmark::kMicrosecond);

// The writer's thread, when the journal has grown as large: the whole game as text.
void SnapshotOf10000Moves(benchmark::State& state) {
    SplitMixSource random(7);
    HeadlessGame headless(random);
    playLongGame(headless, random);
    const SavedGame game{headless.game.state(), headless.game.history(), std::nullopt};
    for (auto _ : state)
        benchmark::DoNotOptimize(formatSnapshot(game));
    state.counters["snapshot_bytes"] = static_cast<double>(formatSnapshot(game).size());
}
BENCHMARK(SnapshotOf10000Moves)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varn

BENCHMARK_MAIN();
