// highscorefile_test.cpp: reading what any file of that name may hold, and writing it safely.
#include "highscorefile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "temporarydirectory.h"

namespace varn {
namespace {

using test::entryCount;
using test::readWhole;
using test::writeWhole;

class HighScoreFileTest : public ::testing::Test {
  protected:
    std::optional<std::string> firstLineOf(const std::string& bytes) {
        writeWhole(m_dir.file(kHighScoreFileName), bytes);
        return m_file.readFirstLine();
    }

    test::TemporaryDirectory m_dir;
    HighScoreFile m_file{m_dir.file(kHighScoreFileName)};
};

TEST_F(HighScoreFileTest, MissingFileDoesNotExistAndHasNoLine) {
    EXPECT_FALSE(m_file.exists());
    EXPECT_EQ(m_file.readFirstLine(), std::nullopt);
}

TEST_F(HighScoreFileTest, FirstLineEndsAtCrLfOrAtTheEnd) {
    EXPECT_EQ(firstLineOf("120\r\n"), "120");
    EXPECT_EQ(firstLineOf("120"), "120");
    EXPECT_EQ(firstLineOf("77\r\n12\r\nrest"), "77");
    EXPECT_EQ(firstLineOf("55\r"), "55");
    // A file edited on this system ends its lines with LF alone.
    EXPECT_EQ(firstLineOf("66\n99\n"), "66");
    EXPECT_EQ(firstLineOf("  0042\r\n"), "  0042");
}

TEST_F(HighScoreFileTest, FileWithoutALineGivesAnEmptyLine) {
    EXPECT_EQ(firstLineOf(""), "");
    EXPECT_EQ(firstLineOf("\r\n12\r\n"), "");
}

TEST_F(HighScoreFileTest, HugeFileIsReadOnlyAsFarAsTheBound) {
    const auto line = firstLineOf(std::string(4 << 20, '9'));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->size(), HighScoreFile::kMaxLineLength);
}

TEST_F(HighScoreFileTest, BinaryBytesPassThroughUpToTheLineEnd) {
    const std::string bytes(
        "\x01\x00\xff"
        "7\r\n",
        6);
    EXPECT_EQ(firstLineOf(bytes), std::string("\x01\x00\xff"
                                              "7",
                                              4));
}

TEST_F(HighScoreFileTest, DirectoryOrFifoOfThatNameHasNoLine) {
    std::filesystem::create_directory(m_file.path());
    EXPECT_TRUE(m_file.exists());
    EXPECT_EQ(m_file.readFirstLine(), std::nullopt);
    std::filesystem::remove(m_file.path());
    ASSERT_EQ(::mkfifo(m_file.path().c_str(), 0600), 0);
    EXPECT_EQ(m_file.readFirstLine(), std::nullopt);  // and does not wait for a writer
}

TEST_F(HighScoreFileTest, UnreadableFileHasNoLine) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    writeWhole(m_file.path(), "10\r\n");
    ::chmod(m_file.path().c_str(), 0);
    EXPECT_EQ(m_file.readFirstLine(), std::nullopt);
}

TEST_F(HighScoreFileTest, WritingReplacesTheWholeFileWithOneLine) {
    writeWhole(m_file.path(), "99999\r\nmore lines\r\nand more\r\n");
    ASSERT_TRUE(m_file.writeLine("120"));
    EXPECT_EQ(readWhole(m_file.path()), "120\r\n");
    EXPECT_EQ(entryCount(m_dir.path()), 1) << "no temporary file is left behind";
}

TEST_F(HighScoreFileTest, WrittenFileGetsTheUsualMode) {
    const mode_t old = ::umask(022);
    ASSERT_TRUE(m_file.writeLine("0"));
    ::umask(old);
    struct stat info {};
    ASSERT_EQ(::stat(m_file.path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(HighScoreFileTest, FailedWriteReportsFailureAndLeavesNoTrace) {
    std::filesystem::create_directory(m_file.path());
    EXPECT_FALSE(m_file.writeLine("120"));
    EXPECT_TRUE(std::filesystem::is_directory(m_file.path()));
    EXPECT_EQ(entryCount(m_dir.path()), 1);

    const HighScoreFile nowhere(m_dir.file("missing-directory/Varn_hsc.nrz"));
    EXPECT_FALSE(nowhere.writeLine("120"));
}

TEST_F(HighScoreFileTest, ReadOnlyDirectoryKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into every directory";
    writeWhole(m_file.path(), "50\r\n");
    ::chmod(m_dir.path().c_str(), 0555);
    EXPECT_FALSE(m_file.writeLine("120"));
    EXPECT_EQ(readWhole(m_file.path()), "50\r\n");
}

}  // namespace
}  // namespace varn
