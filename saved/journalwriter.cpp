// journalwriter.cpp: the appends on the caller's thread, the disk's waits on the writer's own.
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
    const int folder =
        ::open(std::filesystem::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder == -1) return;
    ::fsync(folder);
    ::close(folder);
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
    {
        const DirectoryLock folder(m_path);
        if (m_owned) m_owned = ownsPath(m_file) && writeAll(m_file, records);
        // What another game left there at this action: the snapshot that this action asks
        // for goes in only if nothing has come since.
        if (!m_owned) m_seen = identityOf(m_path);
    }
    if (!m_owned) m_snapshotWanted = true;
    m_queue.push_back(records);
    m_wake.notify_one();
}

void JournalWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_queue.empty() && !m_working && !m_snapshotWanted; });
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
        lock.unlock();
        follow(records);
        const bool grown = owned && m_journalBytes > std::max(kMinJournalBytes, m_snapshotBytes);
        if (!m_lost && (wanted || grown)) {
            writeSnapshot();
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
    m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty() || m_snapshotWanted; });
    if (m_queue.empty() && !m_snapshotWanted) return false;
    records = std::move(m_queue);
    m_queue.clear();
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

// Under both locks: adds the records that came meanwhile and renames the snapshot over the file,
// unless another game replaced the file since this one's last record.
bool JournalWriter::putInPlace(int file, const std::string& temporary) {
    const std::lock_guard lock(m_mutex);
    const DirectoryLock folder(m_path);
    if (m_owned ? !ownsPath(m_file) : m_seen && m_seen != identityOf(m_path)) {
        m_owned = false;
        errno = 0;
        return false;
    }
    const std::vector<std::string> late = std::exchange(m_queue, {});
    follow(late);
    std::string joined;
    for (const std::string& record : late)
        joined += record;
    if ((!joined.empty() && !writeAll(file, joined)) ||
        ::rename(temporary.c_str(), m_path.c_str()) != 0)
        return false;
    if (m_file != -1) ::close(m_file);
    m_file = file;
    m_owned = true;
    // The records that asked for this snapshot are in it.
    m_snapshotWanted = false;
    m_journalBytes = joined.size();
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
    struct stat open {}, named {};
    return file != -1 && ::fstat(file, &open) == 0 && ::stat(m_path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

void JournalWriter::complain(const char* what) {
    if (std::exchange(m_complained, true)) return;
    std::cerr << "varn: the game in progress cannot be saved in " << m_path << ": " << what
              << '\n';
}

}  // namespace varn
