// replacefile.cpp: the temporary file, fsync and rename behind every file the game replaces whole.
#include "replacefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace varn {

namespace {

// A file made by mkstemp is private to its owner; the files of the scores get the usual mode.
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

bool replaceFile(const std::string& path, std::string_view contents) {
    std::string temporary = path + ".XXXXXX";
    const int file = ::mkstemp(temporary.data());
    if (file == -1) return false;
    // A short write means a full disk or a size limit: the old file must stay.
    const bool written = ::fchmod(file, modeForNewFiles()) == 0 &&
                         ::write(file, contents.data(), contents.size()) == std::ssize(contents) &&
                         ::fsync(file) == 0;
    if (::close(file) != 0 || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectoryOf(path);
    return true;
}

}  // namespace varn
