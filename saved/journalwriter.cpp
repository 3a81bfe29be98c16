// journalwriter.cpp: the appends on the caller's thread while the folder is free, every wait on
// the writer's own.
#include "journalwriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <utility>

#include "directorylock.h"
#include "savedformat.h"

namespace varn {

namespace {

// A short game's journal may grow to this before it is folded into a snapshot; a long game's
// grows as large as its snapshot, so a start reads at most twice what the game needs.
constexpr std::size_t kMinJournalBytes = 64 << 10;

bool writeAll(int file, const std::string& bytes) {
    return ::write(file, bytes.data(), bytes.size()) == std::ssize(bytes);
}

// Makes a rename in the folder of `path` survive a crash.
void syncFolderOf(const std::string& path) {
    const int folder = ::open(std::filesystem::path(path).parent_path().c_str(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder == -1) return;
    ::fsync(folder);
    ::close(folder);
}

std::string joined(const std::vector<std::string>& records) {
    std::string all;
    for (const std::string& record : records)
        all += record;
    return all;
}

}  // namespace

JournalWriter::JournalWriter(std::string path, SavedGame game)
    : m_path(std::move(path)), m_game(std::move(game)), m_thread([this] { run(); }) {}

JournalWriter::~JournalWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
    if (m_file != -1) ::close(m_file);
}

void JournalWriter::append(const std::string& records) {
    const std::lock_guard lock(m_mutex);
    m_queue.push_back(records);
    if (m_owned && !m_pending.empty()) {
        m_pending += records;  // after those that wait already
    } else if (m_owned) {
        // Tried once: while another holds the folder, the record waits for the writer's thread.
        const DirectoryLock folder(m_path, std::chrono::milliseconds(0));
        if (!folder.held()) {
            m_pending = records;
        } else if (!ownsPath(m_file) || !writeAll(m_file, records)) {
            disown();
        }
    } else {
        // What another game left there at this action: the snapshot that this action asks for
        // goes in only if nothing has come since.
        disown();
    }
    m_wake.notify_one();
}

// Under m_mutex: the file is no longer this writer's, and the next snapshot takes its place.
void JournalWriter::disown() {
    m_owned = false;
    m_seen = identityOf(m_path);
    m_snapshotWanted = true;
    m_pending.clear();
}

void JournalWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] {
        return m_queue.empty() && m_pending.empty() && !m_working && !m_snapshotWanted;
    });
}

void JournalWriter::run() {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
    std::unique_lock lock(m_mutex);
    std::vector<std::string> records;
    while (takeWork(lock, records)) {
        const bool wanted = std::exchange(m_snapshotWanted, false);
        // A journal another game has replaced is not folded: that would take the file back.
        const bool owned = m_owned;
        const bool pending = !m_pending.empty();
        lock.unlock();
        follow(records);
        const bool grown = owned && m_journalBytes > std::max(kMinJournalBytes, m_snapshotBytes);
        if (!m_lost && (wanted || grown)) {
            writeSnapshot();
        } else if (pending) {
            writePending();
        } else if (m_file != -1) {
            ::fdatasync(m_file);  // only this thread ever changes m_file
        }
        lock.lock();
        if (m_lost) m_owned = false;
        m_working = false;
        m_done.notify_all();
    }
}

// Waits for records or a snapshot to write; false once stopping with nothing left to do.
bool JournalWriter::takeWork(std::unique_lock<std::mutex>& lock,
                             std::vector<std::string>& records) {
    const auto work = [this] { return !m_queue.empty() || !m_pending.empty() || m_snapshotWanted; };
    m_wake.wait(lock, [&] { return m_stopping || work(); });
    if (!work()) return false;
    records = std::exchange(m_queue, {});
    m_working = true;
    return true;
}

void JournalWriter::follow(const std::vector<std::string>& records) {
    if (m_lost) return;
    try {
        for (const std::string& record : records) {
            m_journalBytes += record.size();
            std::string_view rest = record;
            for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
                applyRecord(m_game, rest.substr(0, end));
                rest.remove_prefix(end + 1);
            }
        }
    } catch (const SavedFormatError& error) {
        // Only a fault of this program leads here. The game goes on; saving it stops.
        complain(error.what());
        m_lost = true;
    }
}

