// replacefile.cpp: the temporary file, fsync and rename behind every file the game replaces whole.
#include "replacefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace varn {

namespace {

// A new file beside `path` that no one else has, in the usual mode: the kernel takes the umask
// off the 0666 asked for. The umask itself is never read, as reading it means setting it, and
// the writers of the scores run on threads of their own; mkstemp's files are private instead.
int createTemporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", ::arc4random());
        temporary = path + suffix;
        const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file != -1 || errno != EEXIST) return file;
    }
    return -1;
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

bool replaceFile(const std::string& path, std::string_view contents) {
    std::string temporary;
    const int file = createTemporary(path, temporary);
    if (file == -1) return false;
    // A short write means a full disk or a size limit: the old file must stay.
    const bool written = ::write(file, contents.data(), contents.size()) == std::ssize(contents) &&
                         ::fsync(file) == 0;
    if (::close(file) != 0 || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectoryOf(path);
    return true;
}

}  // namespace varn
