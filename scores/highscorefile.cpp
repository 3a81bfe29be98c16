// highscorefile.cpp: bounded reading and crash-safe writing of the high-score file.
#include "highscorefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

namespace varn {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    bool close() { return m_fd < 0 || ::close(std::exchange(m_fd, -1)) == 0; }

  private:
    int m_fd;
};

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A file made by mkstemp is private to its owner; the high-score file gets the usual mode.
mode_t modeForNewFiles() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncDirectory(const std::string& directory) {
    FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
}

}  // namespace

HighScoreFile::HighScoreFile(std::string path) : m_path(std::move(path)) {}

bool HighScoreFile::exists() const {
    struct stat info {};
    return ::lstat(m_path.c_str(), &info) == 0;
}

std::optional<std::string> HighScoreFile::readFirstLine() const {
    // O_NONBLOCK keeps a FIFO of that name from stalling the game; only regular files count.
    FileDescriptor file(::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    std::array<char, kMaxLineLength> buffer{};
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t n = ::read(file.get(), buffer.data() + filled, buffer.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    std::string line(buffer.data(), filled);
    const auto end = line.find_first_of("\r\n");
    if (end != std::string::npos) line.resize(end);
    return line;
}

bool HighScoreFile::writeLine(const std::string& line) const {
    std::string temporary = m_path + ".XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (!file.valid()) return false;
    const bool written = ::fchmod(file.get(), modeForNewFiles()) == 0 &&
                         writeAll(file.get(), line + "\r\n") && ::fsync(file.get()) == 0;
    if (!file.close() || !written || ::rename(temporary.c_str(), m_path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectory(directoryOf(m_path));
    return true;
}

}  // namespace varn
