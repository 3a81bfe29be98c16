// soundrest_test.cpp: the window plays a move's clip through the real output and gives the sound
// device back after a quiet spell; on a real PulseAudio server no playback stream stays open.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include "constantsource.h"
#include "form1.h"
#include "gametestbase.h"
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
    rest->setInterval(600);  // the quiet spell, shortened; the fall takes two ticks
    const std::string group = test::checkerWith({{44, '0'}, {54, '0'}, {55, '0'}});
    form.game().tables() = test::boardFromPicture(group);
    form.game().Element_Click(55);
    ASSERT_TRUE(output.deviceOpen()) << "the move played its clip: " << output.refusal();
    const int streams = serverStreams();
    EXPECT_NE(streams, 0);
    // An asynchronous clip that outlasts the spell keeps the device until it has ended.
    QFile clip(QStringLiteral(VARN_CLIP_DIRECTORY "/varn2.wav"));
    ASSERT_TRUE(clip.open(QIODevice::ReadOnly));
    const QByteArray bytes = clip.readAll();
    ASSERT_TRUE(output.play({reinterpret_cast<const std::uint8_t*>(bytes.data()),
                             static_cast<std::size_t>(bytes.size())},
                            SND_ASYNC | SND_NODEFAULT | SND_MEMORY));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !output.deviceOpen(); }, 8000));
    EXPECT_FALSE(output.playing());
    EXPECT_EQ(serverStreams(), streams < 0 ? -1 : 0);
    form.game().tables() = test::boardFromPicture(group);
    form.game().Element_Click(55);
    EXPECT_TRUE(output.deviceOpen()) << "the next clip takes the device again";
}

}  // namespace
}  // namespace varn
