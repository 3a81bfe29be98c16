// highscorefile.h: the one-line text file that keeps the high score between runs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "highscorestore.h"

namespace varn {

inline constexpr const char* kHighScoreFileName = "Varn_hsc.nrz";

// The store on the caller's own thread: each answer comes before the call returns. Games started
// in one directory share the file; each change happens under the directory's lock, waited for
// DirectoryLock::kPatience at most.
class HighScoreFile : public HighScoreStore {
  public:
    // Only this much of the file is ever read: a high score needs a few digits, and a huge or
    // foreign file must not be loaded into memory.
    static constexpr std::size_t kMaxLineLength = 256;

    explicit HighScoreFile(std::string path = kHighScoreFileName);

    const std::string& path() const { return m_path; }

    void load(Loaded loaded) override { loaded(loadLine()); }
    void store(double value, const std::string& text, Done done) override;

    // The characters before the first CR or LF, or before the end of the file, cut at
    // kMaxLineLength. Empty when the file holds no line, and when it is missing, unreadable or
    // not a regular file.
    std::string readFirstLine() const;
    // Replaces the whole file by `line` and CR LF. The content goes to a temporary file in the
    // same directory first and is renamed over the old file, so a crash leaves either the old
    // or the new line, never a half-written file. False when the file could not be written.
    bool writeLine(const std::string& line) const;

    // The line that the bytes of a file hold, and the bytes that hold a line.
    static std::string lineOf(std::string_view bytes);
    static std::string textOf(const std::string& line) { return line + "\r\n"; }

  private:
    std::string loadLine() const;
    bool exists() const;

    std::string m_path;
};

}  // namespace varn
