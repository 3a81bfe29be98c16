// embeddedsounddesign.h: the saved design of the window's three sound players, built in.
#pragma once

#include <cstdint>
#include <span>

namespace varn {

// Made at build time by varn-design from the clips in assets/sounds: players 1 (group),
// 2 (bomb) and 3 (ladder), each synchronous, not looping and giving way to a clip that plays.
// Restore them with EmbedSoundArray.
std::span<const std::uint8_t> embeddedSoundDesign();

}  // namespace varn
