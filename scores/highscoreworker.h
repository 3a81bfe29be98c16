// highscoreworker.h: the high-score file read and stored on a thread of its own, for the window.
#pragma once

#include <functional>
#include <memory>

#include "fileworker.h"
#include "highscorefile.h"

namespace varn {

// What the window's thread gives the file's thread to run its answers on: each function posted
// runs on the window's thread later, in the order posted.
using WindowPost = std::function<void(std::function<void()>)>;

// The same rules as HighScoreFile, lock and patience included, but the window's thread only
// hands each request over: the answer comes through `post`. Answers still on their way when the
// worker ends are dropped.
class HighScoreWorker : public HighScoreStore {
  public:
    HighScoreWorker(HighScoreFile file, WindowPost post);
    // Waits for the requests handed over, each within the lock's patience.
    ~HighScoreWorker() override;
    HighScoreWorker(const HighScoreWorker&) = delete;
    HighScoreWorker& operator=(const HighScoreWorker&) = delete;

    void load(Loaded loaded) override;
    void store(double value, const std::string& text, Done done) override;
    // Waits until every request so far is answered or on its way to the window's thread.
    void flush() { m_worker.flush(); }

  private:
    // Runs `answer` on the window's thread, unless the worker has ended by then.
    void answer(std::function<void()> answer);

    HighScoreFile m_file;
    WindowPost m_post;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    FileWorker m_worker;  // last: it ends before what its tasks use
};

}  // namespace varn
