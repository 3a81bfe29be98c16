// scoretablefile.cpp: bounded reading, mending, locking and crash-safe writing of the table.
#include "scoretablefile.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

#include "xdgfolder.h"

namespace varn {

ScoreTableFile::ScoreTableFile(std::string path, DirectoryLock::KeepWaiting patience)
    : m_shared(std::move(path), kMaxFileSize,
               patience ? std::move(patience) : DirectoryLock::atMost(DirectoryLock::kPatience)) {}

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
    return m_shared.read(problem);
}

bool ScoreTableFile::mend() const {
    return m_shared.mend();
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
    return m_shared.update(change);
}

}  // namespace varn
