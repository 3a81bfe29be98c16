// craftedcode.h: game codes made by hand, as no game writes them, with the right checksum.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gamecode.h"

namespace varn::test {

// Game `number`: the action `first`, with `nested` (moment, action) inside it, then `more`
// mirrors.
inline std::string craftedCode(std::uint32_t number, std::uint8_t first,
                               const std::vector<std::pair<std::uint64_t, std::uint8_t>>& nested,
                               std::size_t more = 0) {
    std::vector<std::uint8_t> bytes;
    const auto varint = [&bytes](std::uint64_t value) {
        for (; value >= 0x80; value >>= 7)
            bytes.push_back(std::uint8_t(value | 0x80));
        bytes.push_back(std::uint8_t(value));
    };
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(std::uint8_t(number >> shift));
    bytes.push_back(nested.empty() ? first : std::uint8_t(first | 0x80));
    if (!nested.empty()) varint(nested.size());
    for (const auto& [moment, action] : nested) {
        varint(moment);
        bytes.push_back(action);
    }
    bytes.insert(bytes.end(), more, PlayerAction::kMirror);
    return sealCode(bytes);
}

// One click with `count` clicks inside it at the moments 1, 2, 3, ...: each would run inside the
// one before, as deep as there are clicks.
inline std::string nestedClicks(std::uint32_t number, std::size_t count) {
    std::vector<std::pair<std::uint64_t, std::uint8_t>> nested;
    for (std::size_t i = 1; i <= count; ++i)
        nested.push_back({i, std::uint8_t(i % kCellCount)});
    return craftedCode(number, 0, nested);
}

}  // namespace varn::test
