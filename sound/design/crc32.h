// crc32.h: the CRC-32 of zip and PNG, to name a clip's bytes in a short listing and to close
// each line of a saved game.
#pragma once

#include <cstdint>
#include <span>

namespace varn {

std::uint32_t crc32(std::span<const std::uint8_t> bytes);

}  // namespace varn
