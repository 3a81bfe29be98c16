// output_test.cpp: what reaches a real SDL audio device (its disk driver) from the bytes a
// player hands the output, and what cannot be played, with the reason.
#include "sdlsoundoutput.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <optional>

#include "propertyvalue.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

constexpr std::uint32_t kSync = SND_NODEFAULT | SND_MEMORY;  // cuts off what plays
constexpr std::uint32_t kAsync = kSync | SND_ASYNC;
constexpr double kToneHz = 441.0;

std::vector<float> tone(int rate, double seconds) {
    std::vector<float> samples(static_cast<std::size_t>(rate * seconds));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.5f * static_cast<float>(std::sin(2 * std::numbers::pi * kToneHz * i / rate));
    return samples;
}

// The disk driver writes everything the device plays to a file, in real time.
class OutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", m_device.c_str(), 1);
    }
    SdlSoundOutput& output(int channels = 1) {
        // The disk device answers at once; a loaded machine must not make a clip skip.
        if (!m_output) {
            m_output.emplace(SdlSoundOutput::Options{.sampleRate = 22050,
                                                     .channels = channels,
                                                     .bufferFrames = 512,
                                                     .openWait = std::chrono::seconds(10)});
        }
        return *m_output;
    }
    // A file made by libsndfile's writer, every channel carrying `samples`.
    ByteArray wave(int format, int channels, int rate, const std::vector<float>& samples) {
        SF_INFO info{0, rate, channels, format, 0, 0};
        SNDFILE* file = sf_open(m_dir.file("clip").c_str(), SFM_WRITE, &info);
        EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
        std::vector<float> frames;
        for (const float sample : samples)
            frames.insert(frames.end(), static_cast<std::size_t>(channels), sample);
        sf_writef_float(file, frames.data(), static_cast<sf_count_t>(samples.size()));
        sf_close(file);
        const std::string bytes = test::readWhole(m_dir.file("clip"));
        return ByteArray(bytes.begin(), bytes.end());
    }
    // A 16-bit clip at the device's rate whose every sample is `value`, easy to count.
    ByteArray pcm(int frames, std::int16_t value) {
        return wave(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050,
                    std::vector<float>(static_cast<std::size_t>(frames), value / 32767.0f));
    }
    // Ends the output, so the device's file is complete, and reads what was played.
    std::vector<std::int16_t> played() {
        m_output.reset();
        const std::string bytes = test::readWhole(m_device);
        std::vector<std::int16_t> samples(bytes.size() / 2);
        if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }
    // How many samples of `value` the device played, once the output has ended.
    long heard(std::int16_t value) {
        if (m_output) m_played = played();
        return std::count(m_played.begin(), m_played.end(), value);
    }
    // How many samples it played that are neither silence nor one of `values`.
    long heardBesides(std::initializer_list<std::int16_t> values) {
        heard(0);
        return std::count_if(m_played.begin(), m_played.end(), [&](std::int16_t sample) {
            return sample != 0 && std::find(values.begin(), values.end(), sample) == values.end();
        });
    }

    test::TemporaryDirectory m_dir;
    std::string m_device = m_dir.file("device.raw");
    std::optional<SdlSoundOutput> m_output;
    std::vector<std::int16_t> m_played;
};

struct Encoding {
    const char* name;
    int format;
    int channels;
    int rate;
    int deviceChannels;
    double tolerance;  // of the tone's amplitude and of what else is heard, in full scale
};

void PrintTo(const Encoding& encoding, std::ostream* out) {
    *out << encoding.name;
}

class EncodingTest : public OutputTest, public ::testing::WithParamInterface<Encoding> {};

// Two chunks of odd size, each with its pad byte, between "fmt " and "data", and a RIFF size as a
// program writing a stream leaves it.
void insertOddSizedChunks(ByteArray& clip) {
    ASSERT_EQ(std::string(clip.begin() + 36, clip.begin() + 40), "data");
    ByteArray chunks{'j', 'u', 'n', 'k', 3, 1, 1, 0};  // 65795 bytes
    chunks.resize(chunks.size() + 65796, 'j');
    chunks.insert(chunks.end(), {'L', 'I', 'S', 'T', 5, 0, 0, 0, 'I', 'N', 'F', 'O', '!', 0});
    clip.insert(clip.begin() + 36, chunks.begin(), chunks.end());
    std::fill(clip.begin() + 4, clip.begin() + 8, 0xFF);  // a RIFF size past the end
}

// The tone's amplitude on every `step`-th sample from `first`, and the root mean square of
// what else is there, in full scale.
std::pair<double, double> toneAndRest(const std::int16_t* first, std::size_t step,
                                      std::size_t frames) {
    double sine = 0, cosine = 0, energy = 0;
    for (std::size_t n = 0; n < frames; ++n) {
        const double y = first[n * step] / 32768.0;
        sine += y * std::sin(2 * std::numbers::pi * kToneHz * n / 22050);
        cosine += y * std::cos(2 * std::numbers::pi * kToneHz * n / 22050);
        energy += y * y;
    }
    const double amplitude = 2 * std::hypot(sine, cosine) / frames;
    return {amplitude, std::sqrt(std::max(0.0, energy / frames - amplitude * amplitude / 2))};
}

