// hintworker.cpp: the worker's thread and the hand-over of its jobs.
#include "hintworker.h"

#include <utility>

#include "hintsearch.h"

namespace varn {

HintWorker::HintWorker(Done done)
    : m_done(std::move(done)), m_thread([this](std::stop_token quit) { serve(quit); }) {}

HintWorker::~HintWorker() {
    cancel();
}

std::uint64_t HintWorker::start(const Position& position, const UniformSource& random,
                                const HintSettings& settings) {
    std::unique_ptr<UniformSource> copy = random.clone();
    std::uint64_t ticket = 0;
    {
        const std::lock_guard lock(m_mutex);
        m_inHand.request_stop();
        ticket = ++m_lastTicket;
        m_waiting = Job{ticket, position, std::move(copy), settings};
    }
    m_wake.notify_one();
    return ticket;
}

void HintWorker::cancel() {
    const std::lock_guard lock(m_mutex);
    m_inHand.request_stop();
    m_waiting.reset();
}

std::optional<HintWorker::Job> HintWorker::take(std::stop_token quit, std::stop_token& cancelled) {
    std::unique_lock lock(m_mutex);
    if (!m_wake.wait(lock, quit, [this] { return m_waiting.has_value(); })) return std::nullopt;
    std::optional<Job> job = std::move(m_waiting);
    m_waiting.reset();
    m_inHand = std::stop_source();
    cancelled = m_inHand.get_token();
    return job;
}

void HintWorker::serve(std::stop_token quit) {
    std::stop_token cancelled;
    while (std::optional<Job> job = take(quit, cancelled)) {
        const Hint hint = findHint(job->position, *job->random, job->settings, cancelled);
        if (!cancelled.stop_requested()) m_done(job->ticket, hint);
    }
}

}  // namespace varn
