// waveimage.h: a RIFF/WAVE image in memory, checked and taken apart without copying.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace varn {

enum class WaveError {
    None,
    NotRiff,           // no "RIFF" header, or one too short to hold "WAVE"
    NotWave,           // a RIFF file of another form
    TruncatedChunk,    // a chunk, or the RIFF chunk itself, reaches past the end of the image
    MissingFormat,     // no "fmt " chunk, or one too short
    MissingData,       // no "data" chunk
    NotPcm,            // compressed or floating-point samples
    BadChannels,       // neither mono nor stereo
    BadSampleRate,     // outside kMinSampleRate to kMaxSampleRate
    BadBitsPerSample,  // neither 8 nor 16 bits
    BadBlockAlign,     // block align that does not match channels and sample size
};

// Only linear PCM with 8-bit (unsigned) or 16-bit (signed, little-endian) samples, mono or
// stereo, is playable. Chunks other than "fmt " and "data" ("fact", "LIST", anything unknown)
// are skipped; the first chunk of each kind counts. Nothing is read outside the given bytes,
// whatever the header claims.
class WaveImage {
  public:
    static constexpr int kMinSampleRate = 1000;
    static constexpr int kMaxSampleRate = 384000;

    static WaveImage parse(std::span<const std::uint8_t> image);

    bool valid() const { return m_error == WaveError::None; }
    WaveError error() const { return m_error; }

    int channels() const { return m_channels; }
    int sampleRate() const { return m_sampleRate; }
    int bitsPerSample() const { return m_bitsPerSample; }
    int blockAlign() const { return m_channels * m_bitsPerSample / 8; }
    // Whole sample frames only: a partial frame at the end of "data" is left out.
    std::size_t frames() const { return valid() ? m_samples.size() / blockAlign() : 0; }
    // A view into the parsed image: it lives as long as those bytes.
    std::span<const std::uint8_t> samples() const { return m_samples; }

  private:
    WaveError readFormat(std::span<const std::uint8_t> chunk);

    WaveError m_error = WaveError::None;
    int m_channels = 0;
    int m_sampleRate = 0;
    int m_bitsPerSample = 0;
    std::span<const std::uint8_t> m_samples;
};

}  // namespace varn
