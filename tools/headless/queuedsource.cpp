// queuedsource.cpp: hands out the queued numbers in order.
#include "queuedsource.h"

#include <algorithm>

namespace varn {

float QueuedSource::next() {
    if (m_game.state().seed != 0) return m_game.next();
    if (m_position == m_numbers.size()) throw RandomNumbersExhausted();
    return m_numbers[m_position++];
}

SourceState QueuedSource::state() const {
    return m_game.state().seed != 0 ? m_game.state() : SourceState{0, m_position};
}

void QueuedSource::newGame() {
    m_game.restore({m_nextGame, 0});
    m_nextGame = 0;
}

void QueuedSource::restore(const SourceState& state) {
    m_game.restore(state.seed != 0 ? state : SourceState{});
    if (state.seed != 0) return;
    // Only a position this source has stood at comes back here; a foreign one ends the list.
    m_position = static_cast<std::size_t>(std::min<std::uint64_t>(state.drawn, m_numbers.size()));
}

}  // namespace varn
