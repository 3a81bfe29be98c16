// padpoller.h: the game controllers polled on the window's thread, slowly while nobody plays,
// with the held directions repeating as held arrow keys do.
#pragma once

#include <QObject>
#include <QTimer>
#include <bitset>
#include <chrono>
#include <deque>
#include <memory>

#include "padreader.h"

namespace varn {

// SDL without its video subsystem has nothing to wait on but a millisecond's sleep, so the
// poller asks at a pace of its own: rarely while no controller is plugged in, now and then while
// the controllers lie untouched, and often while a button is held or was pressed lately. A
// direction held repeats, first after a delay and then at a steady rate.
class PadPoller : public QObject {
    Q_OBJECT

  public:
    struct Pace {
        std::chrono::milliseconds seek{1000};  // no controller plugged in
        std::chrono::milliseconds idle{50};    // controllers lying untouched
        std::chrono::milliseconds busy{8};     // while held, and for `busyFor` after a change
        std::chrono::milliseconds busyFor{1500};
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
    void schedule();
    void emitPending();
    void repeat();

    using Clock = std::chrono::steady_clock;

    std::unique_ptr<PadReader> m_reader;
    Pace m_pace;
    QTimer m_poll;
    QTimer m_repeat;
    std::deque<PadEvent> m_pending;
    std::bitset<kPadButtonCount> m_held;  // as the reader last told, ahead of the signals
    Clock::time_point m_lastChange;
    PadButton m_repeating = PadButton::A;  // a direction while m_repeat runs
    int m_pads = 0;
    PadStyle m_style = PadStyle::Lettered;
};

}  // namespace varn
