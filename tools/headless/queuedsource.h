// queuedsource.h: random numbers given in advance, for tests and scripted replays.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <vector>

#include "splitmixsource.h"
#include "uniformsource.h"

namespace varn {

class RandomNumbersExhausted : public std::runtime_error {
  public:
    RandomNumbersExhausted() : std::runtime_error("random numbers exhausted") {}
};

// Hands out its numbers in order. The numbers drawn stay in the list, so that an undo can move
// the position back and the same numbers come again. A new game for which a number was chosen
// deals that game's numbers instead, as the real game does, until a new game without one.
class QueuedSource : public UniformSource {
  public:
    QueuedSource() = default;
    QueuedSource(std::initializer_list<float> numbers) : m_numbers(numbers) {}

    void append(float u) { m_numbers.push_back(u); }
    std::size_t remaining() const { return m_numbers.size() - m_position; }

    // The next new game deals the numbers of game `number`.
    void chooseNextGame(std::uint32_t number) override { m_nextGame = number; }

    // Throws RandomNumbersExhausted when no number is left.
    float next() override;
    // In a numbered game the state is the game's own; otherwise it is the position in the list
    // with the seed 0, which is no game number.
    SourceState state() const override;
    void restore(const SourceState& state) override;
    // The copy has the whole list; it throws too once it runs past its end.
    std::unique_ptr<UniformSource> clone() const override {
        return std::make_unique<QueuedSource>(*this);
    }
    void newGame() override;

  private:
    std::vector<float> m_numbers;
    std::size_t m_position = 0;
    std::uint32_t m_nextGame = 0;
    SplitMixSource m_game{0};  // seed 0 while the list deals
};

}  // namespace varn
