// judgeworker.h: works out a par or a review on a thread of its own, one job at a time.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <variant>
#include <vector>

#include "gamecode.h"
#include "judgement.h"
#include "rulescopy.h"
#include "uniformsource.h"

namespace varn {

// The window posts a job and never waits: the answer comes through a callback on the worker's
// thread, with the ticket that the start gave, and so does the progress of the job in hand. A
// new job or cancel() stops the job in hand, which is never answered; an answer or a progress
// may still cross a cancel on its way, so the window keeps only those of the ticket it waits for.
// The job shares its work with a thread of its own when its settings ask for two.
class JudgeWorker {
  public:
    using ParDone = std::function<void(std::uint64_t ticket, const ParResult& par)>;
    using ReviewDone = std::function<void(std::uint64_t ticket, const GameReview& review)>;
    using Progressed = std::function<void(std::uint64_t ticket, int done, int total)>;

    JudgeWorker(ParDone parDone, ReviewDone reviewDone, Progressed progressed = {});
    // Stops the job in hand and waits for the thread to end.
    ~JudgeWorker();
    JudgeWorker(const JudgeWorker&) = delete;
    JudgeWorker& operator=(const JudgeWorker&) = delete;

    // The par of the challenge that deals game `number`.
    std::uint64_t startPar(std::uint32_t number, const ParSettings& settings = {});
    // The review of a game (gamereview.h); everything is copied here. Throws
    // std::invalid_argument unless there is one position more than actions.
    std::uint64_t startReview(std::vector<Position> positions, std::vector<PlayerAction> actions,
                              const UniformSource& random, const ReviewSettings& settings = {});
    // The review of the game that `replay` plays (codeplayer.h), whose positions are worked out
    // first, as part of the job; a code that no player could have made answers with a review
    // that is not finished.
    std::uint64_t startReview(const Replay& replay, const ReviewSettings& settings = {});
    void cancel();

  private:
    struct ParJob {
        std::uint32_t number;
        ParSettings settings;
    };
    struct ReviewJob {
        std::optional<Replay> replay;  // whose positions and actions are still to be played
        std::vector<Position> positions;
        std::vector<PlayerAction> actions;
        std::unique_ptr<UniformSource> random;
        ReviewSettings settings;
    };
    struct Job {
        std::uint64_t ticket;
        std::variant<ParJob, ReviewJob> work;
    };

    std::uint64_t post(std::variant<ParJob, ReviewJob> work);
    void serve(std::stop_token quit);
    // Waits for the next job and makes it the one in hand; none when the worker quits.
    std::optional<Job> take(std::stop_token quit, std::stop_token& cancelled);
    void run(Job& job, const std::stop_token& cancelled);
    static bool playOut(ReviewJob& review);

    ParDone m_parDone;
    ReviewDone m_reviewDone;
    Progressed m_progressed;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<Job> m_waiting;
    std::stop_source m_inHand;
    std::uint64_t m_lastTicket = 0;
    std::jthread m_thread;  // last, so that it starts when everything else is ready
};

}  // namespace varn
