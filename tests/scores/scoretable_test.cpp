// scoretable_test.cpp: the table of the best games ranks one row per game, reads back what it
// wrote, and a damaged, foreign or unreachable file costs nothing the player had.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>

#include "scoretablefile.h"
#include "scoretablekeeper.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

Seconds at(int second) {
    return Seconds(std::chrono::seconds(1'800'000'000 + second));  // 2027-01-15T08:00:00Z
}

std::size_t linesOf(const std::string& text) {
    return std::size_t(std::count(text.begin(), text.end(), '\n'));
}

// A name of nullptr ends the game instead of entering its score.
struct Step {
    std::uint32_t game;
    std::int64_t score;
    int time;
    const char* name;
    int rank;  // the rank that the entry takes, or 0
};

const std::string kLong = "Zoë" + std::string(37, 'z') + "ö and more";

// clang-format off
const Step kSteps[] = {
    {7, 120, 10, "Ana", 1}, {8, 120, 5, "Bo", 1},  // of equal scores the earlier first
    {7, 100, 20, "Ana", 0},                        // lower in the same game: no change
    {7, 130, 30, "\tAna\n", 1},                    // higher: replaces the game's row
    {10, 120, 5, "Dee", 3},                        // equal score and time: the lower number
    {9, 0, 40, "Cy", 0}, {0, 50, 40, "Cy", 0},     // no score, no game: no entry
    {9, 0, 41, nullptr, 0}, {9, 50, 41, nullptr, 0}, {11, 60, 50, "Ed\x01Wy\x7f", 4},
    {12, 70, 51, kLong.c_str(), 4}, {13, 10, 52, "F", 6}, {14, 11, 53, "G", 6},
    {15, 12, 54, "H", 6}, {16, 13, 55, "I", 6}, {17, 14, 56, "J", 6},
    {18, 10, 57, "K", 0},                          // a full table keeps the earlier of equals
    {19, 9000, 58, "", 1},                         // an empty name is the one used last: J's
};
// clang-format on

void play(const ScoreTableFile& file, const Step& step) {
    SCOPED_TRACE(step.game);
    if (!step.name) {
        EXPECT_TRUE(file.gameEnded(step.score));
        return;
    }
    const ScoreOffer offer{step.game, step.score, at(step.time), 0, {}};
    EXPECT_EQ(file.rankFor(offer), step.rank);
    EXPECT_EQ(file.enter(offer, step.name).rank, step.rank);
}

TEST(ScoreTableFile, RanksOneRowPerGameAndReadsBackWhatItWrote) {
    const test::TemporaryDirectory dir;
    const ScoreTableFile file(dir.file("new/varn/scores.txt"));
    for (const Step& step : kSteps)
        play(file, step);
    const ScoreTable table = file.read();
    std::string rows;
    for (const BestGame& row : table.rows())
        rows += std::to_string(row.game) + ' ' + row.name + ", ";
    EXPECT_EQ(rows, "19 J, 7 Ana, 8 Bo, 10 Dee, 12 Zoë" + std::string(37, 'z') +
                        ", 11 Ed Wy, 17 J, 16 I, 15 H, 14 G, ");
    EXPECT_EQ(table.rows()[1].time, at(30));
    const ScoreStatistics& statistics = table.statistics();
    EXPECT_EQ(statistics.played, 1u);
    EXPECT_EQ(statistics.entered, 14u);
    EXPECT_EQ(statistics.total, 9790u);
    EXPECT_EQ(statistics.best, 9000);
    EXPECT_DOUBLE_EQ(statistics.average(), 9790.0 / 14);
    ASSERT_EQ(statistics.recent.size(), 14u);
    EXPECT_EQ(statistics.recent.front(), (EnteredScore{120, at(10)}));
    EXPECT_EQ(file.proposedName(), "J");
    // A clock past the years that the text holds is held at their last second.
    file.enter({20, 1, at(0) + std::chrono::years(9000), 0, {}}, "K");
    EXPECT_EQ(file.read().statistics().recent.back().time,
              Seconds(std::chrono::seconds(253'402'300'799)));
}

// The window's table takes in what another game entered meanwhile once its own entry is in.
TEST(ScoreTableKeeper, TakesInWhatAnotherGameEnteredWithItsOwnEntry) {
    const test::TemporaryDirectory dir;
    std::vector<std::function<void()>> posted;
    const WindowPost post = [&posted](std::function<void()> task) { posted.push_back(task); };
    ScoreTableKeeper first(dir.file("scores.txt"), post), second(dir.file("scores.txt"), post);
    first.enter({1, 100, at(0), 0, {}}, "Ana");
    first.flush();
    second.enter({2, 50, at(1), 0, {}}, "Bo");
    second.flush();
    std::ranges::for_each(posted, [](const auto& task) { task(); });
    EXPECT_EQ(second.table().rows().size(), 2u);
}

// Fills `file` as a real game does: a name with a letter beyond ASCII, an entry under the name
// used last, a game played.
void fillExample(const ScoreTableFile& file) {
    file.enter({42, 5120, at(0), 0, "varn1Xy from 5 2 0123"}, "Ana Kovač");
    file.gameEnded(5120);
    file.enter({7, 80, at(70), 0, {}}, "");
}

TEST(ScoreTableFile, IsTextAPersonCanRead) {
    const test::TemporaryDirectory dir;
    const ScoreTableFile file(dir.file("scores.txt"));
    fillExample(file);
    EXPECT_EQ(test::readWhole(file.path()),
              "varn-scores 1\n"
              "# The best games, best first: score, date and time (UTC), game number, name.\n"
              "game 5120 2027-01-15T08:00:00Z 42 Ana Kovač\n"
              "actions varn1Xy from 5 2 0123\n"
              "game 80 2027-01-15T08:01:10Z 7 Ana Kovač\n"
              "# Games played; scores entered, their total and the best of them.\n"
              "played 1\nentered 2\ntotal 5200\nbest 5120\n"
              "# The last entered scores, oldest first: score, date and time (UTC).\n"
              "recent 5120 2027-01-15T08:00:00Z\nrecent 80 2027-01-15T08:01:10Z\n"
              "name Ana Kovač\nend\n");
}

// The rows whose whole line, end included, is in `text`.
std::size_t wholeRows(const std::string& text) {
    std::size_t rows = 0;
    for (auto at = text.find("\ngame "); at != std::string::npos; at = text.find("\ngame ", at + 1))
        rows += text.find('\n', at + 1) != std::string::npos ? 1 : 0;
    return rows;
}

TEST(ScoreTableFile, FileCutAtAnyByteKeepsItsWholeRowsAndIsKeptAside) {
    const test::TemporaryDirectory dir;
    const ScoreTableFile file(dir.file("scores.txt"));
    fillExample(file);
    const std::string whole = test::readWhole(file.path());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE(size);
        const std::string cut = whole.substr(0, size);
        test::writeWhole(file.path(), cut);
        testing::internal::CaptureStderr();
        EXPECT_EQ(file.read().rows().size(), wholeRows(cut));
        EXPECT_EQ(test::readWhole(file.path()), cut) << "reading changes nothing";
        EXPECT_TRUE(file.mend());
        EXPECT_EQ(file.read().rows().size(), wholeRows(cut)) << "mended, and read again";
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(linesOf(said), 1u) << said;
        EXPECT_EQ(test::readWhole(file.path() + ".damaged-1"), cut);
        fs::remove(file.path() + ".damaged-1");
    }
}

enum class Setup { Plain, Directory, Unreadable, Huge, ReadOnlyFolder, FolderIsAFile, Locked };

// A disk that fails inside a file: while armed, a read past a file's first 64 KiB fails.
std::atomic<bool> g_failingDisk = false;

}  // namespace
}  // namespace varn

extern "C" ssize_t read(int file, void* buffer, std::size_t count) {
    struct stat status {};
    if (varn::g_failingDisk && ::fstat(file, &status) == 0 && S_ISREG(status.st_mode) &&
        ::lseek(file, 0, SEEK_CUR) >= 65536) {
        errno = EIO;
        return -1;
    }
    return ::syscall(SYS_read, file, buffer, count);
}

namespace varn {
namespace {

struct DamageCase {
    const char* name;
    Setup setup;
    std::string contents;  // for Plain, ReadOnlyFolder and Huge
    bool saved;            // a new entry is stored
    std::size_t rows;      // the rows read afterwards
    std::size_t lines;     // lines on stderr
    const char* said;      // what the first of them says
    bool aside;            // the file is kept as scores.txt.damaged-1
};

const std::string kHead = "varn-scores 1\n";
const std::string kRow = "game 300 2027-01-15T08:00:00Z 3 Ann\n";
const std::string kOutOfRange =
    kHead + kRow +
    "game 5 2027-01-15T08:00:00Z 0 Bad\ngame 5 2027-01-15T08:00:00Z 4294967296 Bad\n"
    "game 5 2027-01-15T08:00:00Z 4294967295 Top\ngame -5 2027-01-15T08:00:00Z 6 Bad\n"
    "game 10000000000000000 2027-01-15T08:00:00Z 6 Bad\n"
    "game 9999999999999999 2027-01-15T08:00:00Z 6 Most\n"
    "game 5 2027-02-29T08:00:00Z 7 Bad\ngame 5 2027-13-01T08:00:00Z 8 Bad\n"
    "game 5 2027-01-15T24:00:00Z 9 Bad\ngame 5 1969-12-31T23:59:59Z 10 Bad\n"
    "game 5 2027-01-15 08:00:00Z 11 Bad\n"
    // Each mark of a date and time out of place, alone.
    "game 5 2027/01-15T08:00:00Z 12 Bad\ngame 5 2027-01/15T08:00:00Z 13 Bad\n"
    "game 5 2027-01-15T08.00:00Z 14 Bad\ngame 5 2027-01-15T08:00.00Z 15 Bad\n"
    "game 5 2027-01-15T08:00:00+ 16 Bad\ngame 5 2027-01-15T08:00:00Z0 17 Bad\n"
    "game 5x 2027-01-15T08:00:00Z 18 Bad\n";

const DamageCase kDamage[] = {
    {"Garbage", Setup::Plain,
     "\x7f"
     "ELF\x02\x01\0\n\xff\xfe\n"s +
         kRow + "\x01",
     true, 2, 1, "line 1: it is not a Varn scores file; kept as", true},
    {"Empty", Setup::Plain, "", true, 1, 1, "it is empty", true},
    {"NotAsWritten", Setup::Plain, kHead + "game 300 2027-01-15T08:00:00Z 3 Ann \n", true, 2, 1,
     "line 2: it is not as Varn writes it", true},
    {"FutureVersion", Setup::Plain, "varn-scores 2\n" + kRow, true, 1, 1, "another version", true},
    {"ActionsOfNoRow", Setup::Plain, kHead + "actions varn1\n" + kRow, true, 2, 1,
     "line 2: its actions belong to no row", true},
    {"NumbersOutOfRange", Setup::Plain, kOutOfRange, true, 4, 1, "line 3: game number '0'", true},
    {"EscapesAndLongWords", Setup::Plain,
     kHead + kRow + "game \x1b]0;owned\x07" + std::string(3000, '9') +
         " 2027-01-15T08:00:00Z 4 E\n",
     true, 2, 1, "line 3: score '?]0;owned?9999999999999999999999...' is out of range", true},
    {"Huge", Setup::Huge, kHead + kRow, true, 2, 1, "longer than 4194304 bytes", true},
    {"Unreadable", Setup::Unreadable, "", true, 1, 1, "it cannot be read", true},
    {"FailsMidway", Setup::Plain, std::string(100'000, 'x'), true, 1, 1,
     "it cannot be read: Input/output error; kept as", true},
    {"DirectoryInItsPlace", Setup::Directory, "", false, 0, 1, "not a file; the scores are", false},
    {"UnwritableFolder", Setup::ReadOnlyFolder, "", false, 1, 0, "", false},
    {"UnwritableFolderDamaged", Setup::ReadOnlyFolder, kHead + kRow, false, 1, 1, "left as it is",
     false},
    {"FolderCannotBeMade", Setup::FolderIsAFile, "", false, 0, 0, "", false},
    {"LockedByAnotherGame", Setup::Locked, "", false, 1, 0, "", false},
};

void prepare(const DamageCase& c, const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    if (c.setup == Setup::FolderIsAFile) return test::writeWhole(folder.parent_path(), "");
    fs::create_directories(folder);
    if (c.setup == Setup::Directory) fs::create_directory(path);
    const bool written = c.setup == Setup::Plain || c.setup == Setup::Huge || !c.contents.empty();
    if (written) test::writeWhole(path, c.contents);
    if (!written && c.setup != Setup::Directory)
        ScoreTableFile(path).enter({3, 300, at(0), 0, {}}, "Ann");
    if (c.setup == Setup::Huge) fs::resize_file(path, std::uintmax_t(8) << 30);  // sparse
    if (c.setup == Setup::Unreadable) ::chmod(path.c_str(), 0);
    if (c.setup == Setup::ReadOnlyFolder) ::chmod(folder.c_str(), 0555);
}

// What stderr says while a game enters a score and reads the table back. Permissions bind root
// only as another file-system user, whose files they then become.
std::string enterAndRead(const DamageCase& c, const fs::path& tree, const std::string& path) {
    constexpr uid_t kNobody = 65534;
    const bool root = ::geteuid() == 0;
    if (root) {
        EXPECT_EQ(::lchown(tree.c_str(), kNobody, kNobody), 0);
        for (const auto& entry : fs::recursive_directory_iterator(tree))
            EXPECT_EQ(::lchown(entry.path().c_str(), kNobody, kNobody), 0);
        ::setfsuid(kNobody);
    }
    testing::internal::CaptureStderr();
    const ScoreTableFile file(path);
    EXPECT_EQ(file.enter({99, 5, at(9), 0, {}}, "Zed").saved, c.saved);
    EXPECT_EQ(file.read().rows().size(), c.rows);
    if (root) ::setfsuid(0);
    return testing::internal::GetCapturedStderr();
}

// A terminal shows each line as it is, whatever the file holds, and none is long.
bool shortAndPrintable(const std::string& said) {
    std::size_t length = 0;
    for (const char c : said) {
        length = c == '\n' ? 0 : length + 1;
        if ((c != '\n' && c < ' ') || c == '\x7f' || length > 250) return false;
    }
    return true;
}

TEST(ScoreTableFile, DamagedOrUnreachableFileCostsNothingThePlayerHad) {
    for (const DamageCase& c : kDamage) {
        SCOPED_TRACE(c.name);
        const test::TemporaryDirectory dir;
        const std::string path = dir.file("data/varn/scores.txt");
        const std::string aside = path + ".damaged-1";
        prepare(c, path);
        const fs::path folder = fs::path(path).parent_path();
        const int lock = ::open(folder.c_str(), O_RDONLY);
        if (c.setup == Setup::Locked) ::flock(lock, LOCK_EX);
        const bool regular = fs::is_regular_file(path);
        const std::uintmax_t size = regular ? fs::file_size(path) : 0;
        const std::string before = regular && size < 1000 ? test::readWhole(path) : "";
        g_failingDisk = std::string_view(c.name) == "FailsMidway";
        const std::string said = enterAndRead(c, dir.path(), path);
        g_failingDisk = false;
        ::close(lock);
        EXPECT_EQ(linesOf(said), c.lines) << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        EXPECT_TRUE(shortAndPrintable(said)) << said;
        EXPECT_EQ(fs::exists(aside), c.aside);
        if (c.aside) {
            EXPECT_EQ(fs::file_size(aside), size);
            EXPECT_EQ(size < 1000 ? test::readWhole(aside) : "", before);
        }
        if (!c.saved) {
            EXPECT_EQ(fs::is_regular_file(path) ? test::readWhole(path) : "", before);
        }
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_TRUE(entry.path() == path || entry.path() == aside) << entry.path();
    }
}

}  // namespace
}  // namespace varn
