// player_test.cpp: the sound-player control in its design host; loading files is proven
// through varn-design (varndesign_test.sh).
#include "embedsound.h"

#include <gtest/gtest.h>

#include <functional>

#include "designhost.h"
#include "recordingoutput.h"
#include "sounderror.h"

namespace varn {
namespace {

const ByteArray kClip{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E', 0};

// The number of the SoundError that `action` raises, or 0.
int errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const SoundError& error) {
        return error.number();
    }
    return 0;
}

class PlayerTest : public ::testing::Test {
  protected:
    void restore(std::vector<std::pair<const char*, PropertyValue>> values) {
        for (auto& [key, value] : values)
            m_instance.set(key, std::move(value));
        m_player.UserControl_ReadProperties();
    }

    DesignInstance m_instance{1};
    DesignHost m_host{m_instance, DesignHost::Mode::Run};
    test::RecordingOutput m_output;
    EmbedSound m_player{m_host, m_output};
};

TEST_F(PlayerTest, PlaysWithTheFlagsOfItsSettingsAfterLettingEventsRun) {
    restore({{"MemWav", kClip}});
    int events = 0;
    m_host.setDoEvents(
        [&] { EXPECT_EQ(m_output.played.size(), static_cast<std::size_t>(events++)); });
    m_output.result = false;  // what the output makes of the clip is not the player's concern
    // LoopSnd, SyncSnd, StopSnd and the flags.
    const std::tuple<bool, bool, bool, std::uint32_t> table[] = {
        {false, false, false, 23}, {false, false, true, 7},  {false, true, false, 22},
        {false, true, true, 6},    {true, false, false, 31}, {true, false, true, 15},
        {true, true, false, 30},   {true, true, true, 14}};
    for (const auto& [loop, sync, stop, flags] : table) {
        m_player.LoopSnd(loop);
        m_player.SyncSnd(sync);
        m_player.StopSnd(stop);
        EXPECT_TRUE(m_player.PlaySound());
        EXPECT_EQ(m_output.played.back().flags, flags);
        EXPECT_EQ(m_output.played.back().bytes, 12u);
    }
    for (const char* flag : {"LoopSnd", "SyncSnd", "StopSnd"})
        EXPECT_TRUE(m_host.modified(flag)) << flag;
    EXPECT_FALSE(m_host.modified("SndFile"));
}

TEST_F(PlayerTest, WithoutAClipPlaysNothingAndErrorsInsidePlayAreFalse) {
    int events = 0;
    m_host.setDoEvents([&] { ++events; });
    EXPECT_FALSE(m_player.PlaySound());
    EXPECT_EQ(events, 1) << "events run even without a clip";
    restore({{"MemWav", kClip}});
    m_output.onPlay = [] { throw std::runtime_error("device gone"); };
    EXPECT_FALSE(m_player.PlaySound());
    m_host.setDoEvents([] { throw SoundError(5, "Invalid procedure call"); });
    EXPECT_FALSE(m_player.PlaySound());
    EXPECT_EQ(m_output.played.size(), 1u);
    EXPECT_TRUE(m_player.StopSound());
    m_player.UserControl_Terminate();
    EXPECT_EQ(m_output.stops, 2);
}

TEST_F(PlayerTest, SndFileIsNeitherReadNorSetAtRunTime) {
    restore({{"SndFile", std::string("a.wav")}});
    EXPECT_EQ(errorOf([&] { static_cast<void>(m_player.SndFile()); }), 393);
    EXPECT_EQ(errorOf([&] { m_player.SndFile("b.wav"); }), 382);
    DesignHost designer(m_instance, DesignHost::Mode::Design);
    EmbedSound designed(designer, m_output);
    designed.UserControl_ReadProperties();
    EXPECT_EQ(designed.SndFile(), "a.wav");
}

// Also in a host that answers each change of size with a resize, as a form does: the control
// comes back to it once, not round for ever.
TEST_F(PlayerTest, IsAlways32PixelsSquare) {
    struct Host : DesignHost {
        using DesignHost::DesignHost;
        void setSize(int width, int height) override {
            DesignHost::setSize(width, height);
            if (++sized < 50) player->UserControl_Resize();
        }
        EmbedSound* player = nullptr;
        int sized = 0;
    } host(m_instance, DesignHost::Mode::Design);
    EmbedSound player(host, m_output);
    host.player = &player;
    player.UserControl_Resize();
    EXPECT_EQ(m_instance.widthTwips(), 480);
    EXPECT_EQ(host.sized, 1);
    host.setTwipsPerPixel(12, 20);
    player.UserControl_Resize();
    EXPECT_EQ(m_instance.widthTwips(), 384);
    EXPECT_EQ(m_instance.heightTwips(), 640);
}

TEST_F(PlayerTest, RestoreConvertsSavedValuesAndAWrongTypeChangesNothing) {
    restore({{"MemWav", kClip},
             {"SndFile", std::int16_t{7}},
             {"SyncSnd", std::int16_t{-1}},
             {"LoopSnd", std::int16_t{0}}});
    DesignHost designer(m_instance, DesignHost::Mode::Design);
    EmbedSound designed(designer, m_output);
    designed.UserControl_ReadProperties();
    EXPECT_EQ(designed.SndFile(), "7");
    EXPECT_TRUE(m_player.SyncSnd());
    EXPECT_FALSE(m_player.LoopSnd());
    const std::pair<const char*, PropertyValue> wrong[] = {{"LoopSnd", std::string("yes")},
                                                           {"SndFile", ByteArray{1, 2}},
                                                           {"MemWav", std::string("RIFF")},
                                                           {"MemWav", std::int16_t{3}}};
    for (const auto& [key, value] : wrong) {
        DesignInstance saved = m_instance;
        m_instance.set(key, value);
        EXPECT_EQ(errorOf([&] { m_player.UserControl_ReadProperties(); }), 13) << key;
        m_instance = saved;
        EXPECT_EQ(m_player.MemWav(), kClip);
        EXPECT_TRUE(m_player.SyncSnd());
    }
    m_instance.set("MemWav", std::int16_t{0});
    m_player.UserControl_ReadProperties();
    EXPECT_FALSE(m_player.PlaySound()) << "saved data without a clip restore a player without one";
}

}  // namespace
}  // namespace varn
