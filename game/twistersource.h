// twistersource.h: the game's real random numbers, from a Mersenne Twister.
#pragma once

#include <cstdint>
#include <random>

#include "uniformsource.h"

namespace varn {

class TwisterSource : public UniformSource {
  public:
    // Seeded once from the time of day, as the game does at start-up.
    TwisterSource();
    // A repeatable sequence, for tests and benchmarks.
    explicit TwisterSource(std::uint32_t seed) { reseed(seed); }

    // Starts a fresh sequence from the time of day.
    void seedFromClock();

    float next() override;
    SourceState state() const override { return {m_seed, m_drawn}; }
    // Reseeds and skips the numbers already drawn; a state further on in the same sequence
    // (a redo) only skips ahead from here.
    void restore(const SourceState& state) override;

  private:
    void reseed(std::uint32_t seed);

    std::mt19937 m_engine;
    std::uint32_t m_seed = 0;
    std::uint64_t m_drawn = 0;
};

}  // namespace varn
