// crc32.h: the checksum that closes every line of a saved game.
#pragma once

#include <cstdint>
#include <string_view>

namespace varn {

// The CRC-32 of zlib, PNG and Ethernet (reflected polynomial 0xEDB88320): "123456789" gives
// 0xCBF43926. Any burst of 32 changed bits or fewer in a line is caught.
std::uint32_t crc32(std::string_view bytes);

}  // namespace varn
