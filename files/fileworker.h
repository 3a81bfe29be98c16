// fileworker.h: a thread of its own for the file work that the window's thread must not wait for.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "directorylock.h"

namespace varn {

// Runs the tasks posted to it one after another, in the order posted. A task may wait for a
// disk or a lock as long as it needs: whoever posted it goes on at once.
class FileWorker {
  public:
    FileWorker();
    // Runs every task posted so far, then ends; a task's wait for a lock is bounded from now.
    ~FileWorker();
    FileWorker(const FileWorker&) = delete;
    FileWorker& operator=(const FileWorker&) = delete;

    void post(std::function<void()> task);
    // Waits until every task posted so far has run.
    void flush();
    // The wait for a folder's lock of a task: as long as it takes while the worker runs, and
    // DirectoryLock::kPatience at most once it is ending.
    DirectoryLock::KeepWaiting lockPatience() const { return DirectoryLock::untilEnding(m_ending); }

  private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_tasks;
    bool m_busy = false;
    std::atomic<bool> m_ending = false;
    std::thread m_thread;  // last: it starts once everything above is ready
};

}  // namespace varn
