// embedsndfile_test.cpp: loading a sound file into a player at design time, and its messages.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "embedsound.h"
#include "fakesoundhost.h"
#include "fakesoundoutput.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

using test::MessageBoxShown;

class EmbedSndFileTest : public ::testing::Test {
  protected:
    std::string fileOf(std::size_t size, const std::string& name = "clip.wav") {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 7 + 1);
        test::writeWhole(m_dir.file(name), bytes);
        return m_dir.file(name);
    }
    const MessageBoxShown& onlyBox() const {
        EXPECT_EQ(m_host.m_boxes.size(), 1u);
        return m_host.m_boxes.back();
    }

    test::TemporaryDirectory m_dir;
    test::FakeSoundHost m_host;
    test::FakeSoundOutput m_output;
    EmbedSound m_player{m_host, m_output};
};

TEST_F(EmbedSndFileTest, FileIsEmbeddedWithOneTrailingZeroByte) {
    const std::string path = fileOf(10262);
    m_player.SndFile(path);
    const std::string bytes = test::readWhole(path);
    ASSERT_EQ(m_player.MemWav().size(), 10263u);
    EXPECT_TRUE(
        std::equal(bytes.begin(), bytes.end(), m_player.MemWav().begin(),
                   [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; }));
    EXPECT_EQ(m_player.MemWav().back(), 0);
    EXPECT_EQ(onlyBox().title, "Success");
    EXPECT_EQ(onlyBox().text, "File " + path + " was successfully embed.\r\nFile Size : 11 KB.");
    EXPECT_EQ(m_host.m_changed, (std::vector<std::string>{"SndFile", "MemWav"}));
    EXPECT_EQ(m_player.SndFile(), path);
}

TEST_F(EmbedSndFileTest, SizeInTheMessageIsWholeKilobytesPlusOne) {
    const std::pair<std::size_t, const char*> sizes[] = {{1, "1"},    {1023, "1"},   {1024, "2"},
                                                         {2048, "3"}, {10262, "11"}, {43152, "43"}};
    for (const auto& [size, kilobytes] : sizes) {
        m_player.SndFile(fileOf(size));
        EXPECT_TRUE(
            m_host.m_boxes.back().text.ends_with(std::string("File Size : ") + kilobytes + " KB."))
            << size << " bytes: " << m_host.m_boxes.back().text;
        EXPECT_EQ(m_player.MemWav().size(), size + 1);
    }
}

TEST_F(EmbedSndFileTest, MissingFileKeepsTheOldClipButTakesTheNewPath) {
    m_player.SndFile(fileOf(100));
    const ByteArray old = m_player.MemWav();
    m_host.m_boxes.clear();
    m_host.m_changed.clear();
    const std::string missing = m_dir.file("nowhere.wav");
    m_player.SndFile(missing);
    EXPECT_EQ(onlyBox().title, "EmbedSound Error");
    EXPECT_EQ(onlyBox().text, "An error occured.\r\nFile not found");
    EXPECT_EQ(m_player.MemWav(), old);
    EXPECT_EQ(m_player.SndFile(), missing);
    EXPECT_EQ(m_host.m_changed, std::vector<std::string>{"SndFile"});
}

TEST_F(EmbedSndFileTest, EmptyFileFailsWithAnEmptySecondLine) {
    m_player.SndFile(fileOf(100));
    const ByteArray old = m_player.MemWav();
    m_player.SndFile(fileOf(0, "empty.wav"));
    EXPECT_EQ(m_host.m_boxes.back().title, "EmbedSound Error");
    EXPECT_EQ(m_host.m_boxes.back().text, "An error occured.\r\n");
    EXPECT_EQ(m_player.MemWav(), old);
}

TEST_F(EmbedSndFileTest, EmptyPathAndNonFilesFailWithoutHarm) {
    m_player.SndFile("");
    EXPECT_EQ(m_host.m_boxes.back().text, "An error occured.\r\nFile not found");
    m_player.SndFile(m_dir.path().string());
    EXPECT_EQ(m_host.m_boxes.back().text, "An error occured.\r\nPath/File access error");
    const std::string fifo = m_dir.file("pipe.wav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    m_player.SndFile(fifo);  // and does not wait for a writer
    EXPECT_EQ(m_host.m_boxes.back().title, "EmbedSound Error");
    EXPECT_TRUE(m_player.MemWav().empty());
    EXPECT_EQ(m_host.m_boxes.size(), 3u);
}

TEST_F(EmbedSndFileTest, UnreadableFileFailsAndKeepsTheOldClip) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    m_player.SndFile(fileOf(100));
    const std::string locked = fileOf(50, "locked.wav");
    ::chmod(locked.c_str(), 0);
    m_player.SndFile(locked);
    EXPECT_EQ(m_host.m_boxes.back().text, "An error occured.\r\nPermission denied");
    EXPECT_EQ(m_player.MemWav().size(), 101u);
}

TEST_F(EmbedSndFileTest, FileThatCannotBeReadKeepsTheOldClip) {
    // Files of /proc have content but claim a length of 0: nothing is embedded from them.
    m_player.SndFile(fileOf(100));
    const ByteArray old = m_player.MemWav();
    m_player.SndFile("/proc/self/status");
    EXPECT_EQ(m_host.m_boxes.back().title, "EmbedSound Error");
    EXPECT_EQ(m_player.MemWav(), old);
}

TEST_F(EmbedSndFileTest, FileThatEndsBeforeItsLengthKeepsTheOldClip) {
    // A sysfs attribute claims 4096 bytes and holds a few: the read stops short, as it does
    // when a file shrinks while it is loaded.
    const std::string shortFile = "/sys/devices/system/cpu/online";
    if (!std::filesystem::exists(shortFile)) GTEST_SKIP() << "no sysfs here";
    m_player.SndFile(fileOf(100));
    const ByteArray old = m_player.MemWav();
    m_host.m_changed.clear();
    m_player.SndFile(shortFile);
    EXPECT_EQ(m_host.m_boxes.back().title, "EmbedSound Error");
    EXPECT_EQ(m_host.m_boxes.back().text, "An error occured.\r\nInput past end of file");
    EXPECT_EQ(m_player.MemWav(), old) << "no half-read clip";
    EXPECT_EQ(m_host.m_changed, std::vector<std::string>{"SndFile"});
}

TEST_F(EmbedSndFileTest, LoadedClipTravelsThroughSaveAndRestore) {
    m_player.SndFile(fileOf(3000));
    m_player.SyncSnd(true);
    m_player.UserControl_WriteProperties();
    test::FakeSoundHost restoredHost;
    for (const auto& written : m_host.m_written)
        restoredHost.m_saved[written.key] = written.value;
    EmbedSound restored(restoredHost, m_output);
    restored.UserControl_ReadProperties();
    EXPECT_EQ(restored.MemWav(), m_player.MemWav());
    EXPECT_EQ(restored.SndFile(), m_player.SndFile());
    EXPECT_TRUE(restored.SyncSnd());
    EXPECT_FALSE(restored.LoopSnd());
}

}  // namespace
}  // namespace varn
