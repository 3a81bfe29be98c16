// savedgamefile.cpp: reading the saved game whole, and setting a damaged one aside.
#include "savedgamefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>

#include "savedformat.h"
#include "xdgfolder.h"

namespace varn {

namespace {

// Over a hundred bytes a state: the longest history kept, with room for its records.
constexpr off_t kMaxFileBytes = 64 << 20;

class Unreadable : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The whole file, or nothing when there is none. Opened without blocking, so that a pipe put in
// its place cannot hang the start.
std::optional<std::string> readWhole(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (file == -1 && errno == ENOENT) return std::nullopt;
    if (file == -1) throw Unreadable(std::strerror(errno));
    struct stat status {};
    std::string text;
    const bool regular = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    if (regular && status.st_size <= kMaxFileBytes) {
        text.resize(static_cast<std::size_t>(status.st_size));
        const ssize_t got = ::read(file, text.data(), text.size());
        text.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    }
    ::close(file);
    if (!regular) throw Unreadable("it is no plain file");
    if (status.st_size > kMaxFileBytes) throw Unreadable("it is larger than any saved game");
    return text;
}

// The first free name "<path>.damaged-N": nothing is ever renamed over another file.
std::string setAside(const std::string& path) {
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = path + ".damaged-" + std::to_string(n);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return "it is kept as " + aside;
        if (errno != EEXIST) break;
    }
    return std::string("it stays where it is (") + std::strerror(errno) + ")";
}

}  // namespace

std::string savedGamePath() {
    return xdgFolder("XDG_STATE_HOME", ".local/state") + "/varn/game.txt";
}

std::optional<SavedGame> loadSavedGame(const std::string& path, std::ostream& log) {
    std::string why;
    try {
        const std::optional<std::string> text = readWhole(path);
        if (!text) return std::nullopt;
        return parseSavedGame(*text);
    } catch (const SavedFormatError& error) {
        why = error.what();
    } catch (const Unreadable& error) {
        why = error.what();
    }
    log << "varn: the saved game " << path << " cannot be continued: " << why << "; "
        << setAside(path) << '\n';
    return std::nullopt;
}

}  // namespace varn
