// scoretablefile.h: the table of the best games and the statistics, kept in the player's files.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "directorylock.h"
#include "scoretable.h"
#include "sharedtable.h"

namespace varn {

// The table lives in one text file that every game of the user shares. Each change reads the
// file afresh under the lock of its folder, applies itself and replaces the file whole, so two
// games entering at once both keep their rows, and a crash leaves the old or the new file.
//
// Reading changes nothing. A change that finds the file damaged first sets it aside, a step of
// its own: its readable rows and values are kept, the file itself is renamed to the first free
// name of "scores.txt.damaged-1", "scores.txt.damaged-2"..., and one line on stderr says why.
// Anything in its place that is not a file is left alone and the game forgets its scores, as
// it does when the folder cannot be written.
class ScoreTableFile {
  public:
    // Only this much of the file is read; a longer one counts as damaged. Ten rows that keep
    // their games' last ten thousand actions each fit well inside it.
    static constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

    struct Entry {
        bool saved = false;  // the file holds the entry; false also for an offer that counts not
        int rank = 0;        // the rank it took, 1 to ScoreTable::kRows, or 0
        ScoreTable table;    // the table as the file holds it afterwards, when saved
    };

    // A change waits for the folder's lock for as long as `patience` says; by default
    // DirectoryLock::kPatience.
    explicit ScoreTableFile(std::string path = defaultPath(),
                            DirectoryLock::KeepWaiting patience = {});
    // $XDG_DATA_HOME/varn/scores.txt, or ~/.local/share/varn/scores.txt.
    static std::string defaultPath();
    const std::string& path() const { return m_shared.path(); }

    // The table as the file holds it now, what could be read of a damaged one included; empty
    // when there is none. `problem`, when given, tells why the file is damaged, or is empty.
    ScoreTable read(std::string* problem = nullptr) const;
    // Sets a damaged file aside and puts what could be read of it in its place. False when the
    // file could not be mended, or needed no mending.
    bool mend() const;
    // Whether `offer` makes the table as it stands: the rank it would take, or 0.
    int rankFor(const ScoreOffer& offer) const { return read().rankFor(offer); }
    // One press of "Enter score": counts it and stores its row with `name`; an empty name is
    // the proposed one. The table may have changed since rankFor: the row goes where it
    // belongs now.
    Entry enter(const ScoreOffer& offer, std::string_view name) const;
    // A game ended, by a new game or a numbered one, with `score`. False when it could not be
    // counted; `after`, when given, receives the table as the file holds it afterwards.
    bool gameEnded(std::int64_t score, ScoreTable* after = nullptr) const;
    // The name used last; before the first, userName().
    std::string proposedName() const { return proposedFor(read()); }
    static std::string proposedFor(const ScoreTable& table);
    // The user's full name from the system, or the login name when there is none.
    static std::string userName();

  private:
    std::optional<ScoreTable> update(const std::function<void(ScoreTable&)>& change) const;

    SharedTable<ScoreTable> m_shared;
};

}  // namespace varn
