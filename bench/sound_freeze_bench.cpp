// sound_freeze_bench.cpp: how long a move takes in the real window when the sound server was
// frozen (SIGSTOP) before the first clip, or while the device was open, beside the same move
// without sound and with a server that answers. It needs a private server that it can freeze:
//     sh tests/window/pulserest_test.sh with build/release/bench/sound_freeze_bench
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

#include "boardpicture.h"
#include "form1.h"
#include "pictureprovider.h"
#include "gamesession.h"
#include "recordingoutput.h"
#include "sdlsoundoutput.h"
#include "splitmixsource.h"

namespace {

constexpr int kMoves = 4;

// A column of ten like pieces in a board without other groups: a move of ten ticks.
double columnMove(varn::Form1& form) {
    std::string picture = varn::test::checkerWith({});
    for (int row = 0; row < varn::kBoardSide; ++row)
        picture[static_cast<std::size_t>(varn::cellAt(row, 3))] = '0';
    form.game().tables() = varn::test::boardFromPicture(picture);
    QElapsedTimer wall;
    wall.start();
    form.game().Element_Click(33);
    return static_cast<double>(wall.nsecsElapsed()) / 1e6;
}

bool server(const char* command) {
    const QString script = qEnvironmentVariable("VARN_PULSE_CONTROL");
    return QProcess::execute(QStringLiteral("sh"), {script, QString::fromLatin1(command)}) == 0;
}

const char* clipFate(const varn::SdlSoundOutput& output) {
    if (!output.refusal().empty()) return output.refusal().c_str();
    return output.deviceStalled() ? "cut short: the device stopped asking for samples" : "played";
}

// `freezeAfter`: the server is frozen after that many moves, which are not shown.
void measure(const char* what, varn::SoundOutput& output, const varn::SdlSoundOutput* sdl,
             int freezeAfter = -1) {
    varn::SplitMixSource random(1);
    varn::GameSession session(output, &random);
    varn::PictureProvider pictures;
    varn::Form1 form(session, pictures);
    form.show();
    for (int move = 0; move < freezeAfter; ++move)
        columnMove(form);
    if (freezeAfter >= 0 && !server("freeze")) return;
    for (int move = 1; move <= kMoves; ++move) {
        const double ms = columnMove(form);
        std::printf("%-28s move %d: %8.0f ms  %s\n", what, move, ms, sdl ? clipFate(*sdl) : "");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("VARN_PULSE_CONTROL")) {
        std::fputs("run me through: sh tests/window/pulserest_test.sh with sound_freeze_bench\n",
                   stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("a move that clears a column of ten (ten ticks of the fall and the 0.23 s clip)\n");
    {
        varn::test::RecordingOutput silent;
        measure("without sound", silent, nullptr);
    }
    {
        varn::SdlSoundOutput output;
        measure("server answering", output, &output);
    }
    {
        varn::SdlSoundOutput output;
        measure("server frozen before a clip", output, &output, 0);
    }
    if (!server("thaw")) return 1;
    {
        varn::SdlSoundOutput output;
        measure("server frozen, device open", output, &output, 2);
    }
    return server("thaw") ? 0 : 1;
}
