// queuedsource.h: random numbers given in advance, for tests and scripted replays.
#pragma once

#include <deque>
#include <initializer_list>
#include <stdexcept>

#include "uniformsource.h"

namespace varn {

class RandomNumbersExhausted : public std::runtime_error {
  public:
    RandomNumbersExhausted() : std::runtime_error("random numbers exhausted") {}
};

class QueuedSource : public UniformSource {
  public:
    QueuedSource() = default;
    QueuedSource(std::initializer_list<float> numbers) : m_queue(numbers) {}

    void append(float u) { m_queue.push_back(u); }
    std::size_t remaining() const { return m_queue.size(); }

    // Throws RandomNumbersExhausted when the queue is empty.
    float next() override;

  private:
    std::deque<float> m_queue;
};

}  // namespace varn
