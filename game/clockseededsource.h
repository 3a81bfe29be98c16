// clockseededsource.h: the game's real random numbers, seeded once from the time of day.
#pragma once

#include <random>

#include "uniformsource.h"

namespace varn {

class ClockSeededSource : public UniformSource {
public:
    ClockSeededSource();
    float next() override;

private:
    std::mt19937 m_engine;
};

}  // namespace varn
