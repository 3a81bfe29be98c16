// uniformsource.h: the source of the uniform random numbers that the deal draws.
#pragma once

#include <cstdint>
#include <memory>

namespace varn {

// Where a source stands in its sequence: the seed it started from and how many numbers it has
// handed out since. Small enough for the history to keep two with every entry.
struct SourceState {
    std::uint32_t seed = 0;
    std::uint64_t drawn = 0;
    bool operator==(const SourceState&) const = default;
};

class UniformSource {
  public:
    virtual ~UniformSource() = default;
    // A single-precision number u with 0 <= u < 1.
    virtual float next() = 0;

    // An undo puts the source back where it stood, so the same move made again deals the same
    // pieces; restoring a state taken earlier hands out the same numbers from there on.
    virtual SourceState state() const = 0;
    virtual void restore(const SourceState& state) = 0;

    // A source of its own that stands where this one stands and hands out the same numbers
    // from here on: a search plays the future on it and leaves the game's source where it was.
    virtual std::unique_ptr<UniformSource> clone() const = 0;

    // A new game is about to be dealt: a source may begin the sequence of another game here.
    virtual void newGame() {}
    // The next new game deals game `number` (gamenumber.h), as a replay of a game code asks; a
    // source that deals no numbered games ignores it.
    virtual void chooseNextGame(std::uint32_t) {}
};

}  // namespace varn
