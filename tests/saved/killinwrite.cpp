// killinwrite.cpp: loaded with LD_PRELOAD, kills its process with SIGKILL in the middle of the
// Nth write() (VARN_KILL_AT_WRITE) to a file whose path holds VARN_KILL_FILE, once half of the
// bytes are written: a crash at the worst instant, on whichever thread writes. With
// VARN_SHORT_READS=N, every read() and pread() gives N bytes at most, as a network or FUSE
// folder may.
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool isWatched(int file) {
    const char* watched = std::getenv("VARN_KILL_FILE");
    char path[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(file);
    const ssize_t length = ::readlink(link.c_str(), path, sizeof path);
    return watched && length > 0 &&
           std::string_view(path, length).find(watched) != std::string_view::npos;
}

}  // namespace

extern "C" ssize_t write(int file, const void* bytes, size_t count) {
    static std::atomic<long> writes{0};
    const char* at = std::getenv("VARN_KILL_AT_WRITE");
    if (at && isWatched(file) && ++writes == std::atol(at)) {
        ::syscall(SYS_write, file, bytes, count / 2);
        ::raise(SIGKILL);
    }
    return ::syscall(SYS_write, file, bytes, count);
}

namespace {

size_t shortened(size_t count) {
    static const char* const most = std::getenv("VARN_SHORT_READS");
    return most ? std::min(count, size_t(std::atol(most))) : count;
}

}  // namespace

extern "C" ssize_t read(int file, void* bytes, size_t count) {
    return ::syscall(SYS_read, file, bytes, shortened(count));
}

extern "C" ssize_t pread(int file, void* bytes, size_t count, off_t offset) {
    return ::syscall(SYS_pread64, file, bytes, shortened(count), offset);
}

extern "C" ssize_t pread64(int file, void* bytes, size_t count, off_t offset) {
    return pread(file, bytes, count, offset);
}
