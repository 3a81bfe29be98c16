// queuedsource.h: random numbers given in advance, for tests and scripted replays.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "uniformsource.h"

namespace varn {

class RandomNumbersExhausted : public std::runtime_error {
  public:
    RandomNumbersExhausted() : std::runtime_error("random numbers exhausted") {}
};

// Hands out its numbers in order. The numbers drawn stay in the list, so that an undo can move
// the position back and the same numbers come again.
class QueuedSource : public UniformSource {
  public:
    QueuedSource() = default;
    QueuedSource(std::initializer_list<float> numbers) : m_numbers(numbers) {}

    void append(float u) { m_numbers.push_back(u); }
    std::size_t remaining() const { return m_numbers.size() - m_position; }

    // Throws RandomNumbersExhausted when no number is left.
    float next() override;
    // The state is the position in the list; the seed stays 0.
    SourceState state() const override { return {0, m_position}; }
    void restore(const SourceState& state) override;

  private:
    std::vector<float> m_numbers;
    std::size_t m_position = 0;
};

}  // namespace varn
