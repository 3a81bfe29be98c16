// scoretablefile.h: the table of the best games and the statistics, kept in the player's files.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "scoretable.h"

namespace varn {

// The table lives in one text file that every game of the user shares. Each change reads the
// file afresh under the lock of its folder, applies itself and replaces the file whole, so two
// games entering at once both keep their rows, and a crash leaves the old or the new file.
//
// A damaged file costs nothing that it held: its readable rows and values are kept, the file
// itself is renamed to the first free name of "scores.txt.damaged", "scores.txt.damaged-2"...,
// and one line on stderr says why. Anything in its place that is not a file is left alone and
// the game forgets its scores, as it does when the folder cannot be written.
class ScoreTableFile {
  public:
    // Only this much of the file is read; a longer one counts as damaged.
    static constexpr std::size_t kMaxFileSize = 64 * 1024;

    struct Entry {
        bool saved = false;  // the file holds the entry; false also for an offer that counts not
        int rank = 0;        // the rank it took, 1 to ScoreTable::kRows, or 0
    };

    explicit ScoreTableFile(std::string path = defaultPath());
    // $XDG_DATA_HOME/varn/scores.txt, or ~/.local/share/varn/scores.txt.
    static std::string defaultPath();
    const std::string& path() const { return m_path; }

    // The table as the file holds it now; empty when there is none.
    ScoreTable read() const;
    // Whether `offer` makes the table as it stands: the rank it would take, or 0. A window asks
    // for the name only then.
    int rankFor(const ScoreOffer& offer) const { return read().rankFor(offer); }
    // One press of "Enter score": counts it and stores its row with `name`; an empty name is
    // the proposed one. The table may have changed since rankFor: the row goes where it
    // belongs now.
    Entry enter(const ScoreOffer& offer, std::string_view name) const;
    // A game ended, by a new game or a numbered one, with `score`. False when it could not be
    // counted.
    bool gameEnded(std::int64_t score) const;
    // The name used last; before the first, the user's full name from the system, or the
    // login name when there is none.
    std::string proposedName() const;

  private:
    bool update(const std::function<void(ScoreTable&)>& change) const;

    std::string m_path;
};

}  // namespace varn