TEST_P(EncodingTest, PlaysTheToneAtTheDeviceRateOnEveryChannel) {
    const Encoding& encoding = GetParam();
    constexpr double kSeconds = 50 / kToneHz;  // whole periods in whole samples of the device
    ByteArray clip =
        wave(encoding.format, encoding.channels, encoding.rate, tone(encoding.rate, kSeconds));
    if (std::string(encoding.name) == "odd_sized_chunks") insertOddSizedChunks(clip);
    ASSERT_TRUE(output(encoding.deviceChannels).play(clip, kSync)) << output().refusal();
    const std::vector<std::int16_t> samples = played();
    // The tone's share of each device channel over the clip's length from its first sound.
    const auto channels = static_cast<std::size_t>(encoding.deviceChannels);
    const auto frames = static_cast<std::size_t>(kSeconds * 22050);
    const auto sound = std::find_if(samples.begin(), samples.end(), [](auto s) { return s != 0; });
    const auto start = static_cast<std::size_t>(sound - samples.begin()) / channels * channels;
    ASSERT_GE(samples.size(), start + frames * channels);
    for (std::size_t channel = 0; channel < channels; ++channel) {
        const auto [amplitude, rest] = toneAndRest(&samples[start + channel], channels, frames);
        EXPECT_NEAR(amplitude, 0.5, encoding.tolerance) << "channel " << channel;
        EXPECT_LT(rest, encoding.tolerance) << "channel " << channel;
    }
}

