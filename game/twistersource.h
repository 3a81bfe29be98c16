// twistersource.h: the game's real random numbers, from a Mersenne Twister.
#pragma once

#include <cstdint>
#include <random>

#include "uniformsource.h"

namespace varn {

// The sequence comes in blocks, each drawn from the engine seeded anew by the run's seed and
// the block's number. An engine cannot step back, so an undo starts the block of its position
// over and skips to it: however long the game, that costs at most one block.
class TwisterSource : public UniformSource {
  public:
    // Seeded once from the time of day, as the game does at start-up.
    TwisterSource();
    // A repeatable sequence, for tests and benchmarks.
    explicit TwisterSource(std::uint32_t seed) { startBlock(seed, 0); }

    // Starts a fresh sequence from the time of day.
    void seedFromClock();

    float next() override;
    SourceState state() const override { return {m_seed, m_drawn}; }
    void restore(const SourceState& state) override;

  private:
    // Puts the engine at number `drawn` of the sequence of `seed`.
    void startBlock(std::uint32_t seed, std::uint64_t drawn);

    std::mt19937 m_engine;
    std::uint32_t m_seed = 0;
    std::uint64_t m_drawn = 0;
};

}  // namespace varn
