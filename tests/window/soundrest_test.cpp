// soundrest_test.cpp: the window plays a move's clip through the real output and gives the sound
// device back after a quiet spell; on a real PulseAudio server no playback stream stays open.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>
#include <QTimer>

#include "boardpicture.h"
#include "constantsource.h"
#include "embeddedsounddesign.h"
#include "embedsoundarray.h"
#include "form1.h"
#include "sdlsoundoutput.h"

namespace varn {
namespace {

// The server's playback streams, or -1 when the output plays through no sound server.
int serverStreams() {
    const char* driver = SDL_GetCurrentAudioDriver();
    if (!driver || std::string(driver) != "pulseaudio") return -1;
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    EXPECT_TRUE(pactl.waitForFinished());
    return static_cast<int>(pactl.readAllStandardOutput().count('\n'));
}

TEST(SoundRest, WindowGivesTheDeviceBackOnceTheLastClipHasEnded) {
    SdlSoundOutput output;
    test::ConstantSource random;
    Form1 form(output, &random);
    auto* rest = form.findChild<QTimer*>(QStringLiteral("soundRest"));
    ASSERT_NE(rest, nullptr);
    rest->setInterval(1000);  // the quiet spell, shortened but longer than the move's fall
    form.game().tables() =
        test::boardFromPicture(test::checkerWith({{44, '0'}, {54, '0'}, {55, '0'}}));
    form.game().Element_Click(55);
    ASSERT_TRUE(output.deviceOpen()) << "the move played its clip: " << output.refusal();
    const int streams = serverStreams();
    EXPECT_NE(streams, 0);
    // An asynchronous player's clip of 1.6 s outlasts the spell and keeps the device.
    EmbedSoundArray players(embeddedSoundDesign(), output, [] {});
    players[2].SyncSnd(false);
    ASSERT_TRUE(players[2].PlaySound() && output.playing());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !output.deviceOpen(); }, 8000));
    EXPECT_FALSE(output.playing());
    EXPECT_EQ(serverStreams(), streams < 0 ? -1 : 0);
}

}  // namespace
}  // namespace varn
