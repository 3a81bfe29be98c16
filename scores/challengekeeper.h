// challengekeeper.h: the player's challenges kept in memory for the window, and merged into their
// file on a thread of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "challenge.h"
#include "challengetable.h"
#include "fileworker.h"
#include "highscoreworker.h"
#include "sharedtable.h"

namespace varn {

// Works as the table of the best games does (scoretablekeeper.h): the window's thread answers
// from the table as it last knew it and hands each change over; the file's thread reads the
// file once under its lock, merges the change and replaces the file, and the table so merged
// comes back through `post`. A damaged file is mended when first read.
class ChallengeKeeper : public ChallengeBook {
  public:
    // Only this much of the file is read; a longer one counts as damaged.
    static constexpr std::size_t kMaxFileSize = 128 * 1024;
    using Name = std::function<std::string()>;

    // A row takes the name that `name` gives when it is written, the one the table of the best
    // games proposes.
    ChallengeKeeper(const std::string& path, WindowPost post, Name name);
    // Writes what was handed over, waiting at most DirectoryLock::kPatience for each lock.
    ~ChallengeKeeper() override;
    ChallengeKeeper(const ChallengeKeeper&) = delete;
    ChallengeKeeper& operator=(const ChallengeKeeper&) = delete;

    // $XDG_DATA_HOME/varn/challenges.txt, or ~/.local/share/varn/challenges.txt.
    static std::string defaultPath();
    // Whether that file holds `day` finished, read at once, for a start that must know.
    static bool finishedOnFile(Days day);

    // What a claim of a day's challenge came to.
    enum class Claim {
        Granted,  // the day is this game's to play
        Played,   // it was begun before, by this game or another
        Busy,     // another program kept the file locked for DirectoryLock::kPatience
    };
    // Takes the day's challenge for this game, under the lock of the file read afresh, so that
    // two games, or two windows, never both play it: `answer` runs on the window's thread. A
    // file that cannot be written keeps no day, and grants it as it grants every other.
    void claim(Days day, std::function<void(Claim)> answer);
    bool begun(Days day) const override { return m_table.begun(day); }
    int finish(Days day, std::int64_t score, int moves, const std::string& code) override;
    // The day's par, worked out, and its game's code.
    void setPar(Days day, std::int64_t par, const std::string& code);

    // The table as the window knows it: the file's, with the changes not yet merged.
    const ChallengeTable& table() const { return m_table; }
    // Called on the window's thread whenever the table known changes to the file's.
    void onChange(std::function<void()> changed) { m_changed = std::move(changed); }
    // Waits until every change so far is in the file, or has failed, and on its way back.
    void flush() { m_worker.flush(); }

  private:
    void handOver(std::function<void(ChallengeTable&)> change);
    void changeTo(const ChallengeTable& table);

    SharedTable<ChallengeTable> m_file;
    WindowPost m_post;
    Name m_name;
    std::function<void()> m_changed;
    ChallengeTable m_table;
    std::uint64_t m_changes = 0;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    FileWorker m_worker;  // last: it ends before what its tasks use
};

}  // namespace varn
