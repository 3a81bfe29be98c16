// window_rescale_bench.cpp: the time the real window takes to draw its whole design afresh
// for a new size, at scale 2: every picture rendered again, every control placed again.
#include <QApplication>
#include <QElapsedTimer>
#include <QMenuBar>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "form1.h"
#include "pictureprovider.h"
#include "gamesession.h"
#include "recordingoutput.h"
#include "splitmixsource.h"

namespace {

// The times of 21 rescales to scale 2, each from another size so that the scale is new every
// time; empty when the window did not reach scale 2.
std::vector<double> timeRescales(varn::Form1& form) {
    const QSize menu(0, form.menuBar()->height());
    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        form.resize(varn::DesignScale(1.5).designSize() + menu);
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        form.resize(varn::DesignScale(2).designSize() + menu);
        form.repaint();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (form.scale().factor() != 2) return {};
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    varn::test::RecordingOutput output;
    varn::SplitMixSource random(1);
    varn::GameSession session(output, &random);
    varn::PictureProvider pictures;
    varn::Form1 form(session, pictures);
    form.show();
    QApplication::processEvents();
    std::vector<double> times = timeRescales(form);
    if (times.empty()) {
        std::fprintf(stderr, "window_rescale_bench: the window did not reach scale 2\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "re-render and repaint of the whole design at scale 2 (%s platform): "
        "median %.1f ms, min %.1f ms, max %.1f ms over %zu runs\n",
        qPrintable(QGuiApplication::platformName()), times[times.size() / 2], times[0],
        times.back(), times.size());
    return 0;
}
