// twistersource.cpp: uniform floats in [0, 1) from a Mersenne Twister.
#include "twistersource.h"

#include <chrono>

namespace varn {

namespace {
std::uint32_t timeOfDaySeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}
}  // namespace

TwisterSource::TwisterSource() {
    reseed(timeOfDaySeed());
}

void TwisterSource::seedFromClock() {
    reseed(timeOfDaySeed());
}

void TwisterSource::reseed(std::uint32_t seed) {
    m_engine.seed(seed);
    m_seed = seed;
    m_drawn = 0;
}

float TwisterSource::next() {
    ++m_drawn;
    // The top 24 bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

void TwisterSource::restore(const SourceState& state) {
    // The engine cannot step back, so going back means starting the sequence over.
    if (state.seed != m_seed || state.drawn < m_drawn) reseed(state.seed);
    m_engine.discard(state.drawn - m_drawn);
    m_drawn = state.drawn;
}

}  // namespace varn
