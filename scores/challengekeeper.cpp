// challengekeeper.cpp: the window's copy of the challenges, and the file's thread that merges them.
#include "challengekeeper.h"

#include "xdgfolder.h"

namespace varn {

ChallengeKeeper::ChallengeKeeper(const std::string& path, WindowPost post, Name name)
    : m_post(std::move(post)), m_name(std::move(name)) {
    // The worker's wait for the lock ends with it.
    m_file = SharedTable<ChallengeTable>(path, kMaxFileSize, m_worker.lockPatience());
    m_worker.post([this] {
        std::string problem;
        ChallengeTable table = m_file.read(&problem);
        if (!problem.empty()) m_file.mend();
        m_post([this, alive = m_alive, table = std::move(table)] {
            if (*alive && m_changes == 0) changeTo(table);
        });
    });
}

ChallengeKeeper::~ChallengeKeeper() {
    // Answers are only ever run on the window's thread, the thread that ends the keeper.
    *m_alive = false;
}

std::string ChallengeKeeper::defaultPath() {
    return xdgFolder("XDG_DATA_HOME", ".local/share") + "/varn/challenges.txt";
}

void ChallengeKeeper::changeTo(const ChallengeTable& table) {
    m_table = table;
    if (m_changed) m_changed();
}

bool ChallengeKeeper::finishedOnFile(Days day) {
    return SharedTable<ChallengeTable>(defaultPath(), kMaxFileSize, {}).read().finished(day);
}

void ChallengeKeeper::claim(Days day, std::function<void(Claim)> answer) {
    const std::string name = m_name();
    const std::uint64_t number = ++m_changes;
    m_worker.post([this, day, name, number, answer = std::move(answer)] {
        bool played = false;
        bool busy = false;
        std::optional<ChallengeTable> merged = m_file.update(
            [&](ChallengeTable& table) {
                played = table.begun(day);
                table.begin(day, name);
            },
            DirectoryLock::atMost(DirectoryLock::kPatience), &busy);
        const Claim claim = played ? Claim::Played : busy ? Claim::Busy : Claim::Granted;
        // A claim that stored nothing still brings the file as it is: it may have come before
        // the file was first read, whose answer gives way to any change asked for since.
        ChallengeTable known = merged ? std::move(*merged) : m_file.read();
        m_post([this, alive = m_alive, day, name, number, claim, known = std::move(known), answer] {
            if (!*alive) return;
            if (number == m_changes) changeTo(known);
            if (claim == Claim::Granted) m_table.begin(day, name);
            answer(claim);
        });
    });
}

int ChallengeKeeper::finish(Days day, std::int64_t score, int moves, const std::string& code) {
    const std::string name = m_name();
    const int rank = m_table.finish(day, score, moves, name, code);
    handOver([=](ChallengeTable& table) { table.finish(day, score, moves, name, code); });
    return rank;
}

void ChallengeKeeper::setPar(Days day, std::int64_t par, const std::string& code) {
    m_table.setPar(day, par, code);
    handOver([=](ChallengeTable& table) { table.setPar(day, par, code); });
}

void ChallengeKeeper::handOver(std::function<void(ChallengeTable&)> change) {
    const std::uint64_t number = ++m_changes;
    m_worker.post([this, number, change = std::move(change)] {
        std::optional<ChallengeTable> merged = m_file.update(change);
        if (!merged) return;
        m_post([this, alive = m_alive, number, table = std::move(*merged)] {
            if (*alive && number == m_changes) changeTo(table);
        });
    });
}

}  // namespace varn
