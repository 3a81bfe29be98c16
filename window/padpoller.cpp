// padpoller.cpp: the pace of the polls, and the presses handed on in order.
#include "padpoller.h"

namespace varn {

PadPoller::PadPoller(std::unique_ptr<PadReader> reader, QObject* parent)
    : PadPoller(std::move(reader), Pace{}, parent) {}

PadPoller::PadPoller(std::unique_ptr<PadReader> reader, Pace pace, QObject* parent)
    : QObject(parent), m_reader(std::move(reader)), m_pace(pace) {
    m_poll.setSingleShot(true);
    m_repeat.setSingleShot(true);
    m_repeat.setTimerType(Qt::PreciseTimer);
    connect(&m_poll, &QTimer::timeout, this, &PadPoller::poll);
    connect(&m_repeat, &QTimer::timeout, this, &PadPoller::repeat);
}

PadPoller::~PadPoller() = default;

void PadPoller::start() {
    if (!m_poll.isActive()) poll();
}

// The next poll is set before any signal goes out: a slot may run a dialog's event loop, in
// which the controllers must go on playing.
void PadPoller::poll() {
    const PadPoll got = m_reader->poll();
    if (!got.working) return;
    for (const PadEvent& event : got.events) {
        const bool press = event.kind == PadEvent::Kind::Pressed;
        if (!press && event.kind != PadEvent::Kind::Released) continue;
        m_held.set(std::size_t(event.button), press);
        m_lastChange = Clock::now();
    }
    m_pending.insert(m_pending.end(), got.events.begin(), got.events.end());
    const bool padsChanged = got.pads != m_pads;
    const bool styleChanged = got.style != m_style;
    m_pads = got.pads;
    m_style = got.style;
    schedule();
    if (padsChanged) emit this->padsChanged(m_pads);
    if (styleChanged) emit this->styleChanged(m_style);
    emitPending();
}

// A first press after a rest waits for the idle poll, 25 ms on average at 50 ms; polling faster
// at rest would cost the player's battery for that. Coarse timers let the system gather
// wake-ups.
void PadPoller::schedule() {
    if (m_pads == 0) {
        m_poll.setTimerType(Qt::PreciseTimer);
        m_poll.start(m_pace.seek);
    } else if (m_held.any() || Clock::now() - m_lastChange < m_pace.busyFor) {
        m_poll.setTimerType(Qt::PreciseTimer);
        m_poll.start(m_pace.busy);
    } else {
        m_poll.setTimerType(Qt::CoarseTimer);
        m_poll.start(m_pace.idle);
    }
}

// Each event leaves the queue before its signal, so that a poll run inside a slot hands on
// the events after it in their order.
void PadPoller::emitPending() {
    while (!m_pending.empty()) {
        const PadEvent event = m_pending.front();
        m_pending.pop_front();
        if (event.kind == PadEvent::Kind::Pressed) {
            if (isDirection(event.button)) {
                m_repeating = event.button;
                m_repeat.start(m_pace.repeatDelay);
            }
            emit pressed(event.button, false);
        } else if (event.kind == PadEvent::Kind::Released) {
            if (event.button == m_repeating) m_repeat.stop();
            emit released(event.button);
        }
    }
}

void PadPoller::repeat() {
    if (!m_held.test(std::size_t(m_repeating))) return;
    m_repeat.start(m_pace.repeatInterval);
    emit pressed(m_repeating, true);
}

}  // namespace varn
