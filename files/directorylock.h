// directorylock.h: the lock that lets one game at a time read, change and store a file of its
// folder.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <string>

namespace varn {

// Games share their files: the high score of a working folder, the table of the best games,
// the game in progress. While one of them holds this lock, no other can change the file between
// its reading and its writing. The lock is on the folder itself, so it leaves nothing behind
// there, and it ends with the object or with the process. Two objects conflict even within one
// process, so a thread of the game excludes another as another program would.
class DirectoryLock {
  public:
    // How long a lock held by another program is waited for, where a wait has an end.
    static constexpr std::chrono::milliseconds kPatience{1000};
    // Asked between tries, which sleep in between: true to try again.
    using KeepWaiting = std::function<bool()>;

    // Locks the folder that holds the file `path`, waiting at most `patience`; a patience of
    // zero tries once and never waits.
    explicit DirectoryLock(const std::string& path, std::chrono::milliseconds patience = kPatience);
    // Waits for as long as `keepWaiting` says.
    DirectoryLock(const std::string& path, const KeepWaiting& keepWaiting);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // A wait of `patience` at most from the first refusal. Each copy of the function counts
    // afresh, so one kept for many locks is copied for each.
    static KeepWaiting atMost(std::chrono::milliseconds patience);
    // A wait without end while `ending` stays false, and of kPatience at most from the moment
    // it is seen true: a thread of the game waits out another program, but not at its exit.
    static KeepWaiting untilEnding(const std::atomic<bool>& ending);

    // True when this object holds the lock.
    bool held() const { return m_held; }
    // True when another holder kept the folder locked for the whole wait. A folder that cannot
    // be opened or locked at all is no sign of another game and does not count.
    bool heldElsewhere() const { return m_heldElsewhere; }

  private:
    int m_directory = -1;
    bool m_held = false;
    bool m_heldElsewhere = false;
};

}  // namespace varn
