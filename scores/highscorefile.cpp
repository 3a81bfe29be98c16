// highscorefile.cpp: bounded reading and crash-safe writing of the high-score file.
#include "highscorefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>

namespace varn {

namespace {

// A file made by mkstemp is private to its owner; the high-score file gets the usual mode.
mode_t modeForNewFiles() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes a rename in the directory of `path` survive a crash.
void syncDirectoryOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const int directory =
        ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(directory);
    ::close(directory);
}

}  // namespace

HighScoreFile::HighScoreFile(std::string path) : m_path(std::move(path)) {}

bool HighScoreFile::exists() const {
    struct stat info {};
    return ::lstat(m_path.c_str(), &info) == 0;
}

std::string HighScoreFile::readFirstLine() const {
    // O_NONBLOCK keeps a FIFO of that name from stalling the game; only regular files count.
    const int file = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    std::string line;
    if (::fstat(file, &info) == 0 && S_ISREG(info.st_mode)) {
        // A regular file gives what it holds, up to the bound, in one read.
        std::array<char, kMaxLineLength> buffer{};
        const ssize_t n = ::read(file, buffer.data(), buffer.size());
        line.assign(buffer.data(), static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
    }
    ::close(file);
    line.resize(std::min(line.find_first_of("\r\n"), line.size()));
    return line;
}

bool HighScoreFile::writeLine(const std::string& line) const {
    std::string temporary = m_path + ".XXXXXX";
    const int file = ::mkstemp(temporary.data());
    if (file == -1) return false;
    // A short write means a full disk or a size limit: the old file must stay.
    const std::string text = line + "\r\n";
    const bool written = ::fchmod(file, modeForNewFiles()) == 0 &&
                         ::write(file, text.data(), text.size()) == std::ssize(text) &&
                         ::fsync(file) == 0;
    if (::close(file) != 0 || !written || ::rename(temporary.c_str(), m_path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectoryOf(m_path);
    return true;
}

}  // namespace varn
