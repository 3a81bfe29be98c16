// journalwriter_test.cpp: a snapshot that lost the race to another game's newer file gives way
// until the next action, a race the two-process script cannot time (its driver flushes).
#include "journalwriter.h"

#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
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

// A disk slow to sync: once armed, its next sync waits for an action, ten seconds at most.
std::atomic<bool> g_slowSync = false, g_syncing = false, g_acted = false, g_waitedOut = false;

}  // namespace
}  // namespace varn

extern "C" int fdatasync(int file) {
    if (varn::g_slowSync.exchange(false)) {
        varn::g_syncing = true;
        for (int i = 0; i < 1000 && !varn::g_acted; ++i)
            ::usleep(10'000);
        varn::g_waitedOut = !varn::g_acted;
    }
    return int(::syscall(SYS_fdatasync, file));
}

namespace varn {
namespace {

// The game never waits for the disk: it acts while the writer's thread syncs records that had
// waited for another game's lock on the folder.
TEST(JournalWriter, TheGameActsWhileTheWriterWaitsForTheDisk) {
    const test::TemporaryDirectory dir;
    const std::string path = dir.file("game.txt");
    JournalWriter writer(path, gameWithScore(1));
    writer.flush();
    g_slowSync = true;
    {
        const DirectoryLock other(path);
        writer.append(formatRecord(RecordKind::Act, gameWithScore(3).current));
    }
    for (int i = 0; i < 1000 && !g_syncing; ++i)
        ::usleep(10'000);
    ASSERT_TRUE(g_syncing);
    writer.append(formatRecord(RecordKind::Act, gameWithScore(5).current));
    g_acted = true;
    writer.flush();
    EXPECT_FALSE(g_waitedOut);
    EXPECT_TRUE(holdsScore(path, 5));
}

TEST(JournalWriter, ASnapshotThatLostTheRaceGivesWayUntilTheNextAction) {
    const test::TemporaryDirectory dir;
    const std::string path = dir.file("game.txt");
    JournalWriter writer(path, gameWithScore(1));
    writer.flush();
    putOtherGame(path, 2);
    // The action finds the other game's file and asks for a snapshot, which waits for the lock
    // while the other game acts again (or wins it, and the test passes without the race).
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
