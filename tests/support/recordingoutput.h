// recordingoutput.h: a sound output that plays nothing and remembers what it was asked.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "soundoutput.h"

namespace varn::test {

class RecordingOutput : public SoundOutput {
  public:
    struct Played {
        std::size_t bytes;  // the RIFF length field plus its 8-byte header
        std::uint32_t flags;
    };

    bool play(std::span<const std::uint8_t> image, std::uint32_t flags) override {
        std::size_t length = 0;
        if (image.size() >= 8) {
            length = 8 + (image[4] | image[5] << 8 | image[6] << 16 | std::size_t(image[7]) << 24);
        }
        played.push_back({length, flags});
        if (onPlay) onPlay();
        return result;
    }
    void stop() override { ++stops; }

    std::vector<Played> played;
    int stops = 0;
    bool result = true;            // what play() answers
    std::function<void()> onPlay;  // runs inside play(), after the clip is recorded
};

}  // namespace varn::test
