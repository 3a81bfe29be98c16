// scorefile_test.cpp: the high score when its file is missing, in the way, huge, unreadable or
// cannot be written. What the file's line shows and how it counts is proven by the replay cases.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <thread>
#include <vector>

#include "highscorefile.h"
#include "replacefile.h"
#include "scorekeeper.h"
#include "scriptedwindow.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

enum class Setup {
    None,
    Directory,
    Fifo,
    Device,
    NoDirectory,
    ReadOnlyDir,
    Unreadable,
    Huge,
    FullDisk
};

struct FileCase {
    const char* name;
    Setup setup;
    std::string shown;       // the high score after the file has been read
    int points;              // the score when "Enter score" is pressed
    std::string shownAfter;  // the high score after that
    int beeps;               // 1 when the score is no better or could not be stored
    const char* stored;      // what the file holds at the end, when that is known
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kHugeLine(HighScoreFile::kMaxLineLength, '9');

const FileCase kCases[] = {
    {"MissingFileIsCreatedThenReplaced", Setup::None, "0", 5, "5", 0, "5\r\n"},
    {"DirectoryInTheWayBeepsAndStays", Setup::Directory, "0", 5, "5", 1, nullptr},
    {"FifoIsReadWithoutWaitingAndReplaced", Setup::Fifo, "0", 5, "5", 0, "5\r\n"},
    {"DeviceIsNoFileAndIsReplaced", Setup::Device, "0", 5, "5", 0, "5\r\n"},
    {"MissingDirectoryBeeps", Setup::NoDirectory, "0", 5, "5", 1, nullptr},
    {"ReadOnlyDirectoryKeepsTheOldFile", Setup::ReadOnlyDir, "50", 80, "80", 1, "50\r\n"},
    {"UnreadableFileShowsZero", Setup::Unreadable, "0", 5, "5", 0, "5\r\n"},
    {"HugeFileIsReadOnlyToTheBound", Setup::Huge, kHugeLine, 5, kHugeLine, 1, nullptr},
    {"FullDiskKeepsTheOldFile", Setup::FullDisk, "50", 80, "80", 1, "50\r\n"},
};

void prepare(Setup setup, const std::filesystem::path& directory, const std::string& path) {
    switch (setup) {
        case Setup::Directory:
            std::filesystem::create_directory(path);
            break;
        case Setup::Fifo:
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            break;
        case Setup::Device:
            std::filesystem::create_symlink("/dev/zero", path);
            break;
        case Setup::ReadOnlyDir:
            test::writeWhole(path, "50\r\n");
            ::chmod(directory.c_str(), 0555);
            break;
        case Setup::Unreadable:
            test::writeWhole(path, "10\r\n");
            ::chmod(path.c_str(), 0);
            break;
        case Setup::Huge:
            test::writeWhole(path, std::string(4 << 20, '9'));
            break;
        case Setup::FullDisk:
            test::writeWhole(path, "50\r\n");
            break;
        case Setup::None:
        case Setup::NoDirectory:
            break;
    }
}

// Presses "Enter score"; on a full disk files may grow to two bytes only.
void pressEnterScore(ScoreKeeper& keeper, Setup setup) {
    rlimit files{};
    ::getrlimit(RLIMIT_FSIZE, &files);
    if (setup == Setup::FullDisk) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit full{2, files.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &full);
    }
    keeper.Command1_Click();
    ::setrlimit(RLIMIT_FSIZE, &files);
}

// What the file and its directory hold after the entry.
void expectStored(const FileCase& c, const std::string& path) {
    if (c.stored) {
        EXPECT_EQ(test::readWhole(path), c.stored);
    }
    if (c.beeps == 0) {
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << "the usual mode, also for a second write";
    }
}

class ScoreFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(ScoreFileTest, GameGoesOnWithAHighScoreOnDisplay) {
    const FileCase& c = GetParam();
    const bool needsPermissions = c.setup == Setup::ReadOnlyDir || c.setup == Setup::Unreadable;
    if (needsPermissions && ::geteuid() == 0) GTEST_SKIP() << "root reads and writes every file";
    const test::TemporaryDirectory dir;
    const std::string path =
        dir.file(c.setup == Setup::NoDirectory ? "gone/Varn_hsc.nrz" : kHighScoreFileName);
    prepare(c.setup, dir.path(), path);
    const mode_t mask = ::umask(022);
    const int descriptors = test::entryCount("/proc/self/fd");
    ScriptedWindow window;
    HighScoreFile file(path);
    ScoreKeeper keeper(window, &file);
    keeper.LoadHiScore();
    EXPECT_EQ(window.labelText(ScoreLabel::Label8), c.shown);
    keeper.addPoints(c.points);
    keeper.showScore();
    pressEnterScore(keeper, c.setup);
    ::umask(mask);
    EXPECT_EQ(window.labelText(ScoreLabel::Label8), c.shownAfter);
    EXPECT_EQ(window.beeps(), c.beeps);
    expectStored(c, path);
    EXPECT_EQ(test::entryCount("/proc/self/fd"), descriptors) << "every file is closed again";
    EXPECT_EQ(test::entryCount(dir.path()), c.setup == Setup::NoDirectory ? 0 : 1)
        << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(Files, ScoreFileTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The writers of the scores run on threads of their own, and the umask is the whole process's.
TEST(ReplaceFile, FilesWrittenOnEightThreadsAtOnceGetTheUmasksMode) {
    const test::TemporaryDirectory folder;
    const mode_t before = ::umask(027);
    std::vector<std::thread> writers;
    for (int thread = 0; thread < 8; ++thread)
        writers.emplace_back([&, thread] {
            for (int file = 0; file < 40; ++file)
                replaceFile(folder.file(std::to_string(thread) + "-" + std::to_string(file)), "1");
        });
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(::umask(before), mode_t(027));
    EXPECT_EQ(test::entryCount(folder.path()), 8 * 40);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(std::filesystem::status(entry).permissions(), std::filesystem::perms(0640));
}

}  // namespace
}  // namespace varn
