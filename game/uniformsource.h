// uniformsource.h: the source of the uniform random numbers that the deal draws.
#pragma once

namespace varn {

class UniformSource {
  public:
    virtual ~UniformSource() = default;
    // A single-precision number u with 0 <= u < 1.
    virtual float next() = 0;
};

}  // namespace varn
