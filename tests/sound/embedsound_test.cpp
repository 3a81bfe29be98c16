// embedsound_test.cpp: playing, stopping, the flags, the run-mode rules, sizing and saving.
#include "embedsound.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "fakesoundhost.h"
#include "fakesoundoutput.h"
#include "sounderror.h"

namespace varn {
namespace {

class EmbedSoundTest : public ::testing::Test {
  protected:
    // Gives the player a clip the way a restore does.
    void giveClip(const ByteArray& clip) {
        m_host.m_saved["MemWav"] = clip;
        m_player.UserControl_ReadProperties();
    }

    test::FakeSoundHost m_host;
    test::FakeSoundOutput m_output;
    EmbedSound m_player{m_host, m_output};
    const ByteArray m_clip{'R', 'I', 'F', 'F', 1, 2, 3, 0};
};

TEST_F(EmbedSoundTest, NewPlayerHasNoClipAndPlaysNothing) {
    m_player.UserControl_InitProperties();
    EXPECT_FALSE(m_player.PlaySound());
    EXPECT_TRUE(m_output.m_plays.empty());
    EXPECT_TRUE(m_host.m_boxes.empty());
    EXPECT_EQ(m_host.m_doEventsCount, 1) << "events run even when there is no clip";
}

TEST_F(EmbedSoundTest, FlagsFollowTheThreeSettings) {
    giveClip(m_clip);
    // LoopSnd, SyncSnd, StopSnd and the flags the output must get.
    const std::tuple<bool, bool, bool, std::uint32_t> table[] = {
        {false, false, false, 23}, {false, false, true, 7},  {false, true, false, 22},
        {false, true, true, 6},    {true, false, false, 31}, {true, false, true, 15},
        {true, true, false, 30},   {true, true, true, 14},
    };
    for (const auto& [loop, sync, stop, flags] : table) {
        m_player.LoopSnd(loop);
        m_player.SyncSnd(sync);
        m_player.StopSnd(stop);
        ASSERT_TRUE(m_player.PlaySound());
        EXPECT_EQ(m_output.m_plays.back().flags, flags) << loop << sync << stop;
    }
    EXPECT_EQ(SND_NODEFAULT | SND_MEMORY | SND_NOSTOP | SND_ASYNC, 23u);
}

TEST_F(EmbedSoundTest, PlayHandsOverTheWholeClipAfterLettingEventsRun) {
    giveClip(m_clip);
    int eventsBeforePlay = -1;
    m_output.m_onPlay = [&] { eventsBeforePlay = m_host.m_doEventsCount; };
    EXPECT_TRUE(m_player.PlaySound());
    EXPECT_EQ(eventsBeforePlay, 1);
    ASSERT_EQ(m_output.m_plays.size(), 1u);
    EXPECT_EQ(m_output.m_plays[0].image, m_clip);
}

TEST_F(EmbedSoundTest, OutputThatCannotPlayTheClipStillCountsAsHandedOver) {
    giveClip(m_clip);
    m_output.m_result = false;
    EXPECT_TRUE(m_player.PlaySound());
}

TEST_F(EmbedSoundTest, ErrorsDuringPlayBecomeFalse) {
    giveClip(m_clip);
    m_output.m_onPlay = [] { throw std::runtime_error("device gone"); };
    EXPECT_FALSE(m_player.PlaySound());
    m_output.m_onPlay = nullptr;
    m_host.m_onDoEvents = [] { throw SoundError(5, "Invalid procedure call"); };
    EXPECT_FALSE(m_player.PlaySound());
    EXPECT_EQ(m_output.m_plays.size(), 1u);
    EXPECT_TRUE(m_host.m_boxes.empty());
}

TEST_F(EmbedSoundTest, StopEndsWhatPlaysAndTerminateStops) {
    EXPECT_TRUE(m_player.StopSound());
    EXPECT_EQ(m_output.m_stops, 1);
    m_player.UserControl_Terminate();
    EXPECT_EQ(m_output.m_stops, 2);
    EXPECT_TRUE(m_output.m_plays.empty());
}

TEST_F(EmbedSoundTest, SndFileIsRefusedAtRunTimeAndStaysAsItWas) {
    m_host.m_saved["SndFile"] = std::string("clips/boom.wav");
    m_player.UserControl_ReadProperties();
    m_host.m_runMode = true;
    try {
        static_cast<void>(m_player.SndFile());
        FAIL() << "reading SndFile at run time must raise an error";
    } catch (const SoundError& error) {
        EXPECT_EQ(error.number(), 393);
    }
    try {
        m_player.SndFile("other.wav");
        FAIL() << "setting SndFile at run time must raise an error";
    } catch (const SoundError& error) {
        EXPECT_EQ(error.number(), 382);
    }
    EXPECT_TRUE(m_host.m_changed.empty());
    EXPECT_TRUE(m_host.m_boxes.empty());
    m_host.m_runMode = false;
    EXPECT_EQ(m_player.SndFile(), "clips/boom.wav");
}

TEST_F(EmbedSoundTest, FlagPropertiesWorkInBothModesAndReportTheirChange) {
    for (const bool runMode : {false, true}) {
        m_host.m_runMode = runMode;
        m_host.m_changed.clear();
        m_player.LoopSnd(true);
        m_player.SyncSnd(true);
        m_player.StopSnd(true);
        EXPECT_TRUE(m_player.LoopSnd() && m_player.SyncSnd() && m_player.StopSnd());
        m_player.StopSnd(false);
        EXPECT_FALSE(m_player.StopSnd());
        EXPECT_EQ(m_host.m_changed,
                  (std::vector<std::string>{"LoopSnd", "SyncSnd", "StopSnd", "StopSnd"}));
    }
}

TEST_F(EmbedSoundTest, ResizeMakesThePlayer32PixelsSquare) {
    m_host.m_width = 1234;
    m_player.UserControl_Resize();
    EXPECT_EQ(m_host.m_width, 480);
    EXPECT_EQ(m_host.m_height, 480);
    m_host.m_twipsX = 12;
    m_host.m_twipsY = 20;
    m_player.UserControl_Resize();
    EXPECT_EQ(m_host.m_width, 384);
    EXPECT_EQ(m_host.m_height, 640);
}

TEST_F(EmbedSoundTest, HostThatResizesAgainOnEverySizeChangeDoesNotRecurse) {
    int sizes = 0;
    m_host.m_onSetSize = [&] {
        ++sizes;
        m_player.UserControl_Resize();
    };
    m_player.UserControl_Resize();
    EXPECT_EQ(sizes, 1);
    m_player.UserControl_Resize();
    EXPECT_EQ(sizes, 2) << "the guard is released after each resize";
}

TEST_F(EmbedSoundTest, WritesTheFiveKeysInOrderWithTheirDefaults) {
    giveClip(m_clip);
    m_player.SyncSnd(true);
    m_player.UserControl_WriteProperties();
    ASSERT_EQ(m_host.m_written.size(), 5u);
    const char* keys[] = {"SndFile", "LoopSnd", "SyncSnd", "StopSnd", "MemWav"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_host.m_written[i].key, keys[i]);
    EXPECT_EQ(m_host.m_written[0].defaultValue, PropertyValue(std::string()));
    EXPECT_EQ(m_host.m_written[1].value, PropertyValue(false));
    EXPECT_EQ(m_host.m_written[2].value, PropertyValue(true));
    EXPECT_EQ(m_host.m_written[3].defaultValue, PropertyValue(false));
    EXPECT_EQ(m_host.m_written[4].value, PropertyValue(m_clip));
    EXPECT_EQ(m_host.m_written[4].defaultValue, PropertyValue(std::int16_t{0}));
}

TEST_F(EmbedSoundTest, ReadConvertsSavedValuesAndMissingKeysGiveDefaults) {
    m_player.LoopSnd(true);
    m_host.m_saved = {
        {"SndFile", std::int16_t{7}}, {"SyncSnd", std::int16_t{-1}}, {"MemWav", m_clip}};
    m_player.UserControl_ReadProperties();
    EXPECT_EQ(m_player.SndFile(), "7");
    EXPECT_FALSE(m_player.LoopSnd());
    EXPECT_TRUE(m_player.SyncSnd());
    EXPECT_FALSE(m_player.StopSnd());
    EXPECT_EQ(m_player.MemWav(), m_clip);
}

TEST_F(EmbedSoundTest, SavedDataWithoutAClipRestoreAPlayerWithoutOne) {
    giveClip(m_clip);
    m_host.m_saved.erase("MemWav");
    m_player.UserControl_ReadProperties();
    EXPECT_TRUE(m_player.MemWav().empty());
    EXPECT_FALSE(m_player.PlaySound());
}

TEST_F(EmbedSoundTest, ValueOfTheWrongTypeIsATypeMismatchThatChangesNothing) {
    giveClip(m_clip);
    m_player.StopSnd(true);
    const std::pair<const char*, PropertyValue> wrong[] = {{"LoopSnd", std::string("yes")},
                                                           {"SndFile", ByteArray{1, 2}},
                                                           {"MemWav", std::string("RIFF")},
                                                           {"MemWav", std::int16_t{3}}};
    for (const auto& [key, value] : wrong) {
        auto saved = m_host.m_saved;
        saved[key] = value;
        std::swap(saved, m_host.m_saved);
        try {
            m_player.UserControl_ReadProperties();
            ADD_FAILURE() << key << " of the wrong type was taken";
        } catch (const SoundError& error) {
            EXPECT_EQ(error.number(), 13);
        }
        std::swap(saved, m_host.m_saved);
        EXPECT_EQ(m_player.MemWav(), m_clip);
        EXPECT_TRUE(m_player.StopSnd());
    }
}

}  // namespace
}  // namespace varn
