// constantsource.h: a random source that always gives the same number.
#pragma once

#include "uniformsource.h"

namespace varn::test {

// With 0, every dealt cell gets the ordinary kind 0 and each cell draws exactly two numbers.
class ConstantSource : public UniformSource {
  public:
    explicit ConstantSource(float u = 0.0f) : m_u(u) {}
    float next() override { return m_u; }
    SourceState state() const override { return {}; }
    void restore(const SourceState&) override {}
    std::unique_ptr<UniformSource> clone() const override {
        return std::make_unique<ConstantSource>(*this);
    }

  private:
    float m_u;
};

}  // namespace varn::test
