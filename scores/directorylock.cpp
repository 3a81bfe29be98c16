// directorylock.cpp: a bounded wait for an exclusive flock() on the high-score file's directory.
#include "directorylock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <thread>

namespace varn {

namespace {

// The game sleeps between tries, so a wait costs no processor time; a lock given up is noticed
// within this.
constexpr std::chrono::milliseconds kRetryInterval{10};

std::string directoryOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

}  // namespace

DirectoryLock::DirectoryLock(const std::string& path)
    : m_directory(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (m_directory == -1) return;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (::flock(m_directory, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return;
        if (std::chrono::steady_clock::now() >= deadline) {
            m_heldElsewhere = true;
            return;
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
}

DirectoryLock::~DirectoryLock() {
    // Closing the only descriptor of the directory gives the lock back.
    if (m_directory != -1) ::close(m_directory);
}

}  // namespace varn
