// scoretablefile.cpp: bounded reading, mending, locking and crash-safe writing of the table.
#include "scoretablefile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "directorylock.h"
#include "replacefile.h"
#include "xdgfolder.h"

namespace varn {

namespace {

// How many damaged files are kept aside before the game gives up and forgets.
constexpr int kMaxAsideFiles = 100;
constexpr std::size_t kLimit = ScoreTableFile::kMaxFileSize;

enum class State { Missing, Sound, Damaged, InTheWay };

struct Loaded {
    ScoreTable table;
    State state = State::Missing;
    std::string problem;
};

// One line, whatever bytes of a foreign file the reason quotes.
void complain(const std::string& path, const std::string& why) {
    std::string line = "varn: " + path + ": " + why;
    std::replace_if(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    std::fprintf(stderr, "%s\n", line.c_str());
}

std::string unreadable() {
    return std::string("it cannot be read: ") + std::strerror(errno);
}

// Reads at most `limit` bytes of `file`; false on a read error.
bool readAtMost(int file, std::size_t limit, std::string& bytes) {
    bytes.resize(limit);
    std::size_t have = 0;
    for (ssize_t n = 1; have < limit && n != 0;) {
        n = ::read(file, bytes.data() + have, limit - have);
        if (n < 0 && errno != EINTR) return false;
        have += std::size_t(std::max<ssize_t>(n, 0));
    }
    bytes.resize(have);
    return true;
}

Loaded load(const std::string& path) {
    // O_NONBLOCK keeps a FIFO of that name from stalling the game.
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (file == -1) return {{}, errno == ENOENT ? State::Missing : State::Damaged, unreadable()};
    struct stat info {};
    std::string bytes;
    const bool regular = ::fstat(file, &info) == 0 && S_ISREG(info.st_mode);
    // One byte past the bound tells a file that is too long.
    const bool read = regular && readAtMost(file, kLimit + 1, bytes);
    const std::string why = regular && !read ? unreadable() : "it is not a file";
    ::close(file);
    if (!read) return {{}, regular ? State::Damaged : State::InTheWay, why};
    Loaded loaded;
    loaded.table = ScoreTable::parse(std::string_view(bytes).substr(0, kLimit), loaded.problem);
    if (bytes.size() > kLimit)
        loaded.problem = "it is longer than " + std::to_string(kLimit) + " bytes";
    loaded.state = loaded.problem.empty() ? State::Sound : State::Damaged;
    return loaded;
}

// Renames the damaged file to the first free name of its kind, so that nothing is replaced.
bool setAside(const std::string& path, const std::string& problem) {
    for (int n = 1; n <= kMaxAsideFiles; ++n) {
        const std::string aside = path + ".damaged" + (n > 1 ? '-' + std::to_string(n) : "");
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) {
            complain(path, problem + "; kept as " + aside);
            return true;
        }
        if (errno != EEXIST) break;
    }
    complain(path, problem + "; left as it is, and the scores are not kept");
    return false;
}

// Makes the folder and any missing folder above it, private to the user as the desktop asks.
bool makeFolders(const std::filesystem::path& folder) {
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) return true;
    if (folder.parent_path() != folder) makeFolders(folder.parent_path());
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

std::string systemUserName() {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    // The full name is the first of the comma-separated parts of the user's description.
    const std::string_view gecos = found->pw_gecos ? found->pw_gecos : "";
    const std::string full = ScoreTable::cleanName(gecos.substr(0, gecos.find(',')));
    return full.empty() ? ScoreTable::cleanName(found->pw_name) : full;
}

std::string proposedFor(const ScoreTable& table) {
    return table.lastName().empty() ? systemUserName() : table.lastName();
}

}  // namespace

ScoreTableFile::ScoreTableFile(std::string path) : m_path(std::move(path)) {}

std::string ScoreTableFile::defaultPath() {
    return xdgFolder("XDG_DATA_HOME", ".local/share") + "/varn/scores.txt";
}

ScoreTable ScoreTableFile::read() const {
    Loaded loaded = load(m_path);
    // Mended under the lock, where no other game can be writing it.
    if (loaded.state == State::Damaged) update([&](ScoreTable& mended) { loaded.table = mended; });
    if (loaded.state == State::InTheWay) complain(m_path, loaded.problem);
    return loaded.table;
}

ScoreTableFile::Entry ScoreTableFile::enter(const ScoreOffer& offer, std::string_view name) const {
    if (!offer.counts()) return {};
    int rank = 0;
    const bool saved = update([&](ScoreTable& table) {
        const std::string given = ScoreTable::cleanName(name);
        rank = table.enter(offer, given.empty() ? proposedFor(table) : given);
    });
    return {saved, saved ? rank : 0};
}

bool ScoreTableFile::gameEnded(std::int64_t score) const {
    return score <= 0 || update([&](ScoreTable& table) { table.gameEnded(score); });
}

std::string ScoreTableFile::proposedName() const {
    return proposedFor(read());
}

bool ScoreTableFile::update(const std::function<void(ScoreTable&)>& change) const {
    if (!makeFolders(std::filesystem::path(m_path).parent_path())) return false;
    const DirectoryLock lock(m_path);
    if (lock.heldElsewhere()) return false;
    Loaded loaded = load(m_path);
    if (loaded.state == State::InTheWay) {
        complain(m_path, loaded.problem + "; the scores are not kept");
        return false;
    }
    if (loaded.state == State::Damaged && !setAside(m_path, loaded.problem)) return false;
    change(loaded.table);
    return replaceFile(m_path, loaded.table.text());
}

}  // namespace varn
