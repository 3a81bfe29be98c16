// hintworker.h: runs the hint's search on a thread of its own, one search at a time.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

#include "hint.h"
#include "rulescopy.h"
#include "uniformsource.h"

namespace varn {

// The window asks, the worker searches, and the answer comes back through `done`, called on
// the worker's thread with the ticket that start() gave. Any action or a new hint cancels the
// search in hand: a cancelled search is never answered. An answer may still cross a cancel
// on its way, so the window keeps only the answer with the ticket it waits for.
class HintWorker {
  public:
    using Done = std::function<void(std::uint64_t ticket, const Hint& hint)>;

    explicit HintWorker(Done done);
    // Cancels the search in hand and waits for the thread to end.
    ~HintWorker();
    HintWorker(const HintWorker&) = delete;
    HintWorker& operator=(const HintWorker&) = delete;

    // Searches a hint for a game at `position` that deals from `random`, which is copied here
    // and never touched afterwards; the search in hand, if any, is cancelled.
    std::uint64_t start(const Position& position, const UniformSource& random,
                        const HintSettings& settings = {});
    void cancel();

  private:
    struct Job {
        std::uint64_t ticket;
        Position position;
        std::unique_ptr<UniformSource> random;
        HintSettings settings;
    };

    void serve(std::stop_token quit);
    // Waits for the next job and makes it the one in hand; none when the worker quits.
    std::optional<Job> take(std::stop_token quit, std::stop_token& cancelled);

    Done m_done;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<Job> m_waiting;
    std::stop_source m_inHand;
    std::uint64_t m_lastTicket = 0;
    std::jthread m_thread;  // last, so that it starts when everything else is ready
};

}  // namespace varn
