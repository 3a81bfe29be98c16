// clockseededsource.cpp: uniform floats in [0, 1) from a Mersenne Twister seeded by the clock.
#include "clockseededsource.h"

#include <chrono>

namespace varn {

namespace {
std::mt19937::result_type timeOfDaySeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::mt19937::result_type>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}
}  // namespace

ClockSeededSource::ClockSeededSource() : m_engine(timeOfDaySeed()) {}

float ClockSeededSource::next() {
    // The top 24 bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

}  // namespace varn
