// embeddedplayers_test.cpp: the game's three players come back from the built-in design.
#include <gtest/gtest.h>

#include <stdexcept>

#include "embeddedsounddesign.h"
#include "embedsoundarray.h"
#include "fakesoundoutput.h"
#include "saveddesign.h"
#include "sounderror.h"
#include "temporarydirectory.h"
#include "waveimage.h"

namespace varn {
namespace {

ByteArray clipFile(int index) {
    const std::string bytes = test::readWhole(std::string(VARN_CLIP_DIRECTORY) + "/varn" +
                                              std::to_string(index) + ".wav");
    return ByteArray(bytes.begin(), bytes.end());
}

TEST(EmbeddedPlayers, ThreeSynchronousPlayersCarryTheClipsWithATrailingZero) {
    test::FakeSoundOutput output;
    EmbedSoundArray players(embeddedSoundDesign(), output, [] {});
    EXPECT_EQ(players.indexes(), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(players.contains(0));
    for (const int index : {1, 2, 3}) {
        EmbedSound& player = players[index];
        EXPECT_TRUE(player.SyncSnd());
        EXPECT_FALSE(player.LoopSnd());
        EXPECT_FALSE(player.StopSnd());
        ByteArray expected = clipFile(index);
        expected.push_back(0);
        EXPECT_EQ(player.MemWav(), expected) << "player " << index;
        EXPECT_TRUE(WaveImage::parse(player.MemWav()).valid());
        EXPECT_THROW(static_cast<void>(player.SndFile()), SoundError) << "restored in run mode";
    }
    EXPECT_THROW(players[4], std::out_of_range);
}

TEST(EmbeddedPlayers, PlayHandsTheClipOverSynchronouslyGivingWay) {
    test::FakeSoundOutput output;
    int events = 0;
    {
        EmbedSoundArray players(embeddedSoundDesign(), output, [&] { ++events; });
        EXPECT_TRUE(players[2].PlaySound());
        ASSERT_EQ(output.m_plays.size(), 1u);
        EXPECT_EQ(output.m_plays[0].flags, 22u);
        EXPECT_EQ(output.m_plays[0].image, players[2].MemWav());
        EXPECT_EQ(events, 1);
        EXPECT_EQ(output.m_stops, 0);
    }
    EXPECT_EQ(output.m_stops, 3) << "every player stops the output when it ends";
}

TEST(EmbeddedPlayers, SavedDesignNamesThePlayersAndTheirExtent) {
    const SavedDesign design = SavedDesign::decode(embeddedSoundDesign());
    ASSERT_EQ(design.instances().size(), 3u);
    for (const DesignInstance& instance : design.instances()) {
        EXPECT_EQ(instance.controlClass(), "Varn.EmbedSound");
        EXPECT_EQ(instance.widthTwips(), 480);
        EXPECT_EQ(instance.heightTwips(), 480);
        std::vector<std::string> keys;
        for (const auto& property : instance.properties())
            keys.push_back(property.key);
        EXPECT_EQ(keys, (std::vector<std::string>{"sndfile", "syncsnd", "memwav"}));
        EXPECT_EQ(*instance.find("SndFile"),
                  PropertyValue("assets/sounds/varn" + std::to_string(instance.index()) + ".wav"));
    }
}

TEST(EmbeddedPlayers, DamagedDesignIsRefusedBeforeAnyPlayerExists) {
    test::FakeSoundOutput output;
    const auto design = embeddedSoundDesign();
    const ByteArray cut(design.begin(), design.begin() + design.size() / 2);
    EXPECT_THROW(EmbedSoundArray(cut, output, [] {}), std::runtime_error);
    EXPECT_EQ(output.m_stops, 0);
}

}  // namespace
}  // namespace varn
