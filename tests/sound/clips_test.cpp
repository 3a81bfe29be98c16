// clips_test.cpp: the three clips of the game are the synthesiser's, in the designed layout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "temporarydirectory.h"
#include "waveimage.h"

namespace varn {
namespace {

struct ClipLayout {
    const char* name;
    int rate;
    std::size_t frames;
    std::size_t fileSize;
    std::vector<std::string> chunks;  // in file order
    std::uint32_t formatSize;
};

const ClipLayout kClips[] = {
    {"varn1.wav", 22050, 5089, 10262, {"fmt ", "fact", "data", "LIST"}, 18},
    {"varn2.wav", 11025, 17248, 34552, {"fmt ", "fact", "data"}, 16},
    {"varn3.wav", 22050, 21504, 43152, {"fmt ", "data", "LIST"}, 16},
};

std::string checkedInClip(const char* name) {
    return test::readWhole(std::string(VARN_CLIP_DIRECTORY) + "/" + name);
}

std::uint32_t le32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

TEST(Clips, HaveTheDesignedFormatLengthAndChunkOrder) {
    for (const ClipLayout& layout : kClips) {
        const std::string file = checkedInClip(layout.name);
        ASSERT_EQ(file.size(), layout.fileSize) << layout.name;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.data());
        const WaveImage wave = WaveImage::parse({bytes, file.size()});
        ASSERT_TRUE(wave.valid()) << layout.name;
        EXPECT_EQ(wave.channels(), 1);
        EXPECT_EQ(wave.bitsPerSample(), 16);
        EXPECT_EQ(wave.sampleRate(), layout.rate);
        EXPECT_EQ(wave.frames(), layout.frames);
        std::vector<std::string> chunks;
        for (std::size_t at = 12; at + 8 <= file.size();
             at += 8 + (le32(file, at + 4) + 1) / 2 * 2) {
            chunks.push_back(file.substr(at, 4));
            if (chunks.size() == 1) {
                EXPECT_EQ(le32(file, at + 4), layout.formatSize);
            }
            if (chunks.back() == "fact") {
                EXPECT_EQ(le32(file, at + 8), layout.frames);
            }
        }
        EXPECT_EQ(chunks, layout.chunks) << layout.name;
    }
}

TEST(Clips, AreSoundsNotSilenceAndEndQuietly) {
    for (const ClipLayout& layout : kClips) {
        const std::string file = checkedInClip(layout.name);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.data());
        const WaveImage wave = WaveImage::parse({bytes, file.size()});
        const auto samples = wave.samples();
        int peak = 0;
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
            const auto sample = static_cast<std::int16_t>(samples[i] | samples[i + 1] << 8);
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        EXPECT_GT(peak, 16000) << layout.name;
        const auto last = static_cast<std::int16_t>(samples[samples.size() - 2] |
                                                    samples[samples.size() - 1] << 8);
        EXPECT_LT(std::abs(static_cast<int>(last)), 64) << layout.name << " ends with a click";
    }
}

TEST(Clips, SynthesiserMakesExactlyTheCheckedInClips) {
    test::TemporaryDirectory directory;
    const std::string command =
        std::string(VARN_MAKE_CLIPS) + " '" + directory.path().string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const ClipLayout& layout : kClips) {
        EXPECT_TRUE(test::readWhole(directory.file(layout.name)) == checkedInClip(layout.name))
            << layout.name << " differs from what the synthesiser makes";
    }
}

}  // namespace
}  // namespace varn
