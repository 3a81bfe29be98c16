// scoretablekeeper.h: the table of the best games kept in memory for the window, and merged into
// its file on a thread of its own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "bestgames.h"
#include "fileworker.h"
#include "highscoreworker.h"
#include "scoretablefile.h"

namespace varn {

// The window's thread answers rankFor and proposedName from the table as it last knew it, and
// hands each entry and each game ended over: the file's thread reads the file once under its
// lock, for as long as another program holds it, merges the change and replaces the file, and
// the table so merged comes back through `post`. A damaged file is mended when first read.
class ScoreTableKeeper : public BestGames {
  public:
    ScoreTableKeeper(const std::string& path, WindowPost post);
    // Writes what was handed over, waiting at most DirectoryLock::kPatience for each lock.
    ~ScoreTableKeeper() override;
    ScoreTableKeeper(const ScoreTableKeeper&) = delete;
    ScoreTableKeeper& operator=(const ScoreTableKeeper&) = delete;

    int rankFor(const ScoreOffer& offer) const override { return m_table.rankFor(offer); }
    std::string proposedName() const override;
    void enter(const ScoreOffer& offer, const std::string& name) override;
    void gameEnded(std::int64_t score) override;

    // The table as the window knows it: the file's, with the changes not yet merged.
    const ScoreTable& table() const { return m_table; }
    // Waits until every change so far is in the file, or has failed, and on its way back.
    void flush() { m_worker.flush(); }

  private:
    // Runs `change` on the file's thread; the table it gives back replaces the window's, unless
    // another change was handed over since.
    void handOver(std::function<std::optional<ScoreTable>()> change);

    ScoreTableFile m_file;
    WindowPost m_post;
    ScoreTable m_table;
    std::string m_userName;
    std::uint64_t m_changes = 0;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    FileWorker m_worker;  // last: it ends before what its tasks use
};

}  // namespace varn
