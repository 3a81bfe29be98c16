// wavebuilder.cpp: little-endian RIFF writing for the test images.
#include "wavebuilder.h"

#include <cmath>

namespace varn::test {

void appendLe16(ByteArray& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void appendLe32(ByteArray& bytes, std::uint32_t value) {
    appendLe16(bytes, value & 0xFFFF);
    appendLe16(bytes, value >> 16);
}

ByteArray pcmFormat(int channels, int rate, int bits) {
    ByteArray body;
    const int blockAlign = channels * bits / 8;
    appendLe16(body, 1);
    appendLe16(body, static_cast<unsigned>(channels));
    appendLe32(body, static_cast<std::uint32_t>(rate));
    appendLe32(body, static_cast<std::uint32_t>(rate * blockAlign));
    appendLe16(body, static_cast<unsigned>(blockAlign));
    appendLe16(body, static_cast<unsigned>(bits));
    return body;
}

WaveBuilder& WaveBuilder::chunk(const std::string& tag, const ByteArray& body) {
    m_chunks.insert(m_chunks.end(), tag.begin(), tag.begin() + 4);
    appendLe32(m_chunks, static_cast<std::uint32_t>(body.size()));
    m_chunks.insert(m_chunks.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) m_chunks.push_back(0);
    return *this;
}

ByteArray WaveBuilder::build() const {
    ByteArray image{'R', 'I', 'F', 'F'};
    appendLe32(image, static_cast<std::uint32_t>(m_chunks.size() + 4));
    image.insert(image.end(), {'W', 'A', 'V', 'E'});
    image.insert(image.end(), m_chunks.begin(), m_chunks.end());
    return image;
}

ByteArray pcm16(const std::vector<std::int16_t>& samples) {
    ByteArray bytes;
    for (const std::int16_t sample : samples)
        appendLe16(bytes, static_cast<std::uint16_t>(sample));
    return bytes;
}

ByteArray toneImage(int rate, int frames, int channels) {
    std::vector<std::int16_t> samples;
    for (int i = 0; i < frames * channels; ++i) {
        const double wave = std::sin(i * 0.05) * 12000.0;
        // Never 0, so where the clip begins and ends can be told from silence.
        samples.push_back(static_cast<std::int16_t>(wave >= 0 ? wave + 100 : wave - 100));
    }
    return WaveBuilder().format(channels, rate, 16).data(pcm16(samples)).build();
}

}  // namespace varn::test
