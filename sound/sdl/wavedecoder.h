// wavedecoder.h: a RIFF/WAVE image in any encoding libsndfile knows, turned into the samples a
// sound device plays.
#pragma once

#include <SDL2/SDL_audio.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace varn {

struct DecodedWave {
    std::vector<std::uint8_t> samples;  // whole frames in the device's format
    std::string refusal;                // why the image cannot be played; empty when it can
};

// Every encoding of the WAVE container that libsndfile reads is taken: linear PCM of 8 to 32
// bits, IEEE float, mu-law, A-law, IMA and Microsoft ADPCM, GSM 6.10, plain or extensible
// headers, chunks it does not need skipped. Only what the RIFF header claims is read, so bytes
// after the RIFF chunk (the zero byte that ends a player's clip) are never played.
class WaveDecoder {
  public:
    static constexpr int kMaxChannels = 8;  // as many as SDL 2 mixes to a device's channels
    static constexpr int kMinRate = 1000;
    static constexpr int kMaxRate = 384000;
    // A clip whose samples would take more than this, as 16-bit samples of its own or in the
    // device's format, is refused: a short compressed file must not claim a lot of memory. At
    // the game's 44.1 kHz stereo that is over three minutes.
    static constexpr std::size_t kMaxDecodedBytes = std::size_t{32} << 20;

    // The samples of `image` mixed to the device's channels and converted to its rate and
    // format, or the reason why not. Any bytes at all are either decoded or refused.
    static DecodedWave decode(std::span<const std::uint8_t> image, const SDL_AudioSpec& device);
};

}  // namespace varn
