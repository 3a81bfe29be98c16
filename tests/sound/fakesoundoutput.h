// fakesoundoutput.h: a sound output that records the clips handed to it instead of playing them.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "propertyvalue.h"
#include "soundoutput.h"

namespace varn::test {

struct PlayCall {
    ByteArray image;
    std::uint32_t flags;
};

class FakeSoundOutput : public SoundOutput {
  public:
    bool play(std::span<const std::uint8_t> image, std::uint32_t flags) override {
        m_events.push_back("play");
        m_plays.push_back({ByteArray(image.begin(), image.end()), flags});
        if (m_onPlay) m_onPlay();
        return m_result;
    }
    void stop() override {
        m_events.push_back("stop");
        ++m_stops;
    }

    bool m_result = true;
    int m_stops = 0;
    std::function<void()> m_onPlay;
    std::vector<PlayCall> m_plays;
    std::vector<const char*> m_events;
};

}  // namespace varn::test
