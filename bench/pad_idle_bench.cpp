// pad_idle_bench.cpp: what reading the game controllers costs the game, which polls them on
// the window's thread: processor time over 10 s with no controller, with one lying untouched
// and with one in use (a press or a release every 250 ms), then what one poll costs. The
// controller is SDL's virtual one, which no device file watches, so the poller polls it at its
// idle pace; a real one on an event device lets it sleep. A scratch folder stands for
// /dev/input, where the bench adds a file as udev would for the controller; or the folder named
// on the command line.
#include <SDL2/SDL.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

#include "lazypadreader.h"
#include "padpoller.h"
#include "sdlsubsystems.h"

namespace {

constexpr int kSeconds = 10;

// All threads of the process: clock_gettime's in nanoseconds, and the kernel's ticks in
// /proc/self/stat (utime + stime), which a light load rounds to nothing. The ticks are read
// outside the nanoseconds' window.
long ticks() {
    std::ifstream stat("/proc/self/stat");
    const std::string line(std::istreambuf_iterator<char>(stat), {});
    // The fields after the command's name in brackets; utime and stime are the 14th and 15th.
    std::size_t at = line.rfind(')') + 2;
    long sum = 0;
    for (int field = 3; field <= 15; ++field) {
        const std::size_t end = line.find(' ', at);
        if (field >= 14) sum += std::stol(line.substr(at, end - at));
        at = end + 1;
    }
    return sum;
}

double seconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void run(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void report(const char* what) {
    const long ticksBefore = ticks();
    const double before = seconds();
    run(kSeconds * 1000);
    const double used = seconds() - before;
    const long ticksUsed = ticks() - ticksBefore;
    std::printf("%-26s %7.4f %% of a core (%.2f ms in %d s; /proc/self/stat: %ld ticks)\n", what,
                100 * used / kSeconds, used * 1000, kSeconds, ticksUsed);
}

SDL_Joystick* plug() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    return SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
}

// The mean processor time of a poll, the reader alone.
double pollCost(varn::PadReader& reader) {
    constexpr int kPolls = 20000;
    const double before = seconds();
    for (int i = 0; i < kPolls; ++i)
        reader.poll();
    return (seconds() - before) / kPolls * 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    varn::startSdl(SDL_INIT_JOYSTICK);
    const QStringList module{QStringLiteral(VARN_PAD_MODULE)};
    QTemporaryDir scratch;
    // A folder that cannot be watched, such as /nonexistent/input, measures the poll for
    // plugging in once a second instead.
    const QDir devices(argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path());
    // The window's own wake-up at its end, and what the loop costs to start.
    report("the measure alone");
    {
        varn::PadPoller poller(std::make_unique<varn::LazyPadReader>(module, devices.path()));
        poller.start();
        run(1500);
        report("no controller");
        SDL_Joystick* pad = plug();
        QFile(devices.filePath(QStringLiteral("event0"))).open(QIODevice::WriteOnly);
        run(1500);
        if (poller.pads() != 1) std::printf("the virtual controller was not seen\n");
        report("one untouched");
        QTimer presses;
        bool down = false;
        QObject::connect(&presses, &QTimer::timeout, [&] {
            down = !down;
            SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, down);
        });
        presses.start(250);
        report("one in use");
        presses.stop();
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
        SDL_JoystickClose(pad);
        SDL_JoystickDetachVirtual(0);
        run(200);
    }
    varn::LazyPadReader reader(module, devices.path());
    reader.poll();
    std::printf("one poll, no controller    %.2f us\n", pollCost(reader));
    SDL_Joystick* pad = plug();
    reader.poll();
    std::printf("one poll, one controller   %.2f us\n", pollCost(reader));
    SDL_JoystickClose(pad);
    return 0;
}
