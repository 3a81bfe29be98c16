// bestgames.h: what "Enter score" and the end of a game need of the table of the best games.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace varn {

using Seconds = std::chrono::sys_seconds;

// A game's count of hints is held at this rather than growing past what the files allow.
inline constexpr int kMaxHints = 999'999'999;

// A score that "Enter score" offers: the running score of a game at the time of the press.
struct ScoreOffer {
    std::uint32_t game = 0;  // the game number, 1 to 4294967295
    std::int64_t score = 0;
    Seconds time{};
    int hints = 0;  // the hints the game had used by then
    // How the score was made, as a watch replays it (formatReplay); empty when not known.
    std::string actions;

    // Only a game that has scored offers anything: a press at 0 is no entry.
    bool counts() const { return score > 0 && game != 0; }
};

// The table answers from what it knows at once; what it keeps on disk is its own business, and
// never a wait of the caller's.
class BestGames {
  public:
    virtual ~BestGames() = default;
    // The rank, 1 to 10, that `offer` would take; 0 when it would change no row. The window
    // asks the player's name only then.
    virtual int rankFor(const ScoreOffer& offer) const = 0;
    // The name the window proposes: the one used last, or the user's own.
    virtual std::string proposedName() const = 0;
    // One press of "Enter score": counts it and enters its row with `name`, the proposed one
    // when empty, where it belongs when it is stored.
    virtual void enter(const ScoreOffer& offer, const std::string& name) = 0;
    // A game ended, by a new game or a numbered one, with `score`.
    virtual void gameEnded(std::int64_t score) = 0;
};

}  // namespace varn
