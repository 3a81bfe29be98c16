// journalwriter.h: keeps a saved game on disk as a snapshot and a journal of records after it.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "savedgame.h"

namespace varn {

class DirectoryLock;

// A record is written only under the lock of the file's folder, and the caller's thread, the
// window's, never waits for that lock nor for the disk. It tries the lock once: when it is free,
// the record reaches the file with one write() before append() returns, so a process killed at
// any instant after that still leaves it in the file; a crash inside that write leaves a last
// record cut short, which the reader drops. When another program holds the lock, the record
// waits in memory, and so do those after it, until the writer's own thread has the lock and
// writes them, in order; a process killed meanwhile loses them, never the file.
//
// Everything else that waits happens on the writer's thread too: fdatasync after the records,
// and a fresh snapshot of the whole game, written beside the file and renamed over it, at the
// start and whenever the journal has grown past the snapshot. That thread follows the game by
// applying the same records to its own copy. It waits for the folder's lock as long as another
// program holds it, and at most DirectoryLock::kPatience once the writer is ending; what it could
// not write then is lost, with one line on stderr.
//
// Games started at once share the file, and it always holds one whole game: that of the last
// to act. A record is appended only while the file is still the one this writer made; when
// another game has put its own file in place, this writer's next record brings a fresh snapshot
// of its game instead, which goes in unless the other game has acted again meanwhile.
//
// A folder that cannot be written only makes the game forget; one line on stderr says so.
class JournalWriter {
  public:
    // Starts with a snapshot of `game`, the folder of `path` made if missing.
    JournalWriter(std::string path, SavedGame game);
    // Writes what is left and waits for the disk.
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // One or more record lines of an action, each ended by its newline.
    void append(const std::string& records);
    // Waits until every record appended so far is applied, written and on the disk.
    void flush();

  private:
    struct Identity {
        dev_t device;
        ino_t inode;
        off_t size;
        bool operator==(const Identity&) const = default;
    };

    void run();
    bool takeWork(std::unique_lock<std::mutex>& lock, std::vector<std::string>& records);
    void follow(const std::vector<std::string>& records);
    void writeSnapshot();
    bool putInPlace(int file, const std::string& temporary);
    void writePending();
    bool lockedFolder(const DirectoryLock& folder);
    void disown();
    bool ownsPath(int file) const;
    static std::optional<Identity> identityOf(const std::string& path);
    void complain(const char* what);

    const std::string m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::atomic<bool> m_stopping = false;

    // Shared, under m_mutex; the writer's thread holds it only for a moment, never over a wait.
    std::vector<std::string> m_queue;  // records the thread has not applied yet
    std::string m_pending;             // records waiting for the folder's lock, in order
    int m_file = -1;                   // the journal records go to; only the thread changes it
    bool m_owned = false;              // the file at m_path is still m_file
    // While not: the file that stood at m_path at this game's last action, if any.
    std::optional<Identity> m_seen;
    bool m_snapshotWanted = true;
    bool m_working = false;

    // The thread's own.
    SavedGame m_game;
    std::size_t m_snapshotBytes = 0;
    std::size_t m_journalBytes = 0;
    bool m_complained = false;
    bool m_lost = false;  // a record did not fit the game: nothing more is written

    std::thread m_thread;  // last: it starts once everything above is ready
};

}  // namespace varn
