// savedgamefile.cpp: reading the saved game whole, and setting a damaged one aside.
#include "savedgamefile.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "readfile.h"
#include "savedformat.h"
#include "setaside.h"
#include "xdgfolder.h"

namespace varn {

namespace {

// Over a hundred bytes a state: the longest history kept, with room for its records.
constexpr std::size_t kMaxFileBytes = 64 << 20;

class Unreadable : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The whole file, or nothing when there is none.
std::optional<std::string> readWhole(const std::string& path) {
    FileBytes file = readFile(path, kMaxFileBytes, LongFile::Refuse);
    switch (file.status) {
        case FileBytes::Status::Read:
            return std::move(file.bytes);
        case FileBytes::Status::Missing:
            return std::nullopt;
        case FileBytes::Status::NotAFile:
            throw Unreadable("it is no plain file");
        case FileBytes::Status::TooLong:
            throw Unreadable("it is larger than any saved game");
        case FileBytes::Status::Unreadable:
            break;
    }
    throw Unreadable(std::strerror(file.error));
}

// Nothing is ever renamed over another file.
std::string keepAside(const std::string& path) {
    if (const auto aside = setAside(path)) return "it is kept as " + *aside;
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
        << keepAside(path) << '\n';
    return std::nullopt;
}

}  // namespace varn
