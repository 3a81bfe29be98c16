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

TwisterSource::TwisterSource() : m_engine(timeOfDaySeed()) {}

void TwisterSource::seedFromClock() {
    m_engine.seed(timeOfDaySeed());
}

float TwisterSource::next() {
    // The top 24 bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

}  // namespace varn
