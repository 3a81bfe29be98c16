// wavebuilder.h: RIFF/WAVE images made to order for the tests, chunk by chunk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "propertyvalue.h"

namespace varn::test {

void appendLe16(ByteArray& bytes, unsigned value);
void appendLe32(ByteArray& bytes, std::uint32_t value);

// A 16-byte PCM "fmt " body.
ByteArray pcmFormat(int channels, int rate, int bits);

class WaveBuilder {
  public:
    WaveBuilder& chunk(const std::string& tag, const ByteArray& body);
    WaveBuilder& format(int channels, int rate, int bits) {
        return chunk("fmt ", pcmFormat(channels, rate, bits));
    }
    WaveBuilder& data(const ByteArray& samples) { return chunk("data", samples); }
    // The whole image, its RIFF size counting every chunk.
    ByteArray build() const;

  private:
    ByteArray m_chunks;
};

// 16-bit little-endian samples as bytes.
ByteArray pcm16(const std::vector<std::int16_t>& samples);

// A mono 16-bit image of `frames` frames whose samples are all different from 0.
ByteArray toneImage(int rate, int frames, int channels = 1);

}  // namespace varn::test
