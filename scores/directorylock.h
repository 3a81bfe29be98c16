// directorylock.h: the lock that lets one game at a time read, change and store a file of scores.
#pragma once

#include <chrono>
#include <string>

namespace varn {

// Games started in one directory share its high-score file. While one of them holds this lock,
// no other can store a score between its reading the file and its writing it. The lock is on
// the directory itself, so it leaves nothing behind there, and it ends with the object or
// with the process. The table of the best games is kept under the lock of its own folder.
class DirectoryLock {
  public:
    // How long a lock held by another program is waited for: no other program may hang the game.
    static constexpr std::chrono::milliseconds kPatience{1000};

    // Locks the directory that holds the file `path`, waiting at most kPatience.
    explicit DirectoryLock(const std::string& path);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // True when another program kept the directory locked for the whole wait. A directory that
    // cannot be opened or locked at all is no sign of another game and does not count.
    bool heldElsewhere() const { return m_heldElsewhere; }

  private:
    int m_directory = -1;
    bool m_heldElsewhere = false;
};

}  // namespace varn
