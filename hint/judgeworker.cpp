// judgeworker.cpp: the worker's thread and the hand-over of its jobs.
#include "judgeworker.h"

#include <stdexcept>
#include <utility>

#include "codeplayer.h"
#include "gamereview.h"
#include "parsearch.h"
#include "splitmixsource.h"

namespace varn {

JudgeWorker::JudgeWorker(ParDone parDone, ReviewDone reviewDone, Progressed progressed)
    : m_parDone(std::move(parDone)),
      m_reviewDone(std::move(reviewDone)),
      m_progressed(std::move(progressed)),
      m_thread([this](std::stop_token quit) { serve(quit); }) {}

JudgeWorker::~JudgeWorker() {
    cancel();
}

std::uint64_t JudgeWorker::startPar(std::uint32_t number, const ParSettings& settings) {
    return post(ParJob{number, settings});
}

std::uint64_t JudgeWorker::startReview(std::vector<Position> positions,
                                       std::vector<PlayerAction> actions,
                                       const UniformSource& random,
                                       const ReviewSettings& settings) {
    // Refused here, on the caller's thread, rather than where nothing could catch it.
    if (positions.size() != actions.size() + 1)
        throw std::invalid_argument("a review needs one position more than actions");
    return post(ReviewJob{std::nullopt, std::move(positions), std::move(actions), random.clone(),
                          settings});
}

std::uint64_t JudgeWorker::startReview(const Replay& replay, const ReviewSettings& settings) {
    return post(ReviewJob{replay, {}, {}, std::make_unique<SplitMixSource>(1), settings});
}

std::uint64_t JudgeWorker::post(std::variant<ParJob, ReviewJob> work) {
    std::uint64_t ticket = 0;
    {
        const std::lock_guard lock(m_mutex);
        m_inHand.request_stop();
        ticket = ++m_lastTicket;
        m_waiting = Job{ticket, std::move(work)};
    }
    m_wake.notify_one();
    return ticket;
}

void JudgeWorker::cancel() {
    const std::lock_guard lock(m_mutex);
    m_inHand.request_stop();
    m_waiting.reset();
}

std::optional<JudgeWorker::Job> JudgeWorker::take(std::stop_token quit,
                                                  std::stop_token& cancelled) {
    std::unique_lock lock(m_mutex);
    if (!m_wake.wait(lock, quit, [this] { return m_waiting.has_value(); })) return std::nullopt;
    std::optional<Job> job = std::move(m_waiting);
    m_waiting.reset();
    m_inHand = std::stop_source();
    cancelled = m_inHand.get_token();
    return job;
}

void JudgeWorker::serve(std::stop_token quit) {
    std::stop_token cancelled;
    while (std::optional<Job> job = take(quit, cancelled))
        run(*job, cancelled);
}

// The positions a code's game passed, between its top-level actions.
bool JudgeWorker::playOut(ReviewJob& review) {
    CodePlayer player(*review.replay);
    review.positions.push_back(player.position());
    for (const RecordedAction& action : review.replay->code.actions) {
        if (!player.playNext()) return false;
        review.positions.push_back(player.position());
        review.actions.push_back(action.action);
    }
    return true;
}

void JudgeWorker::run(Job& job, const std::stop_token& cancelled) {
    const std::uint64_t ticket = job.ticket;
    Progress progress;
    if (m_progressed) progress = [&](int done, int total) { m_progressed(ticket, done, total); };
    if (auto* par = std::get_if<ParJob>(&job.work)) {
        const ParResult result = findPar(par->number, par->settings, cancelled, progress);
        if (!cancelled.stop_requested()) m_parDone(ticket, result);
        return;
    }
    auto& review = std::get<ReviewJob>(job.work);
    if (review.replay && !playOut(review)) {
        if (!cancelled.stop_requested()) m_reviewDone(ticket, GameReview{});
        return;
    }
    const GameReview result = reviewGame(review.positions, review.actions, *review.random,
                                         review.settings, cancelled, progress);
    if (!cancelled.stop_requested()) m_reviewDone(ticket, result);
}

}  // namespace varn
