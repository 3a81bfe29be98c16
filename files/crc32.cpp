// crc32.cpp: zlib's CRC-32, which is fast enough for the picture cache's megabytes.
#include "crc32.h"

#include <zlib.h>

namespace varn {

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    return std::uint32_t(::crc32_z(::crc32_z(0, nullptr, 0), bytes.data(), bytes.size()));
}

}  // namespace varn
