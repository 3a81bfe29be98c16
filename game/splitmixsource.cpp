// splitmixsource.cpp: uniform floats in [0, 1) from SplitMix64, one number per place.
#include "splitmixsource.h"

#include "gamenumber.h"

namespace varn {

SplitMixSource::SplitMixSource() : m_state{drawGameNumber(), 0} {}

void SplitMixSource::newGame() {
    m_state = {m_nextGame != 0 ? m_nextGame : drawGameNumber(), 0};
    m_nextGame = 0;
}

float SplitMixSource::next() {
    std::uint64_t z = m_state.seed + (m_state.drawn + 1) * 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    ++m_state.drawn;
    // 24 bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(z >> 40) * 0x1p-24f;
}

}  // namespace varn
