// clipfile.cpp: opening, measuring and reading a sound file, with errors the designer can read.
#include "clipfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "sounderror.h"

namespace varn {

namespace {

SoundError openError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
            return SoundError(SoundError::kFileNotFound, "File not found");
        case EACCES:
        case EPERM:
            return SoundError(SoundError::kPermissionDenied, "Permission denied");
        default:
            return SoundError(SoundError::kPathFileAccessError, "Path/File access error");
    }
}

}  // namespace

ClipFile::ClipFile(const std::string& path) {
    if (path.empty()) throw openError(ENOENT);
    // O_NONBLOCK keeps a FIFO of that name from stalling the designer; only regular files count.
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0) throw openError(errno);
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(m_fd);
        throw openError(EINVAL);
    }
    m_size = static_cast<std::uint64_t>(info.st_size);
}

ClipFile::~ClipFile() {
    ::close(m_fd);
}

ByteArray ClipFile::readWithTrailingZero() const {
    if (m_size > kMaxClipBytes) {
        throw SoundError(SoundError::kPathFileAccessError, "File is too large to embed");
    }
    ByteArray bytes(static_cast<std::size_t>(m_size) + 1, 0);
    std::size_t filled = 0;
    while (filled < m_size) {
        const ssize_t n =
            ::pread(m_fd, bytes.data() + filled, m_size - filled, static_cast<off_t>(filled));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw SoundError(SoundError::kDeviceIoError, "Device I/O error");
        // The file shrank since it was measured: a partial clip would be a broken one.
        if (n == 0) throw SoundError(SoundError::kInputPastEndOfFile, "Input past end of file");
        filled += static_cast<std::size_t>(n);
    }
    return bytes;
}

}  // namespace varn
