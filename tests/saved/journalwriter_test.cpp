// journalwriter_test.cpp: a game whose snapshot lost the race to another game's newer file keeps
// out of the file, and takes it back with its next action. The two-process script cannot time
// that race, as its driver waits for the disk after each command.
#include "journalwriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "directorylock.h"
#include "savedformat.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

SavedGame gameWithScore(std::int64_t score) {
    GameState state{{}, score, std::to_string(score), {1, 0}};
    state.board.fill(1);
    return {state, History(), {}, 0};
}

// Another game's file, put in place as a new file renamed over the old one.
void putOtherGame(const std::string& path, std::int64_t score) {
    test::writeWhole(path + ".other", formatSnapshot(gameWithScore(score)));
    std::filesystem::rename(path + ".other", path);
}

bool holdsScore(const std::string& path, std::int64_t score) {
    return test::readWhole(path).find(" score " + std::to_string(score) + " ") != std::string::npos;
}

TEST(JournalWriter, ASnapshotThatLostTheRaceGivesWayUntilTheNextAction) {
    const test::TemporaryDirectory dir;
    const std::string path = dir.file("game.txt");
    JournalWriter writer(path, gameWithScore(1));
    writer.flush();
    putOtherGame(path, 2);
    // The action finds the other game's file and asks for a snapshot, which waits for the lock
    // while the other game acts again. (Should the snapshot win the lock, it goes in, and the
    // last action takes the file back all the same.)
    writer.append(formatRecord(RecordKind::Act, gameWithScore(3).current));
    {
        const DirectoryLock other(path);
        ASSERT_TRUE(other.held());
        putOtherGame(path, 4);
    }
    writer.flush();
    EXPECT_TRUE(holdsScore(path, 4));
    writer.append(formatRecord(RecordKind::Act, gameWithScore(5).current));
    writer.flush();
    EXPECT_TRUE(holdsScore(path, 5));
}

}  // namespace
}  // namespace varn
