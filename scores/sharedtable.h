// sharedtable.h: a table that every game of the user shares in one text file, changed whole under
// the lock of its folder.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "directorylock.h"
#include "readfile.h"
#include "replacefile.h"

namespace varn {

// What the table files have in common, whatever their table.
namespace sharedfile {

enum class State { Missing, Sound, Damaged, InTheWay };

// The file's bytes, up to `limit`, and what stops them being read as a table.
struct Bytes {
    FileBytes file;
    State state = State::Missing;
    std::string problem;
};
Bytes read(const std::string& path, std::size_t limit);
// One line on stderr, whatever bytes of a foreign file the reason quotes.
void complain(const std::string& path, const std::string& why);
// Sets a damaged file aside, saying so; false when it stays in the way.
bool keepAside(const std::string& path, const std::string& problem);
// Makes the folder and any missing folder above it, private to the user as the desktop asks.
bool makeFolders(const std::string& path);

}  // namespace sharedfile

// Each change reads the file afresh under the lock of its folder, applies itself and replaces
// the file whole, so two games changing it at once both keep their change, and a crash leaves
// the old or the new file. Reading changes nothing. A change that finds the file damaged first
// sets it aside, keeping what could be read of it; anything in its place that is not a file is
// left alone and the change is lost, as it is when the folder cannot be written.
//
// `Table` has `static Table parse(std::string_view, std::string& problem)` and `text()`.
template <typename Table>
class SharedTable {
  public:
    SharedTable() = default;
    SharedTable(std::string path, std::size_t limit, DirectoryLock::KeepWaiting patience)
        : m_path(std::move(path)), m_limit(limit), m_patience(std::move(patience)) {}

    const std::string& path() const { return m_path; }

    // The table as the file holds it now, what could be read of a damaged one included.
    // `problem`, when given, tells why the file is damaged, or is empty.
    Table read(std::string* problem = nullptr, sharedfile::State* state = nullptr) const {
        sharedfile::Bytes bytes = sharedfile::read(m_path, m_limit);
        Table table;
        if (!bytes.file.bytes.empty() || bytes.state == sharedfile::State::Sound) {
            std::string parsed;
            table = Table::parse(bytes.file.bytes, parsed);
            if (bytes.state == sharedfile::State::Sound && !parsed.empty()) {
                bytes.state = sharedfile::State::Damaged;
                bytes.problem = parsed;
            }
        }
        if (problem) *problem = bytes.problem;
        if (state) *state = bytes.state;
        return table;
    }

    // Sets a damaged file aside and puts what could be read of it in its place. False when the
    // file could not be mended, or needed no mending.
    bool mend() const {
        sharedfile::State state{};
        read(nullptr, &state);
        return state == sharedfile::State::Damaged && update([](Table&) {});
    }

    // The table as the file holds it after `change`, or nothing when it could not be stored.
    // The lock is waited for as long as `patience` says, or the table's own patience;
    // `heldElsewhere`, when given, tells whether another holder kept it for all that wait.
    std::optional<Table> update(const std::function<void(Table&)>& change,
                                const DirectoryLock::KeepWaiting& patience = {},
                                bool* heldElsewhere = nullptr) const {
        if (!sharedfile::makeFolders(m_path)) return std::nullopt;
        const DirectoryLock lock(m_path,
                                 DirectoryLock::KeepWaiting(patience ? patience : m_patience));
        if (heldElsewhere) *heldElsewhere = lock.heldElsewhere();
        if (lock.heldElsewhere()) return std::nullopt;
        std::string problem;
        sharedfile::State state{};
        Table table = read(&problem, &state);
        if (state == sharedfile::State::InTheWay) {
            sharedfile::complain(m_path, problem + "; the scores are not kept");
            return std::nullopt;
        }
        if (state == sharedfile::State::Damaged && !sharedfile::keepAside(m_path, problem))
            return std::nullopt;
        change(table);
        if (!replaceFile(m_path, table.text())) return std::nullopt;
        return table;
    }

  private:
    std::string m_path;
    std::size_t m_limit = 0;
    DirectoryLock::KeepWaiting m_patience;
};

}  // namespace varn
