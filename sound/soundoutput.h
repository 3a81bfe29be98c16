// soundoutput.h: the platform's sound output as the control sees it: play a clip, stop it.
#pragma once

#include <cstdint>
#include <span>

namespace varn {

// Flag values of the classic multimedia sound call; the control composes them.
inline constexpr std::uint32_t SND_ASYNC = 0x1;      // return at once, the clip plays on
inline constexpr std::uint32_t SND_NODEFAULT = 0x2;  // no fallback sound when a clip fails
inline constexpr std::uint32_t SND_MEMORY = 0x4;     // the sound is a RIFF/WAVE image in memory
inline constexpr std::uint32_t SND_LOOP = 0x8;       // repeat until a stop or another clip
inline constexpr std::uint32_t SND_NOSTOP = 0x10;    // give way to a clip that plays

// One output is shared by every player of the program, so it plays one clip at a time.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;

    // Plays a RIFF/WAVE image. The image is read during the call only: an output keeps its own
    // copy of whatever it still needs, so the caller may change or free the bytes as soon as the
    // call returns, even while the clip plays on. Without SND_NOSTOP a clip that plays is
    // stopped first, whether the new image is valid or not. True when the new clip started.
    virtual bool play(std::span<const std::uint8_t> image, std::uint32_t flags) = 0;

    // Ends whatever clip plays, whoever started it; nothing happens when none does.
    virtual void stop() = 0;

    // Gives the sound device back while nothing plays, so that the sound system and the card can
    // rest; the next clip takes it again. False while a clip plays, or while the device cannot be
    // given back yet: it is kept, and the caller asks again later.
    virtual bool rest() { return true; }
};

}  // namespace varn
