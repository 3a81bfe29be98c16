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
    explicit TwisterSource(std::uint32_t seed) : m_engine(seed) {}

    // Starts a fresh sequence from the time of day.
    void seedFromClock();

    float next() override;

  private:
    std::mt19937 m_engine;
};

}  // namespace varn
