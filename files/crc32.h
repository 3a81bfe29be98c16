// crc32.h: the CRC-32 of zip and PNG, which closes each line of a saved game, checks the
// picture cache and names a clip's bytes in a short listing.
#pragma once

#include <cstdint>
#include <span>

namespace varn {

std::uint32_t crc32(std::span<const std::uint8_t> bytes);

}  // namespace varn
