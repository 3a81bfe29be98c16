// scoretablekeeper.cpp: the window's copy of the table, and the file's thread that merges into it.
#include "scoretablekeeper.h"

namespace varn {

ScoreTableKeeper::ScoreTableKeeper(const std::string& path, WindowPost post)
    : m_post(std::move(post)) {
    // The worker's wait for the lock ends with it.
    m_file = ScoreTableFile(path, m_worker.lockPatience());
    m_worker.post([this] {
        std::string problem;
        ScoreTable table = m_file.read(&problem);
        if (!problem.empty()) m_file.mend();
        // The system's user list may live on a network: it is asked here, once.
        m_post(
            [this, alive = m_alive, table = std::move(table), name = ScoreTableFile::userName()] {
                if (!*alive) return;
                m_userName = name;
                if (m_changes == 0) m_table = table;
            });
    });
}

ScoreTableKeeper::~ScoreTableKeeper() {
    // Answers are only ever run on the window's thread, the thread that ends the keeper.
    *m_alive = false;
}

std::string ScoreTableKeeper::proposedName() const {
    return m_table.lastName().empty() ? m_userName : m_table.lastName();
}

void ScoreTableKeeper::enter(const ScoreOffer& offer, const std::string& name) {
    if (!offer.counts()) return;
    const std::string given = ScoreTable::cleanName(name);
    const std::string entered = given.empty() ? proposedName() : given;
    m_table.enter(offer, entered);
    handOver([this, offer, entered]() -> std::optional<ScoreTable> {
        ScoreTableFile::Entry entry = m_file.enter(offer, entered);
        if (!entry.saved) return std::nullopt;
        return std::move(entry.table);
    });
}

void ScoreTableKeeper::gameEnded(std::int64_t score) {
    if (score <= 0) return;
    m_table.gameEnded(score);
    handOver([this, score]() -> std::optional<ScoreTable> {
        ScoreTable table;
        if (!m_file.gameEnded(score, &table)) return std::nullopt;
        return table;
    });
}

void ScoreTableKeeper::handOver(std::function<std::optional<ScoreTable>()> change) {
    const std::uint64_t number = ++m_changes;
    m_worker.post([this, number, change = std::move(change)] {
        std::optional<ScoreTable> merged = change();
        if (!merged) return;
        m_post([this, alive = m_alive, number, table = std::move(*merged)] {
            if (*alive && number == m_changes) m_table = table;
        });
    });
}

}  // namespace varn
