// splitmixsource.cpp: uniform floats in [0, 1) from SplitMix64, one number per place.
#include "splitmixsource.h"

#include <chrono>

namespace varn {

namespace {

std::uint32_t timeOfDaySeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace

SplitMixSource::SplitMixSource() : m_state{timeOfDaySeed(), 0} {}

void SplitMixSource::seedFromClock() {
    m_state = {timeOfDaySeed(), 0};
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
