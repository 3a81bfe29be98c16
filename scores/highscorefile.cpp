// highscorefile.cpp: bounded reading and crash-safe writing of the high-score file.
#include "highscorefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>

#include "replacefile.h"

namespace varn {

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
    return replaceFile(m_path, line + "\r\n");
}

}  // namespace varn
