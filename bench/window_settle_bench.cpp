// window_settle_bench.cpp: the processor time the real window spends while ten rows fall, at the
// design's size and, given a screen's size, in full screen on that screen (a private offscreen
// screen of that size unless QT_QPA_PLATFORM names another platform).
//   window_settle_bench [WIDTHxHEIGHT]
// The settle waits for each timer tick by blocking on the event queue, so it should cost next
// to nothing however long the fall takes; what a tick costs the window's thread is its own
// processor time, painting included, over the ten ticks of the fall.
// Then the hint: what showing a group's outline, and taking it away with the next click, costs
// the window's thread (the search runs on its own), and which widgets and pixels it repaints,
// beside a repaint of the whole window.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "boardpicture.h"
#include "form1.h"
#include "gamesession.h"
#include "paintcounter.h"
#include "picturebox.h"
#include "pictureprovider.h"
#include "recordingoutput.h"
#include "splitmixsource.h"

namespace {

double processorMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A column of ten like pieces in a board without other groups: a move of ten ticks.
void prepareColumn(varn::Game& game) {
    std::string picture = varn::test::checkerWith({});
    for (int row = 0; row < varn::kBoardSide; ++row)
        picture[static_cast<std::size_t>(varn::cellAt(row, 3))] = '0';
    game.tables() = varn::test::boardFromPicture(picture);
}

// An offscreen screen of `size` ("3840x2160"), from a file that lives as long as the program.
void useScreen(const QByteArray& size, const QTemporaryDir& folder) {
    const QList<QByteArray> sides = size.split('x');
    const QString path = folder.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (sides.size() != 2 || !file.open(QIODevice::WriteOnly)) return;
    file.write("{\"screens\": [{\"name\": \"bench\", \"x\": 0, \"y\": 0, \"width\": " + sides[0] +
               ", \"height\": " + sides[1] + ", \"logicalDpi\": 96, \"dpr\": 1}]}");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

void settle(varn::Form1& form) {
    constexpr int kRuns = 5;
    constexpr int kTicks = 10;
    for (int run = 1; run <= kRuns; ++run) {
        prepareColumn(form.game());
        QElapsedTimer wall;
        const double before = processorMilliseconds();
        const double beforeThread = threadMilliseconds();
        wall.start();
        form.game().Element_Click(33);
        const double cpu = processorMilliseconds() - before;
        const double window = threadMilliseconds() - beforeThread;
        const auto elapsed = static_cast<double>(wall.elapsed());
        std::printf(
            "run %d: wall %.0f ms, processor %.1f ms (%.1f%% of one core), window's thread "
            "%.2f ms a tick\n",
            run, elapsed, cpu, 100.0 * cpu / elapsed, window / kTicks);
    }
}

// Runs events, blocking while none come, until `done` holds, then those already due, so that
// the repaints are out.
void runUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

// The window's thread and the repaints from `act` until `done` holds, five times over, each
// after `undo` has put the window back; the median time and the last run's repaints.
void measure(const char* what, varn::Form1& form, const std::function<void()>& act,
             const std::function<bool()>& done, const std::function<void()>& undo) {
    std::vector<double> times;
    int paints = 0;
    qint64 pixels = 0;
    for (int run = 0; run < 5; ++run) {
        undo();
        const varn::test::PaintCounter counter;
        const double before = threadMilliseconds();
        act();
        runUntil(done);
        times.push_back(threadMilliseconds() - before);
        paints = counter.paints;
        pixels = counter.pixels;
    }
    std::sort(times.begin(), times.end());
    const double share = 100.0 * double(pixels) / (form.width() * form.height());
    std::printf(
        "%s: %d widgets and %lld pixels repainted (%.2f%% of the window), window's thread "
        "%.2f ms\n",
        what, paints, static_cast<long long>(pixels), share, times[2]);
}

void click(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(widget, &event);
    }
}

void layGroupOfFive(varn::Form1& form) {
    form.game().tables() = varn::test::boardFromPicture(
        varn::test::checkerWith({{44, '0'}, {54, '0'}, {55, '0'}, {56, '0'}, {66, '0'}}));
    for (int cell = 0; cell < varn::kCellCount; ++cell)
        form.showPattern(cell, form.game().tables().Board[cell]);
    form.focusBoard();
}

// Every widget of the window repainted: what the hint's repaints are measured beside.
void measureWholeWindow(varn::Form1& form) {
    measure(
        "the whole window, for comparison", form,
        [&] {
            for (QWidget* widget : form.findChildren<QWidget*>())
                widget->update();
        },
        [] { return true; }, [] {});
}

// A group of five on a board where no other group is: the hint outlines it, and asked again,
// takes the outline away and shows it anew; beside it, the whole window repainted. A click on
// a lone piece, which only beeps, takes the outline away between the runs.
void hint(varn::Form1& form) {
    layGroupOfFive(form);
    const auto cells = form.findChildren<varn::PictureBox*>(QStringLiteral("Element"));
    const std::function<bool()> outlined = [&] { return cells.at(44)->outline() != 0; };
    const auto shown = [&] {
        form.hint_Click();
        runUntil(outlined);
    };
    const auto cleared = [&] {
        click(cells.at(0));
        runUntil([] { return true; });
    };
    std::printf("the hint of a group of five:\n");
    measure(
        "shown", form, [&] { form.hint_Click(); }, outlined, cleared);
    int twice = 0;
    measure(
        "asked again, taken away and shown anew", form,
        [&] {
            twice = 0;
            form.hint_Click();
            twice += !outlined();
        },
        [&] { return twice && outlined(); }, shown);
    measureWholeWindow(form);
}

}  // namespace

int main(int argc, char** argv) {
    const QTemporaryDir scratch;
    if (argc > 1) useScreen(argv[1], scratch);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    varn::test::RecordingOutput output;  // the clip is not the point here
    varn::SplitMixSource random(1);
    varn::GameSession session(output, &random);
    varn::PictureProvider pictures;
    varn::Form1 form(session, pictures);
    argc > 1 ? form.showFullScreen() : form.show();
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    // An X server without a window manager leaves a window as it is: it is given the size.
    if (argc > 1 && form.size() != form.screen()->size()) {
        form.resize(form.screen()->size());
        while (settling.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    std::printf("settle of ten ticks in the real window (%s platform), %dx%d at scale %.4g\n",
                qPrintable(QGuiApplication::platformName()), form.width(), form.height(),
                form.scale().factor());
    settle(form);
    hint(form);
    return 0;
}
