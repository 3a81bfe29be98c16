// constantsource.h: a random source that always gives the same number.
#pragma once

#include "uniformsource.h"

namespace varn::test {

// With 0, every dealt cell gets the ordinary kind 0 and each cell draws exactly two numbers.
class ConstantSource : public UniformSource {
  public:
    explicit ConstantSource(float u = 0.0f) : m_u(u) {}
    float next() override {
        ++m_draws;
        return m_u;
    }
    int draws() const { return m_draws; }

  private:
    float m_u;
    int m_draws = 0;
};

}  // namespace varn::test
