// readfile.cpp: looping reads of a regular file, bounded.
#include "readfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace varn {

bool readAtMost(int file, std::size_t limit, std::string& bytes) {
    // Room grows with what comes, so a small file with a large bound costs little memory.
    constexpr std::size_t kChunk = 64 << 10;
    bytes.clear();
    while (bytes.size() < limit) {
        const std::size_t have = bytes.size();
        bytes.resize(have + std::min(kChunk, limit - have));
        const ssize_t n = ::read(file, bytes.data() + have, bytes.size() - have);
        bytes.resize(have + std::size_t(std::max<ssize_t>(n, 0)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) bytes.clear();
        if (n <= 0) return n == 0;
    }
    return true;
}

FileBytes readFile(const std::string& path, std::size_t limit, LongFile longFile) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (file == -1) {
        const int error = errno;
        return {error == ENOENT ? FileBytes::Status::Missing : FileBytes::Status::Unreadable,
                {},
                error};
    }
    FileBytes result;
    struct stat status {};
    if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
        result.status = FileBytes::Status::NotAFile;
    } else if (std::size_t(status.st_size) > limit && longFile == LongFile::Refuse) {
        result.status = FileBytes::Status::TooLong;
    } else if (!readAtMost(file, limit + 1, result.bytes)) {
        result = {FileBytes::Status::Unreadable, {}, errno};
    } else if (result.bytes.size() > limit) {
        // The file grew past its stated size, or states less than it holds.
        result.status = FileBytes::Status::TooLong;
        result.bytes.resize(longFile == LongFile::KeepHead ? limit : 0);
    } else {
        result.status = FileBytes::Status::Read;
    }
    ::close(file);
    return result;
}

}  // namespace varn
