// designhost_test.cpp: a player saved through its design host and restored, in both modes.
#include "designhost.h"

#include <gtest/gtest.h>

#include "fakesoundoutput.h"
#include "saveddesign.h"
#include "sounderror.h"

namespace varn {
namespace {

ByteArray clip() {
    return ByteArray{'R', 'I', 'F', 'F', 9, 8, 7, 0};
}

// Saves a player of these settings into instance 1 of a fresh design, as bytes.
ByteArray savedPlayer(bool loop, bool sync, bool stop, const std::string& sndFile) {
    SavedDesign design;
    DesignInstance& instance = design.add(1);
    test::FakeSoundOutput output;
    DesignHost host(instance, DesignHost::Mode::Design);
    EmbedSound player(host, output);
    // A restore is how a clip gets in without a file.
    instance.set("memwav", clip());
    instance.set("sndfile", sndFile);
    player.UserControl_ReadProperties();
    player.LoopSnd(loop);
    player.SyncSnd(sync);
    player.StopSnd(stop);
    host.save(player);
    return design.encode();
}

std::vector<std::string> keysOf(const ByteArray& bytes) {
    std::vector<std::string> keys;
    const SavedDesign design = SavedDesign::decode(bytes);
    for (const auto& property : design.instances()[0].properties()) {
        keys.push_back(property.key);
    }
    return keys;
}

TEST(DesignHost, DefaultsAreLeftOutAndTheClipIsAlwaysWritten) {
    EXPECT_EQ(keysOf(savedPlayer(false, true, false, "a.wav")),
              (std::vector<std::string>{"sndfile", "syncsnd", "memwav"}));
    EXPECT_EQ(keysOf(savedPlayer(false, false, false, "")), std::vector<std::string>{"memwav"});
    EXPECT_EQ(keysOf(savedPlayer(true, true, true, "b.wav")),
              (std::vector<std::string>{"sndfile", "loopsnd", "syncsnd", "stopsnd", "memwav"}));
}

TEST(DesignHost, SavedPlayerIsRestoredByteForByte) {
    for (const bool flag : {false, true}) {
        SavedDesign design = SavedDesign::decode(savedPlayer(flag, !flag, flag, "c.wav"));
        test::FakeSoundOutput output;
        DesignHost host(*design.find(1), DesignHost::Mode::Design);
        EmbedSound player(host, output);
        player.UserControl_ReadProperties();
        EXPECT_EQ(player.LoopSnd(), flag);
        EXPECT_EQ(player.SyncSnd(), !flag);
        EXPECT_EQ(player.StopSnd(), flag);
        EXPECT_EQ(player.SndFile(), "c.wav");
        EXPECT_EQ(player.MemWav(), clip()) << "the last zero byte included";
        EXPECT_FALSE(host.modified()) << "restoring is no change";
    }
}

TEST(DesignHost, KeysSavedInAnyCaseAreFound) {
    DesignInstance instance(1);
    instance.set("SYNCSND", true);
    instance.set("MemWav", clip());
    test::FakeSoundOutput output;
    DesignHost host(instance, DesignHost::Mode::Run);
    EmbedSound player(host, output);
    player.UserControl_ReadProperties();
    EXPECT_TRUE(player.SyncSnd());
    EXPECT_EQ(player.MemWav(), clip());
}

TEST(DesignHost, SizesItsInstanceAndReportsChanges) {
    DesignInstance instance(3);
    test::FakeSoundOutput output;
    DesignHost host(instance, DesignHost::Mode::Design);
    host.setTwipsPerPixel(12, 10);
    EmbedSound player(host, output);
    player.UserControl_Resize();
    EXPECT_EQ(instance.widthTwips(), 384);
    EXPECT_EQ(instance.heightTwips(), 320);
    EXPECT_FALSE(host.modified());
    player.LoopSnd(true);
    EXPECT_TRUE(host.modified());
}

TEST(DesignHost, RunModeRefusesTheFileAndRunsTheInjectedEvents) {
    DesignInstance instance(1);
    instance.set("memwav", clip());
    test::FakeSoundOutput output;
    DesignHost host(instance, DesignHost::Mode::Run);
    int events = 0;
    host.setDoEvents([&] { ++events; });
    host.setMessageBox(
        [](const std::string&, const std::string&) { FAIL() << "no box at run time"; });
    EmbedSound player(host, output);
    player.UserControl_ReadProperties();
    EXPECT_THROW(player.SndFile("x.wav"), SoundError);
    EXPECT_TRUE(player.PlaySound());
    EXPECT_EQ(events, 1);
}

}  // namespace
}  // namespace varn
