// highscorestore.h: what the high score needs of the file that keeps it between runs.
#pragma once

#include <functional>
#include <string>

namespace varn {

// A store answers at once or later, but always on the window's thread and in the order asked,
// so the window's thread never waits for its disk or its lock.
class HighScoreStore {
  public:
    enum class Outcome {
        Stored,  // the file holds the new score
        Beaten,  // the file held a score as good already, which comes as `line`
        Failed,  // it could not be stored: a lock kept elsewhere too long, a full disk...
    };
    using Loaded = std::function<void(const std::string& line)>;
    using Done = std::function<void(Outcome outcome, const std::string& line)>;

    virtual ~HighScoreStore() = default;
    // The file's first line, empty when it holds none or cannot be read. A missing file is
    // made, holding "0".
    virtual void load(Loaded loaded) = 0;
    // Stores `text`, a score worth `value`, unless the file holds one worth as much.
    virtual void store(double value, const std::string& text, Done done) = 0;
};

}  // namespace varn
