// designerror.h: saved design data that cannot be read, with what is wrong with them.
#pragma once

#include <stdexcept>
#include <string>

namespace varn {

class DesignError : public std::runtime_error {
  public:
    explicit DesignError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace varn
