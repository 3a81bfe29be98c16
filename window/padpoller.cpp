// padpoller.cpp: the pace of the polls, and the presses handed on in order.
#include "padpoller.h"

#include <QSocketNotifier>
#include <algorithm>
#include <optional>

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

// The notifiers go before the reader closes their files.
PadPoller::~PadPoller() {
    qDeleteAll(m_wakers);
}

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
    watch(got.wakeFiles);
    schedule(got.watched);
    if (padsChanged) emit this->padsChanged(m_pads);
    if (styleChanged) emit this->styleChanged(m_style);
    emitPending();
}

void PadPoller::woken() {
    m_lastWake = Clock::now();
    poll();
}

// A file that the reader closed may be the one whose signal runs now: its notifier goes later.
void PadPoller::watch(const std::vector<int>& files) {
    std::erase_if(m_wakers, [&files](QSocketNotifier* waker) {
        if (std::find(files.begin(), files.end(), int(waker->socket())) != files.end())
            return false;
        waker->setEnabled(false);
        waker->deleteLater();
        return true;
    });
    for (const int file : files) {
        const bool known =
            std::any_of(m_wakers.begin(), m_wakers.end(),
                        [file](QSocketNotifier* waker) { return waker->socket() == file; });
        if (known) continue;
        auto* waker = new QSocketNotifier(file, QSocketNotifier::Read, this);
        connect(waker, &QSocketNotifier::activated, this, &PadPoller::woken);
        m_wakers.push_back(waker);
    }
}

// While in use, the timer alone: a stick held off its centre can make its device speak a
// thousand times a second. The files were read empty by the poll just made, so what wakes
// them after is news.
void PadPoller::schedule(bool watched) {
    const Clock::time_point now = Clock::now();
    const bool busy = m_held.any() || now - m_lastChange < m_pace.busyFor;
    for (QSocketNotifier* waker : m_wakers)
        waker->setEnabled(!busy);
    std::optional<std::chrono::milliseconds> next;
    if (busy) {
        next = m_pace.busy;
    } else if (now - m_lastWake < m_pace.settleFor) {
        next = m_pace.settle;
    } else if (!watched) {
        next = m_pads == 0 ? m_pace.seek : m_pace.idle;
    }
    // Coarse timers let the system gather wake-ups; the seek keeps to its second.
    const bool precise = busy || (next == m_pace.seek && m_pads == 0);
    m_poll.setTimerType(precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    next ? m_poll.start(*next) : m_poll.stop();
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
