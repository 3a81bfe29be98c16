// player_test.cpp: the sound-player control in its design host: flags and saved keys, the
// run-mode rules, sizing, restoring saved values, and loading a file into the player.
#include "embedsound.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "designhost.h"
#include "recordingoutput.h"
#include "saveddesign.h"
#include "sounderror.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

const ByteArray kClip{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E', 0};

struct Setting {
    bool loop, sync, stop;
    std::uint32_t flags;
    std::vector<std::string> keys;
};

void PrintTo(const Setting& setting, std::ostream* out) {
    *out << setting.flags;
}

class SettingTest : public ::testing::TestWithParam<Setting> {};

TEST_P(SettingTest, IsSavedWithoutDefaultsAndPlaysWithItsFlagsAfterTheRestore) {
    const Setting& setting = GetParam();
    SavedDesign design;
    DesignInstance& instance = design.add(1);
    instance.set("MemWav", kClip);
    instance.set("LoopSnd", true);  // a setting saved before is left out when it is the default
    test::RecordingOutput output;
    DesignHost designer(instance, DesignHost::Mode::Design);
    EmbedSound player(designer, output);
    player.UserControl_ReadProperties();
    player.LoopSnd(setting.loop);
    player.SyncSnd(setting.sync);
    player.StopSnd(setting.stop);
    designer.save(player);

    SavedDesign restored = SavedDesign::decode(design.encode());
    std::vector<std::string> keys;
    for (const DesignProperty& property : restored.instances()[0].properties())
        keys.push_back(property.key);
    EXPECT_EQ(keys, setting.keys);
    DesignHost host(*restored.find(1), DesignHost::Mode::Run);
    int events = 0;
    host.setDoEvents([&] {
        EXPECT_TRUE(output.played.empty()) << "events run before the clip is handed over";
        ++events;
    });
    EmbedSound game(host, output);
    game.UserControl_ReadProperties();
    output.result = false;  // what the output makes of the clip is not the player's concern
    EXPECT_TRUE(game.PlaySound());
    EXPECT_EQ(events, 1);
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_EQ(output.played[0].flags, setting.flags);
    EXPECT_EQ(output.played[0].bytes, 12u);
}

INSTANTIATE_TEST_SUITE_P(
    LoopSyncStop, SettingTest,
    ::testing::Values(Setting{false, false, false, 23, {"memwav"}},
                      Setting{false, false, true, 7, {"stopsnd", "memwav"}},
                      Setting{false, true, false, 22, {"syncsnd", "memwav"}},
                      Setting{false, true, true, 6, {"syncsnd", "stopsnd", "memwav"}},
                      Setting{true, false, false, 31, {"loopsnd", "memwav"}},
                      Setting{true, false, true, 15, {"loopsnd", "stopsnd", "memwav"}},
                      Setting{true, true, false, 30, {"loopsnd", "syncsnd", "memwav"}},
                      Setting{true, true, true, 14, {"loopsnd", "syncsnd", "stopsnd", "memwav"}}));

class PlayerTest : public ::testing::Test {
  protected:
    // A player restored from saved values, in design mode.
    void restore(std::vector<std::pair<const char*, PropertyValue>> values) {
        for (auto& [key, value] : values)
            m_instance.set(key, std::move(value));
        m_player.UserControl_ReadProperties();
    }

    DesignInstance m_instance{1};
    DesignHost m_host{m_instance, DesignHost::Mode::Design};
    test::RecordingOutput m_output;
    EmbedSound m_player{m_host, m_output};
};

TEST_F(PlayerTest, WithoutAClipPlaysNothingAndErrorsInsidePlayAreFalse) {
    int events = 0;
    m_host.setDoEvents([&] { ++events; });
    m_player.UserControl_InitProperties();
    EXPECT_FALSE(m_player.PlaySound());
    EXPECT_EQ(events, 1) << "events run even without a clip";
    restore({{"MemWav", kClip}});
    m_output.onPlay = [] { throw std::runtime_error("device gone"); };
    EXPECT_FALSE(m_player.PlaySound());
    m_host.setDoEvents([] { throw SoundError(5, "Invalid procedure call"); });
    EXPECT_FALSE(m_player.PlaySound());
    EXPECT_EQ(m_output.played.size(), 1u);
}

TEST_F(PlayerTest, StopAndTheEndOfAPlayerStopTheOutput) {
    EXPECT_TRUE(m_player.StopSound());
    m_player.UserControl_Terminate();
    EXPECT_EQ(m_output.stops, 2);
}

TEST_F(PlayerTest, SndFileIsForDesignModeOnlyAndTheFlagsForBoth) {
    restore({{"SndFile", std::int16_t{7}}, {"SyncSnd", std::int16_t{-1}}});
    EXPECT_EQ(m_player.SndFile(), "7");
    EXPECT_TRUE(m_player.SyncSnd());
    DesignHost runHost(m_instance, DesignHost::Mode::Run);
    EmbedSound running(runHost, m_output);
    running.UserControl_ReadProperties();
    try {
        static_cast<void>(running.SndFile());
        ADD_FAILURE() << "SndFile was read at run time";
    } catch (const SoundError& error) {
        EXPECT_EQ(error.number(), 393);
    }
    try {
        running.SndFile("other.wav");
        ADD_FAILURE() << "SndFile was set at run time";
    } catch (const SoundError& error) {
        EXPECT_EQ(error.number(), 382);
    }
    running.LoopSnd(true);
    EXPECT_TRUE(running.LoopSnd());
    EXPECT_TRUE(runHost.modified("LoopSnd"));
    EXPECT_FALSE(runHost.modified("SndFile"));
}

// A host that sizes the player again whenever its size changes.
class ResizingHost : public DesignHost {
  public:
    using DesignHost::DesignHost;
    void setSize(int width, int height) override {
        DesignHost::setSize(width, height);
        ++sizes;
        player->UserControl_Resize();
    }
    EmbedSound* player = nullptr;
    int sizes = 0;
};

TEST_F(PlayerTest, IsAlways32PixelsSquareWhateverTheHostDoes) {
    ResizingHost host(m_instance, DesignHost::Mode::Design);
    host.setTwipsPerPixel(12, 20);
    EmbedSound player(host, m_output);
    host.player = &player;
    player.UserControl_Resize();
    player.UserControl_Resize();
    EXPECT_EQ(host.sizes, 2);
    EXPECT_EQ(m_instance.widthTwips(), 384);
    EXPECT_EQ(m_instance.heightTwips(), 640);
}

TEST_F(PlayerTest, SavedValueOfTheWrongTypeIsATypeMismatchThatChangesNothing) {
    restore({{"MemWav", kClip}, {"StopSnd", true}});
    const std::pair<const char*, PropertyValue> wrong[] = {{"LoopSnd", std::string("yes")},
                                                           {"SndFile", ByteArray{1, 2}},
                                                           {"MemWav", std::string("RIFF")},
                                                           {"MemWav", std::int16_t{3}}};
    for (const auto& [key, value] : wrong) {
        DesignInstance saved = m_instance;
        m_instance.set(key, value);
        try {
            m_player.UserControl_ReadProperties();
            ADD_FAILURE() << key << " of the wrong type was taken";
        } catch (const SoundError& error) {
            EXPECT_EQ(error.number(), 13);
        }
        m_instance = saved;
        EXPECT_EQ(m_player.MemWav(), kClip);
        EXPECT_TRUE(m_player.StopSnd());
    }
    m_instance.set("MemWav", std::int16_t{0});
    m_player.UserControl_ReadProperties();
    EXPECT_FALSE(m_player.PlaySound()) << "saved data without a clip restore a player without one";
}

struct Load {
    const char* name;
    long size;            // of a file written for the case, or -1
    const char* outcome;  // the box's text after the path or after its first line
};

void PrintTo(const Load& load, std::ostream* out) {
    *out << load.name;
}

class LoadTest : public PlayerTest, public ::testing::WithParamInterface<Load> {
  protected:
    std::string path() {
        const std::string name = GetParam().name;
        if (GetParam().size >= 0) {
            std::string bytes(static_cast<std::size_t>(GetParam().size), '\0');
            for (std::size_t i = 0; i < bytes.size(); ++i)
                bytes[i] = static_cast<char>(i * 7 + 1);
            test::writeWhole(m_dir.file("clip.wav"), bytes);
            return m_dir.file("clip.wav");
        }
        if (name == "missing") return m_dir.file("missing.wav");
        if (name == "directory") return m_dir.path().string();
        if (name == "fifo") ::mkfifo(m_dir.file("pipe").c_str(), 0600);
        return name == "fifo" ? m_dir.file("pipe") : name;
    }

    test::TemporaryDirectory m_dir;
};

TEST_P(LoadTest, ReportsTheOutcomeInABoxAndKeepsTheOldClipOnFailure) {
    if (GetParam().name[0] == '/' && !std::filesystem::exists(GetParam().name)) GTEST_SKIP();
    restore({{"MemWav", kClip}});
    std::vector<std::pair<std::string, std::string>> boxes;
    m_host.setMessageBox([&](const std::string& text, const std::string& title) {
        boxes.emplace_back(title, text);
    });
    const std::string file = path();
    m_player.SndFile(file);
    EXPECT_EQ(m_player.SndFile(), file) << "the new path is kept whatever the outcome";
    const bool embedded = GetParam().size > 0;
    ASSERT_EQ(boxes.size(), 1u);
    if (embedded) {
        EXPECT_EQ(boxes[0], std::make_pair(std::string("Success"),
                                           "File " + file + " was successfully embed.\r\n" +
                                               GetParam().outcome));
        ByteArray expected;
        for (const char byte : test::readWhole(file))
            expected.push_back(static_cast<std::uint8_t>(byte));
        expected.push_back(0);
        EXPECT_EQ(m_player.MemWav(), expected);
    } else {
        EXPECT_EQ(boxes[0],
                  std::make_pair(std::string("EmbedSound Error"),
                                 "An error occured.\r\n" + std::string(GetParam().outcome)));
        EXPECT_EQ(m_player.MemWav(), kClip);
    }
    EXPECT_EQ(m_host.modified("MemWav"), embedded);
    EXPECT_TRUE(m_host.modified("SndFile"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadTest,
    ::testing::Values(Load{"1_byte", 1, "File Size : 1 KB."},
                      Load{"1023_bytes", 1023, "File Size : 1 KB."},
                      Load{"1024_bytes", 1024, "File Size : 2 KB."},
                      Load{"2048_bytes", 2048, "File Size : 3 KB."},
                      Load{"10262_bytes", 10262, "File Size : 11 KB."}, Load{"empty", 0, ""},
                      Load{"missing", -1, "File not found"}, Load{"", -1, "File not found"},
                      Load{"directory", -1, "Path/File access error"},
                      Load{"fifo", -1, "Path/File access error"},
                      // Claims a length of 0 and has content.
                      Load{"/proc/self/status", -1, ""},
                      // Claims 4096 bytes and holds a few, as a file that shrinks while read.
                      Load{"/sys/devices/system/cpu/online", -1, "Input past end of file"}),
    [](const auto& info) {
        std::string name = info.param.name[0] ? info.param.name : "no_path";
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

}  // namespace
}  // namespace varn
