// soundrest_test.cpp: the window's clips through the real output, the device given back after a
// quiet spell, and a PulseAudio server that starts late, dies or freezes.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "boardpicture.h"
#include "constantsource.h"
#include "embeddedsounddesign.h"
#include "embedsoundarray.h"
#include "form1.h"
#include "gamesession.h"
#include "pictureprovider.h"
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

// The window and its session on a real output, the quiet spell before the output rests
// lengthened past the test unless a test shortens it.
struct Window {
    explicit Window(SdlSoundOutput::Options options = {}) : output(std::move(options)) {
        rest->setInterval(600'000);
    }
    void move() {
        form.game().tables() =
            test::boardFromPicture(test::checkerWith({{44, '0'}, {54, '0'}, {55, '0'}}));
        form.game().Element_Click(55);
    }
    // Plays a move; the server's playback streams afterwards, 0 without a device.
    int moveStreams() {
        move();
        return output.deviceOpen() ? serverStreams() : 0;
    }

    SdlSoundOutput output;
    test::ConstantSource random;
    GameSession session{output, &random};
    PictureProvider pictures;
    Form1 form{session, pictures};
    QTimer* rest = session.sound().findChild<QTimer*>(QStringLiteral("soundRest"));
};

// Kills, starts, freezes or thaws the private server of pulserest_test.sh, which runs this test.
bool server(const char* command) {
    const QString script = qEnvironmentVariable("VARN_PULSE_CONTROL");
    return QProcess::execute(QStringLiteral("sh"), {script, QString::fromLatin1(command)}) == 0;
}

TEST(SoundRest, MovesAreHeardOnceAServerThatStartedLateOrDiedRuns) {
    if (qEnvironmentVariableIsEmpty("VARN_PULSE_CONTROL")) GTEST_SKIP() << "pulserest_test.sh";
    auto now = std::chrono::steady_clock::now();
    Window window({.openWait = std::chrono::seconds(10), .clock = [&] { return now; }});
    SdlSoundOutput& output = window.output;
    ASSERT_TRUE(server("stop"));
    EXPECT_EQ(window.moveStreams(), 0);
    ASSERT_TRUE(server("start"));
    EXPECT_EQ(window.moveStreams(), 0) << "a failed open is tried again a second later";
    now += SdlSoundOutput::kRetryInterval;
    EXPECT_EQ(window.moveStreams(), 1) << output.refusal();
    for (const bool rested : {false, true}) {
        if (rested) {
            ASSERT_TRUE(output.rest());
        }
        ASSERT_TRUE(server("stop") && server("start"));
        EXPECT_EQ(window.moveStreams(), 1) << "rested " << rested << ": " << output.refusal();
    }
}

// The game's own output: a server that takes no call holds neither the window nor its fall. Each
// move would otherwise wait for libpulse's time-out of 30 s, twice over, or for the device's
// patience.
TEST(SoundRest, MovesGoOnWhileTheServerIsFrozenAndAreHeardOnceItThaws) {
    if (qEnvironmentVariableIsEmpty("VARN_PULSE_CONTROL")) GTEST_SKIP() << "pulserest_test.sh";
    Window window;
    const SdlSoundOutput& output = window.output;
    ASSERT_TRUE(server("freeze"));
    for (int move = 1; move <= 3; ++move) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(window.moveStreams(), 0) << "move " << move;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_NE(output.refusal().find("did not answer"), std::string::npos) << output.refusal();
    }
    ASSERT_TRUE(server("thaw"));
    // The open that waited for the server ends once it answers, and the clips are back.
    EXPECT_TRUE(QTest::qWaitFor([&] { return output.deviceOpen(); }, 20'000));
    EXPECT_EQ(window.moveStreams(), 1) << output.refusal();
    EXPECT_TRUE(output.refusal().empty()) << output.refusal();
    // Frozen while the device is open, the clip then waits out the device's patience, and the
    // next one is skipped at once for a device that asks for no samples.
    ASSERT_TRUE(server("freeze"));
    window.move();
    window.move();
    EXPECT_NE(output.refusal().find("does not ask for samples"), std::string::npos)
        << output.refusal();
    ASSERT_TRUE(server("thaw"));
}

TEST(SoundRest, WindowGivesTheDeviceBackOnceTheLastClipHasEnded) {
    Window window({.openWait = std::chrono::seconds(10)});
    SdlSoundOutput& output = window.output;
    window.rest->setInterval(1000);  // the quiet spell, shortened but longer than the move's fall
    const int streams = window.moveStreams();
    ASSERT_TRUE(output.deviceOpen()) << "the move played its clip: " << output.refusal();
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