// The records that waited, and those that come while the thread holds the lock: the caller's
// thread writes none meanwhile, so they go in in order.
void JournalWriter::writePending() {
    const DirectoryLock folder(m_path, DirectoryLock::untilEnding(m_stopping));
    std::unique_lock lock(m_mutex);
    if (!lockedFolder(folder)) {
        m_pending.clear();
        if (m_owned) disown();  // the file misses records: only a snapshot may follow it
        return;
    }
    while (m_owned && !m_pending.empty()) {
        const std::string records = std::exchange(m_pending, {});
        lock.unlock();
        const bool written = ownsPath(m_file) && writeAll(m_file, records);
        lock.lock();
        if (!written) disown();
    }
    lock.unlock();
    ::fdatasync(m_file);
}

// Under the folder's lock, which it then holds: false, with a line on stderr, when it is not.
bool JournalWriter::lockedFolder(const DirectoryLock& folder) {
    if (folder.held()) return true;
    complain(folder.heldElsewhere() ? "another program kept its folder locked"
                                    : "its folder cannot be locked");
    return false;
}

void JournalWriter::writeSnapshot() {
    const std::string text = formatSnapshot(m_game);
    std::string temporary = m_path + ".XXXXXX";
    const int file = ::mkstemp(temporary.data());
    if (file == -1) return complain("its folder cannot be written");
    if (writeAll(file, text) && ::fdatasync(file) == 0 && putInPlace(file, temporary)) {
        m_snapshotBytes = text.size();
        syncFolderOf(m_path);
        ::fdatasync(file);  // the records that came while the snapshot was written
        return;
    }
    if (errno != 0) complain(std::strerror(errno));
    ::close(file);
    ::unlink(temporary.c_str());
}

// Under the folder's lock: adds the records that came meanwhile and renames the snapshot over
// the file, unless another game replaced the file since this one's last record.
bool JournalWriter::putInPlace(int file, const std::string& temporary) {
    const DirectoryLock folder(m_path, DirectoryLock::untilEnding(m_stopping));
    errno = 0;
    if (!lockedFolder(folder)) return false;
    std::unique_lock lock(m_mutex);
    if (m_owned ? !ownsPath(m_file) : m_seen && m_seen != identityOf(m_path)) {
        m_owned = false;
        return false;
    }
    // The snapshot and these hold every record so far; the later ones wait, as the caller's
    // thread finds the folder locked.
    const std::vector<std::string> late = std::exchange(m_queue, {});
    m_pending.clear();
    lock.unlock();
    follow(late);
    const std::string lateText = joined(late);
    if ((!lateText.empty() && !writeAll(file, lateText)) ||
        ::rename(temporary.c_str(), m_path.c_str()) != 0)
        return false;
    lock.lock();
    if (m_file != -1) ::close(m_file);
    m_file = file;
    m_owned = true;
    // The records that asked for this snapshot are in it; those that came since are not, and
    // the thread writes them next.
    m_snapshotWanted = false;
    m_pending = joined(m_queue);
    m_journalBytes = lateText.size();
    return true;
}

// The file at `path` as far as a change by another game shows: which file it is, and its size,
// which each record grows; nothing when there is none.
std::optional<JournalWriter::Identity> JournalWriter::identityOf(const std::string& path) {
    struct stat named {};
    if (::stat(path.c_str(), &named) != 0) return std::nullopt;
    return Identity{named.st_dev, named.st_ino, named.st_size};
}

bool JournalWriter::ownsPath(int file) const {
    struct stat open {
    }, named{};
    return file != -1 && ::fstat(file, &open) == 0 && ::stat(m_path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

void JournalWriter::complain(const char* what) {
    if (std::exchange(m_complained, true)) return;
    std::cerr << "varn: the game in progress cannot be saved in " << m_path << ": " << what << '\n';
}

}  // namespace varn
