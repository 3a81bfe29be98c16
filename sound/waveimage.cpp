// waveimage.cpp: the RIFF chunk walk and the checks of the format chunk.
#include "waveimage.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace varn {

namespace {

constexpr std::uint16_t kFormatPcm = 0x0001;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kChunkHeader = 8;

// The part of the PCM sub-format GUID after its leading 16-bit format code.
constexpr std::array<std::uint8_t, 14> kPcmGuidTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t le16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(le16(bytes, at)) |
           static_cast<std::uint32_t>(le16(bytes, at + 2)) << 16;
}

bool hasTag(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// The extensible format names its real encoding by a GUID; only plain PCM is taken.
bool extensibleIsPcm(std::span<const std::uint8_t> chunk) {
    if (chunk.size() < 40 || le16(chunk, 16) < 22) return false;
    return le16(chunk, 24) == kFormatPcm &&
           std::equal(kPcmGuidTail.begin(), kPcmGuidTail.end(), chunk.begin() + 26);
}

}  // namespace

WaveImage WaveImage::parse(std::span<const std::uint8_t> image) {
    WaveImage wave;
    if (image.size() < 12 || !hasTag(image, 0, "RIFF") || le32(image, 4) < 4) {
        wave.m_error = WaveError::NotRiff;
        return wave;
    }
    if (!hasTag(image, 8, "WAVE")) {
        wave.m_error = WaveError::NotWave;
        return wave;
    }
    const std::uint64_t riffEnd = kChunkHeader + std::uint64_t{le32(image, 4)};
    if (riffEnd > image.size()) {
        wave.m_error = WaveError::TruncatedChunk;
        return wave;
    }
    bool haveFormat = false;
    bool haveData = false;
    std::size_t offset = 12;
    while (offset < riffEnd) {
        const std::size_t body = offset + kChunkHeader;
        if (body > riffEnd || le32(image, offset + 4) > riffEnd - body) {
            wave.m_error = WaveError::TruncatedChunk;
            return wave;
        }
        const std::size_t size = le32(image, offset + 4);
        if (!haveFormat && hasTag(image, offset, "fmt ")) {
            wave.m_error = wave.readFormat(image.subspan(body, size));
            if (!wave.valid()) return wave;
            haveFormat = true;
        } else if (!haveData && hasTag(image, offset, "data")) {
            wave.m_samples = image.subspan(body, size);
            haveData = true;
        }
        // Chunks are padded to an even length; a last chunk may lack its pad byte.
        offset = body + size + (size & 1);
    }
    if (!haveFormat || !haveData) {
        wave.m_error = haveFormat ? WaveError::MissingData : WaveError::MissingFormat;
        wave.m_samples = {};
        return wave;
    }
    wave.m_samples =
        wave.m_samples.first(wave.m_samples.size() - wave.m_samples.size() % wave.blockAlign());
    return wave;
}

WaveError WaveImage::readFormat(std::span<const std::uint8_t> chunk) {
    if (chunk.size() < 16) return WaveError::MissingFormat;
    const std::uint16_t format = le16(chunk, 0);
    if (format != kFormatPcm && !(format == kFormatExtensible && extensibleIsPcm(chunk))) {
        return WaveError::NotPcm;
    }
    const int channels = le16(chunk, 2);
    const std::uint32_t rate = le32(chunk, 4);
    const int blockAlign = le16(chunk, 12);
    const int bits = le16(chunk, 14);
    if (channels < 1 || channels > 2) return WaveError::BadChannels;
    if (rate < kMinSampleRate || rate > kMaxSampleRate) return WaveError::BadSampleRate;
    if (bits != 8 && bits != 16) return WaveError::BadBitsPerSample;
    if (blockAlign != channels * bits / 8) return WaveError::BadBlockAlign;
    m_channels = channels;
    m_sampleRate = static_cast<int>(rate);
    m_bitsPerSample = bits;
    return WaveError::None;
}

}  // namespace varn