constexpr int kWav = SF_FORMAT_WAV;
constexpr int kWavex = SF_FORMAT_WAVEX;
INSTANTIATE_TEST_SUITE_P(
    Wave, EncodingTest,
    ::testing::Values(Encoding{"u8", kWav | SF_FORMAT_PCM_U8, 1, 11025, 1, 0.01},
                      Encoding{"s16", kWav | SF_FORMAT_PCM_16, 2, 22050, 2, 0.001},
                      Encoding{"s24", kWav | SF_FORMAT_PCM_24, 3, 48000, 1, 0.001},
                      Encoding{"s32", kWav | SF_FORMAT_PCM_32, 4, 96000, 2, 0.001},
                      Encoding{"float", kWav | SF_FORMAT_FLOAT, 5, 192000, 1, 0.001},
                      Encoding{"double", kWav | SF_FORMAT_DOUBLE, 6, 8000, 2, 0.002},
                      Encoding{"mu_law", kWav | SF_FORMAT_ULAW, 7, 44100, 1, 0.01},
                      Encoding{"A_law", kWav | SF_FORMAT_ALAW, 8, 16000, 2, 0.01},
                      Encoding{"IMA_ADPCM", kWav | SF_FORMAT_IMA_ADPCM, 2, 32000, 1, 0.02},
                      Encoding{"MS_ADPCM", kWav | SF_FORMAT_MS_ADPCM, 1, 11025, 2, 0.01},
                      Encoding{"GSM_6_10", kWav | SF_FORMAT_GSM610, 1, 8000, 1, 0.05},
                      Encoding{"extensible", kWavex | SF_FORMAT_PCM_16, 6, 48000, 2, 0.001},
                      Encoding{"extensible_float", kWavex | SF_FORMAT_FLOAT, 8, 44100, 1, 0.002},
                      Encoding{"odd_sized_chunks", kWav | SF_FORMAT_PCM_U8, 1, 22050, 1, 0.01}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OutputTest, SynchronousPlayReturnsAfterTheLastSampleAndAsynchronousAtOnce) {
    // Longer than the time a stalled device is given after a clip's end.
    ASSERT_TRUE(output().play(pcm(48510, 1000), kSync));
    EXPECT_FALSE(output().playing());
    ASSERT_TRUE(output().play(pcm(4410, 2000), kSync)) << "cuts off nothing: the first has ended";
    ASSERT_TRUE(output().play(pcm(22050, 3000), kAsync));
    EXPECT_TRUE(output().playing());
    // Full scale down in float is the lowest 16-bit sample, not silence; NaN is silence.
    std::vector<float> lowest(2205, -1.0f);
    lowest.resize(4410, std::numeric_limits<float>::quiet_NaN());
    ASSERT_TRUE(output().play(wave(SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 22050, lowest), kSync))
        << "cuts the asynchronous clip off";
    EXPECT_EQ(heard(1000), 48510);
    EXPECT_EQ(heard(2000), 4410);
    EXPECT_LT(heard(3000), 22050);
    EXPECT_EQ(heard(-32768), 2205);
    EXPECT_EQ(heardBesides({1000, 2000, 3000, -32768}), 0);
}

TEST_F(OutputTest, GivingWayDropsTheNewClipAndCuttingOffOrStopEndsTheOldOne) {
    ASSERT_TRUE(output().play(pcm(11025, 1000), kAsync));
    EXPECT_FALSE(output().play(pcm(2205, 2000), kSync | SND_NOSTOP));
    EXPECT_NE(output().refusal().find("gives way"), std::string::npos);
    EXPECT_TRUE(output().playing());
    output().stop();
    EXPECT_FALSE(output().playing());
    output().stop();  // nothing plays: nothing happens
    // What a player's stop does: a cut-off with bytes that are no clip.
    ASSERT_TRUE(output().play(pcm(11025, 3000), kAsync));
    EXPECT_FALSE(output().play(ByteArray{0}, kAsync));
    EXPECT_EQ(output().refusal(), "not a RIFF/WAVE image");
    EXPECT_FALSE(output().playing());
    EXPECT_LT(heard(1000), 11025);
    EXPECT_EQ(heard(2000), 0);
    EXPECT_LT(heard(3000), 11025);
}

TEST_F(OutputTest, LoopedSynchronousPlayReturnsAfterAWholePassAndLoopsOn) {
    ASSERT_TRUE(output().play(pcm(2205, 1000), kSync | SND_LOOP));
    EXPECT_TRUE(output().playing()) << "loops on in the background";
    ASSERT_TRUE(output().play(pcm(441, 2000), kSync));
    EXPECT_GE(heard(1000), 2205);
    EXPECT_EQ(heardBesides({1000, 2000}), 0) << "every pass starts at the clip's start";
}

TEST_F(OutputTest, RestGivesTheDeviceBackOnlyWhenNothingPlays) {
    ASSERT_TRUE(output().play(pcm(22050, 1000), kAsync));
    EXPECT_FALSE(output().rest());
    EXPECT_TRUE(output().deviceOpen());
    output().stop();
    EXPECT_TRUE(output().rest());
    // Reopening the disk device starts its file afresh: only the new clip is in it.
    ASSERT_TRUE(output().play(pcm(2205, 2000), kSync));
    EXPECT_TRUE(output().deviceOpen());
    EXPECT_EQ(heard(2000), 2205);
    EXPECT_EQ(heard(1000), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the output's end lets SDL's audio go";
}

TEST_F(OutputTest, AClipPlaysUpToThirtyTwoMebibytesAtTheDevice) {
    // 2^22 frames at half the device's rate take 2^23 stereo 16-bit frames there.
    std::vector<float> silence(std::size_t{1} << 22);
    const int format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
    ASSERT_TRUE(output(2).play(wave(format, 1, 11025, silence), kAsync)) << output().refusal();
    silence.push_back(0);
    EXPECT_FALSE(output().play(wave(format, 1, 11025, silence), kAsync));
    EXPECT_NE(output().refusal().find("32.0 MiB a clip may take"), std::string::npos);
}

// Bytes that are no WAVE the output can play, each with the reason it gives; and two that play:
// a WAVE without samples, and one whose "fmt " chunk has an odd size and its pad byte.
TEST_F(OutputTest, WhatCannotBePlayedIsRefusedWithItsReason) {
    const int s16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const ByteArray plain = wave(s16, 1, 8000, std::vector<float>(800, 0.5f));
    const auto bytes = [](std::string_view text) { return ByteArray(text.begin(), text.end()); };
    ByteArray rifx = plain, shortRiff = plain, odd = plain;
    std::copy_n("RIFX", 4, rifx.begin());
    shortRiff[4] = 30;
    shortRiff[5] = 0;
    const std::pair<ByteArray, const char*> refused[] = {
        {bytes("RIFF notes\n"), "not a RIFF/WAVE image"},
        {bytes({"FORM\0\0\0\4AIFF", 12}), "not a RIFF/WAVE image"},
        {bytes(std::string("fLaC\0\0\0\x22", 8) + std::string(34, '\0')), "not a RIFF/WAVE image"},
        {rifx, "not a RIFF/WAVE image"},
        {wave(s16, 9, 8000, std::vector<float>(800, 0.5f)), "9 channels"},
        {wave(s16, 1, 500, std::vector<float>(400, 0.5f)), "500 Hz"},
        {wave(SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 1000, std::vector<float>(1'000'000, 0.5f)),
         "decoded, the clip would take 42.1 MiB, more than the 32.0 MiB a clip may take"},
        {shortRiff, "that can be decoded"},
        {ByteArray(plain.begin(), plain.begin() + 30), "that can be decoded"},
    };
    for (const auto& [clip, reason] : refused) {
        EXPECT_FALSE(output().play(clip, kAsync)) << reason;
        EXPECT_NE(output().refusal().find(reason), std::string::npos) << output().refusal();
    }
    odd[16] = 17;
    odd.insert(odd.begin() + 36, {'+', 0});
    odd[4] += 2;
    EXPECT_TRUE(output().play(odd, kAsync)) << output().refusal();
    EXPECT_TRUE(output().play(wave(s16, 1, 8000, {}), kAsync)) << output().refusal();
}

}  // namespace
}  // namespace varn
