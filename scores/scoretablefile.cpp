// scoretablefile.cpp: bounded reading, mending, locking and crash-safe writing of the table.
#include "scoretablefile.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "readfile.h"
#include "replacefile.h"
#include "setaside.h"
#include "xdgfolder.h"

namespace varn {

namespace {

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

Loaded load(const std::string& path) {
    const FileBytes file = readFile(path, kLimit, LongFile::KeepHead);
    switch (file.status) {
        case FileBytes::Status::Missing:
            return {};
        case FileBytes::Status::NotAFile:
            return {{}, State::InTheWay, "it is not a file"};
        case FileBytes::Status::Unreadable:
            return {
                {}, State::Damaged, std::string("it cannot be read: ") + std::strerror(file.error)};
        case FileBytes::Status::Read:
        case FileBytes::Status::TooLong:
            break;
    }
    Loaded loaded;
    loaded.table = ScoreTable::parse(file.bytes, loaded.problem);
    if (file.status == FileBytes::Status::TooLong)
        loaded.problem = "it is longer than " + std::to_string(kLimit) + " bytes";
    loaded.state = loaded.problem.empty() ? State::Sound : State::Damaged;
    return loaded;
}

bool keepAside(const std::string& path, const std::string& problem) {
    if (const auto aside = setAside(path)) {
        complain(path, problem + "; kept as " + *aside);
        return true;
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

}  // namespace

ScoreTableFile::ScoreTableFile(std::string path, DirectoryLock::KeepWaiting patience)
    : m_path(std::move(path)),
      m_patience(patience ? std::move(patience) : DirectoryLock::atMost(DirectoryLock::kPatience)) {
}

std::string ScoreTableFile::defaultPath() {
    return xdgFolder("XDG_DATA_HOME", ".local/share") + "/varn/scores.txt";
}

std::string ScoreTableFile::userName() {
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

std::string ScoreTableFile::proposedFor(const ScoreTable& table) {
    return table.lastName().empty() ? userName() : table.lastName();
}

ScoreTable ScoreTableFile::read(std::string* problem) const {
    Loaded loaded = load(m_path);
    if (problem) *problem = loaded.problem;
    return loaded.table;
}

bool ScoreTableFile::mend() const {
    return load(m_path).state == State::Damaged && update([](ScoreTable&) {});
}

ScoreTableFile::Entry ScoreTableFile::enter(const ScoreOffer& offer, std::string_view name) const {
    if (!offer.counts()) return {};
    int rank = 0;
    std::optional<ScoreTable> table = update([&](ScoreTable& table) {
        const std::string given = ScoreTable::cleanName(name);
        rank = table.enter(offer, given.empty() ? proposedFor(table) : given);
    });
    if (!table) return {};
    return {true, rank, std::move(*table)};
}

bool ScoreTableFile::gameEnded(std::int64_t score, ScoreTable* after) const {
    if (score <= 0) return true;
    std::optional<ScoreTable> table = update([&](ScoreTable& table) { table.gameEnded(score); });
    if (table && after) *after = std::move(*table);
    return table.has_value();
}

std::optional<ScoreTable> ScoreTableFile::update(
    const std::function<void(ScoreTable&)>& change) const {
    if (!makeFolders(std::filesystem::path(m_path).parent_path())) return std::nullopt;
    const DirectoryLock lock(m_path, DirectoryLock::KeepWaiting(m_patience));
    if (lock.heldElsewhere()) return std::nullopt;
    Loaded loaded = load(m_path);
    if (loaded.state == State::InTheWay) {
        complain(m_path, loaded.problem + "; the scores are not kept");
        return std::nullopt;
    }
    if (loaded.state == State::Damaged && !keepAside(m_path, loaded.problem)) return std::nullopt;
    change(loaded.table);
    if (!replaceFile(m_path, loaded.table.text())) return std::nullopt;
    return std::move(loaded.table);
}

}  // namespace varn
