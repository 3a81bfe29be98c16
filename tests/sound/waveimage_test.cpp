// waveimage_test.cpp: which RIFF/WAVE images are playable, and that bad ones are refused safely.
#include "waveimage.h"

#include <gtest/gtest.h>

#include "wavebuilder.h"

namespace varn {
namespace {

using test::appendLe16;
using test::appendLe32;
using test::WaveBuilder;

WaveImage parse(const ByteArray& image) {
    return WaveImage::parse(image);
}

// Sets the little-endian 32-bit field at `at`.
ByteArray patched32(ByteArray image, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        image[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return image;
}

TEST(WaveImage, ReadsFormatAndSamplesPastUnknownChunks) {
    const ByteArray samples = test::pcm16({1, -2, 300, -400});
    const ByteArray image = WaveBuilder()
                                .chunk("JUNK", {9, 9, 9})
                                .format(1, 22050, 16)
                                .chunk("fact", {4, 0, 0, 0})
                                .chunk("LIST", ByteArray(17, 'x'))
                                .data(samples)
                                .chunk("LIST", {'I', 'N', 'F', 'O'})
                                .build();
    const WaveImage wave = parse(image);
    ASSERT_TRUE(wave.valid());
    EXPECT_EQ(wave.channels(), 1);
    EXPECT_EQ(wave.sampleRate(), 22050);
    EXPECT_EQ(wave.bitsPerSample(), 16);
    EXPECT_EQ(wave.frames(), 4u);
    EXPECT_TRUE(
        std::equal(samples.begin(), samples.end(), wave.samples().begin(), wave.samples().end()));
    EXPECT_GE(wave.samples().data(), image.data()) << "samples are a view, not a copy";
}

TEST(WaveImage, TakesEightAndSixteenBitMonoAndStereo) {
    for (const int channels : {1, 2}) {
        for (const int bits : {8, 16}) {
            const WaveImage wave =
                parse(WaveBuilder().format(channels, 11025, bits).data(ByteArray(24, 1)).build());
            ASSERT_TRUE(wave.valid()) << channels << " channels, " << bits << " bits";
            EXPECT_EQ(wave.frames(), 24u / (channels * bits / 8));
        }
    }
}

TEST(WaveImage, DataBeforeFormatAndAnEighteenByteFormatAreFine) {
    ByteArray format = test::pcmFormat(2, 44100, 16);
    appendLe16(format, 0);  // cbSize
    const WaveImage wave = parse(WaveBuilder().data(ByteArray(8, 1)).chunk("fmt ", format).build());
    ASSERT_TRUE(wave.valid());
    EXPECT_EQ(wave.frames(), 2u);
}

TEST(WaveImage, ExtensibleFormatIsTakenOnlyForPcm) {
    ByteArray format = test::pcmFormat(1, 8000, 16);
    format[0] = 0xFE;
    format[1] = 0xFF;
    appendLe16(format, 22);
    appendLe16(format, 16);  // valid bits
    appendLe32(format, 4);   // channel mask
    appendLe16(format, 1);   // sub-format: PCM
    format.insert(format.end(), {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00,
                                 0x38, 0x9B, 0x71});
    EXPECT_TRUE(parse(WaveBuilder().chunk("fmt ", format).data({1, 2}).build()).valid());
    format[24] = 3;  // floating point
    EXPECT_EQ(parse(WaveBuilder().chunk("fmt ", format).data({1, 2}).build()).error(),
              WaveError::NotPcm);
}

TEST(WaveImage, PartialFrameAtTheEndIsLeftOut) {
    const WaveImage wave = parse(WaveBuilder().format(2, 22050, 16).data(ByteArray(11, 1)).build());
    ASSERT_TRUE(wave.valid());
    EXPECT_EQ(wave.frames(), 2u);
    EXPECT_EQ(wave.samples().size(), 8u);
}

TEST(WaveImage, BytesAfterTheRiffChunkAreIgnored) {
    // A stored clip carries one 0 byte after the file.
    ByteArray image = test::toneImage(22050, 10);
    image.push_back(0);
    EXPECT_TRUE(parse(image).valid());
    // A missing pad byte after an odd last chunk is tolerated too.
    ByteArray odd = WaveBuilder().format(1, 8000, 8).data({1, 2, 3}).build();
    odd.pop_back();
    odd = patched32(odd, 4, static_cast<std::uint32_t>(odd.size() - 8));
    EXPECT_EQ(parse(odd).frames(), 3u);
}

TEST(WaveImage, ImagesThatAreNoWaveAreRefused) {
    EXPECT_EQ(parse({}).error(), WaveError::NotRiff);
    EXPECT_EQ(parse({'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'}).error(), WaveError::NotRiff);
    EXPECT_EQ(parse(ByteArray(64, 0)).error(), WaveError::NotRiff);
    ByteArray avi = WaveBuilder().format(1, 8000, 8).data({1}).build();
    avi[8] = 'A';
    EXPECT_EQ(parse(avi).error(), WaveError::NotWave);
    EXPECT_EQ(parse(WaveBuilder().data({1, 2}).build()).error(), WaveError::MissingFormat);
    EXPECT_EQ(parse(WaveBuilder().format(1, 8000, 8).build()).error(), WaveError::MissingData);
    EXPECT_EQ(parse(WaveBuilder().chunk("fmt ", ByteArray(14, 1)).data({1}).build()).error(),
              WaveError::MissingFormat);
}

TEST(WaveImage, ChunksReachingPastTheEndAreRefused) {
    const ByteArray good = WaveBuilder().format(1, 8000, 16).data(ByteArray(100, 1)).build();
    // The RIFF size claims more than there is.
    EXPECT_EQ(parse(patched32(good, 4, static_cast<std::uint32_t>(good.size()))).error(),
              WaveError::TruncatedChunk);
    EXPECT_EQ(parse(patched32(good, 4, 0xFFFFFFFF)).error(), WaveError::TruncatedChunk);
    // The data chunk claims more than its RIFF chunk holds, by one byte or by four gigabytes.
    const std::size_t dataSize = 12 + 24 + 4;
    EXPECT_EQ(parse(patched32(good, dataSize, 101)).error(), WaveError::TruncatedChunk);
    EXPECT_EQ(parse(patched32(good, dataSize, 0xFFFFFFF8)).error(), WaveError::TruncatedChunk);
    // The image is cut anywhere inside its chunks.
    for (std::size_t length = 12; length < good.size(); length += 7) {
        const ByteArray cut = patched32(ByteArray(good.begin(), good.begin() + length), 4,
                                        static_cast<std::uint32_t>(length - 8));
        EXPECT_FALSE(parse(cut).valid()) << length;
    }
}

TEST(WaveImage, FormatsThatCannotBePlayedAreRefused) {
    const auto withFormat = [](ByteArray format) {
        return parse(WaveBuilder().chunk("fmt ", format).data(ByteArray(16, 1)).build()).error();
    };
    EXPECT_EQ(withFormat(test::pcmFormat(0, 22050, 16)), WaveError::BadChannels);
    EXPECT_EQ(withFormat(test::pcmFormat(3, 22050, 16)), WaveError::BadChannels);
    EXPECT_EQ(withFormat(test::pcmFormat(1, 0, 16)), WaveError::BadSampleRate);
    EXPECT_EQ(withFormat(test::pcmFormat(1, 999, 16)), WaveError::BadSampleRate);
    EXPECT_EQ(withFormat(test::pcmFormat(1, 400000, 16)), WaveError::BadSampleRate);
    EXPECT_EQ(withFormat(patched32(test::pcmFormat(1, 8000, 16), 4, 0xFFFFFFFF)),
              WaveError::BadSampleRate);
    EXPECT_EQ(withFormat(test::pcmFormat(1, 22050, 24)), WaveError::BadBitsPerSample);
    EXPECT_EQ(withFormat(test::pcmFormat(1, 22050, 0)), WaveError::BadBitsPerSample);
    ByteArray oddAlign = test::pcmFormat(2, 22050, 16);
    oddAlign[12] = 3;
    EXPECT_EQ(withFormat(oddAlign), WaveError::BadBlockAlign);
    ByteArray adpcm = test::pcmFormat(1, 22050, 16);
    adpcm[0] = 2;
    EXPECT_EQ(withFormat(adpcm), WaveError::NotPcm);
    EXPECT_EQ(parse(WaveBuilder().chunk("fmt ", adpcm).data({1, 2}).build()).frames(), 0u);
}

}  // namespace
}  // namespace varn
