// padpoller.h: the game controllers polled on the window's thread, slowly while nobody plays,
// with the held directions repeating as held arrow keys do.
#pragma once

#include <QObject>
#include <QTimer>
#include <bitset>
#include <chrono>
#include <deque>
#include <memory>
#include <vector>

#include "padreader.h"

class QSocketNotifier;

namespace varn {

// SDL without its video subsystem has nothing to wait on but a millisecond's sleep, so the
// poller sleeps on the reader's wake files instead: the folder of the input devices, for a
// controller plugged in, and each controller's device. It polls often while a button is held or
// was pressed lately, and at rest only where the files do not tell everything: a controller
// that no file watches (SDL's virtual ones) at the idle pace, and plugging in at the seek pace
// where the folder cannot be watched. Every wake-up costs the process some 50 to 100 us of
// processor time in all, whatever the poll itself costs (1 us). A direction held repeats,
// first after a delay and then at a steady rate.
class PadPoller : public QObject {
    Q_OBJECT

  public:
    struct Pace {
        std::chrono::milliseconds seek{1000};  // for plugging in, where no file tells of it
        std::chrono::milliseconds idle{300};   // a controller at rest that no file watches
        std::chrono::milliseconds busy{8};     // while held, and for `busyFor` after a change
        std::chrono::milliseconds busyFor{1500};
        // After a wake file spoke: udev makes a new device readable a little after it appears,
        // and hidraw, whose queue holds a quarter of a second of reports and then drops the new
        // ones, brings a controller's news only once SDL has read the old.
        std::chrono::milliseconds settle{16};
        std::chrono::milliseconds settleFor{1000};
        std::chrono::milliseconds repeatDelay{350};
        std::chrono::milliseconds repeatInterval{100};
    };

    explicit PadPoller(std::unique_ptr<PadReader> reader, QObject* parent = nullptr);
    PadPoller(std::unique_ptr<PadReader> reader, Pace pace, QObject* parent = nullptr);
    ~PadPoller() override;

    // The first poll, which loads a LazyPadReader's module: once the window's first frame is out.
    void start();
    int pads() const { return m_pads; }
    PadStyle style() const { return m_style; }

  signals:
    // `repeat` for the presses that a held direction repeats.
    void pressed(varn::PadButton button, bool repeat);
    void released(varn::PadButton button);
    void padsChanged(int pads);
    void styleChanged(varn::PadStyle style);

  private:
    void poll();
    void woken();
    void watch(const std::vector<int>& files);
    void schedule(bool watched);
    void emitPending();
    void repeat();

    using Clock = std::chrono::steady_clock;

    std::unique_ptr<PadReader> m_reader;
    Pace m_pace;
    QTimer m_poll;
    QTimer m_repeat;
    std::vector<QSocketNotifier*> m_wakers;
    std::deque<PadEvent> m_pending;
    std::bitset<kPadButtonCount> m_held;  // as the reader last told, ahead of the signals
    Clock::time_point m_lastChange;
    Clock::time_point m_lastWake;
    PadButton m_repeating = PadButton::A;  // a direction while m_repeat runs
    int m_pads = 0;
    PadStyle m_style = PadStyle::Lettered;
};

}  // namespace varn
