// propertyvalue.h: a typed value of the saved design: integer, Boolean, text or byte array.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace varn {

using ByteArray = std::vector<std::uint8_t>;

// The order of the alternatives is part of no format: the saved design tags each type itself.
using PropertyValue = std::variant<std::int16_t, bool, std::string, ByteArray>;

}  // namespace varn
