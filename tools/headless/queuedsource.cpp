// queuedsource.cpp: hands out the queued numbers in order.
#include "queuedsource.h"

#include <algorithm>

namespace varn {

float QueuedSource::next() {
    if (m_position == m_numbers.size()) throw RandomNumbersExhausted();
    return m_numbers[m_position++];
}

void QueuedSource::restore(const SourceState& state) {
    // Only a position this source has stood at comes back here; a foreign one ends the list.
    m_position = static_cast<std::size_t>(std::min<std::uint64_t>(state.drawn, m_numbers.size()));
}

}  // namespace varn
