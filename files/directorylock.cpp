// directorylock.cpp: tries of an exclusive flock() on a file's folder, sleeping in between.
#include "directorylock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <thread>

namespace varn {

namespace {

using Clock = std::chrono::steady_clock;

// The game sleeps between tries, so a wait costs no processor time; a lock given up is noticed
// within this.
constexpr std::chrono::milliseconds kRetryInterval{10};

std::string directoryOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

}  // namespace

DirectoryLock::DirectoryLock(const std::string& path, std::chrono::milliseconds patience)
    : DirectoryLock(path, atMost(patience)) {}

DirectoryLock::DirectoryLock(const std::string& path, const KeepWaiting& keepWaiting)
    : m_directory(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (m_directory == -1) return;
    while (::flock(m_directory, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return;
        if (!keepWaiting()) {
            m_heldElsewhere = true;
            return;
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
    m_held = true;
}

DirectoryLock::~DirectoryLock() {
    // Closing the only descriptor of the folder gives the lock back.
    if (m_directory != -1) ::close(m_directory);
}

DirectoryLock::KeepWaiting DirectoryLock::atMost(std::chrono::milliseconds patience) {
    return [patience, deadline = std::optional<Clock::time_point>()]() mutable {
        if (!deadline) deadline = Clock::now() + patience;
        return Clock::now() < *deadline;
    };
}

DirectoryLock::KeepWaiting DirectoryLock::untilEnding(const std::atomic<bool>& ending) {
    return [&ending, rest = atMost(kPatience)]() mutable { return !ending || rest(); };
}

}  // namespace varn
