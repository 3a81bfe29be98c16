// splitmixsource.h: the game's real random numbers, each computed from the seed and its place.
#pragma once

#include <cstdint>

#include "uniformsource.h"

namespace varn {

// The sequence of a 32-bit seed s, the same on every machine and in every version:
//
//   Number n (n = 0, 1, 2, ...) is taken from the 64-bit word z, all arithmetic modulo 2^64:
//     z := s + (n + 1) * 0x9E3779B97F4A7C15
//     z := (z XOR (z >> 30)) * 0xBF58476D1CE4E5B9
//     z := (z XOR (z >> 27)) * 0x94D049BB133111EB
//     z := z XOR (z >> 31)
//   and is u = (z >> 40) * 2^-24: the top 24 bits of z as a fraction, so 0 <= u < 1 exactly,
//   on a grid of 2^-24.
//
// That is the (n + 1)-th output of SplitMix64 started from the state s. Each number depends on
// the seed and its place alone, so a position restored after an undo costs nothing to reach.
//
// The seed is the game's number (gamenumber.h): each new game begins the sequence of its own.
class SplitMixSource : public UniformSource {
  public:
    // Seeded with a fresh game number.
    SplitMixSource();
    // A repeatable sequence.
    explicit SplitMixSource(std::uint32_t seed) : m_state{seed, 0} {}

    // The next new game takes this number instead of a fresh one.
    void chooseNextGame(std::uint32_t number) override { m_nextGame = number; }

    float next() override;
    SourceState state() const override { return m_state; }
    void restore(const SourceState& state) override { m_state = state; }
    std::unique_ptr<UniformSource> clone() const override {
        return std::make_unique<SplitMixSource>(*this);
    }
    // The number chosen for it, or else a fresh one from the kernel's entropy.
    void newGame() override;

  private:
    SourceState m_state;
    std::uint32_t m_nextGame = 0;
};

}  // namespace varn
