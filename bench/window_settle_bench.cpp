// window_settle_bench.cpp: the processor time the real window spends while ten rows fall.
// The settle waits for each timer tick by blocking on the event queue, so it should cost next
// to nothing however long the fall takes.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "boardpicture.h"
#include "form1.h"
#include "pictureprovider.h"
#include "gamesession.h"
#include "recordingoutput.h"
#include "splitmixsource.h"

namespace {

double processorMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// A column of ten like pieces in a board without other groups: a move of ten ticks.
void prepareColumn(varn::Game& game) {
    std::string picture = varn::test::checkerWith({});
    for (int row = 0; row < varn::kBoardSide; ++row)
        picture[static_cast<std::size_t>(varn::cellAt(row, 3))] = '0';
    game.tables() = varn::test::boardFromPicture(picture);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    varn::test::RecordingOutput output;  // the clip is not the point here
    varn::SplitMixSource random(1);
    varn::GameSession session(output, &random);
    varn::PictureProvider pictures;
    varn::Form1 form(session, pictures);
    form.show();
    constexpr int kRuns = 5;
    std::printf("settle of ten ticks in the real window (%s platform)\n",
                qPrintable(QGuiApplication::platformName()));
    for (int run = 1; run <= kRuns; ++run) {
        prepareColumn(form.game());
        QElapsedTimer wall;
        const double before = processorMilliseconds();
        wall.start();
        form.game().Element_Click(33);
        const double cpu = processorMilliseconds() - before;
        const auto elapsed = static_cast<double>(wall.elapsed());
        std::printf("run %d: wall %.0f ms, processor %.1f ms (%.1f%% of one core)\n", run, elapsed,
                    cpu, 100.0 * cpu / elapsed);
    }
    return 0;
}
