// highscorefile.cpp: bounded reading and crash-safe writing of the high-score file, under its
// directory's lock.
#include "highscorefile.h"

#include <sys/stat.h>

#include <algorithm>

#include "directorylock.h"
#include "numericvalue.h"
#include "readfile.h"
#include "replacefile.h"

namespace varn {

HighScoreFile::HighScoreFile(std::string path) : m_path(std::move(path)) {}

// True when anything of that name exists, a directory included.
bool HighScoreFile::exists() const {
    struct stat info {};
    return ::lstat(m_path.c_str(), &info) == 0;
}

std::string HighScoreFile::loadLine() const {
    if (!exists()) {
        // Another game here may create the file at the same moment and store its score in it.
        const DirectoryLock lock(m_path);
        if (!lock.heldElsewhere() && !exists()) writeLine("0");
    }
    return readFirstLine();
}

void HighScoreFile::store(double value, const std::string& text, Done done) {
    // The lock keeps any other game from storing between the reading here and the writing.
    const DirectoryLock lock(m_path);
    if (lock.heldElsewhere()) return done(Outcome::Failed, {});
    const std::string stored = readFirstLine();
    if (numericValue(stored) >= value) return done(Outcome::Beaten, stored);
    done(writeLine(text) ? Outcome::Stored : Outcome::Failed, {});
}

std::string HighScoreFile::readFirstLine() const {
    return lineOf(readFile(m_path, kMaxLineLength, LongFile::KeepHead).bytes);
}

bool HighScoreFile::writeLine(const std::string& line) const {
    return replaceFile(m_path, textOf(line));
}

std::string HighScoreFile::lineOf(std::string_view bytes) {
    bytes = bytes.substr(0, kMaxLineLength);
    return std::string(bytes.substr(0, std::min(bytes.find_first_of("\r\n"), bytes.size())));
}

}  // namespace varn
