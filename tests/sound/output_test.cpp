// output_test.cpp: what reaches a real SDL audio device (its disk driver) from the bytes a
// player hands the output: every WAVE encoding, the refusals, timing, cut-off, loops and rest.
#include "sdlsoundoutput.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <optional>

#include "embeddedsounddesign.h"
#include "embedsoundarray.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

constexpr std::uint32_t kSync = SND_NODEFAULT | SND_MEMORY;  // cuts off what plays
constexpr std::uint32_t kAsync = kSync | SND_ASYNC;
constexpr double kToneHz = 441.0;

// A WAVE (or other) file made by libsndfile's writer, every channel carrying `samples`.
ByteArray written(const std::string& path, int format, int channels, int rate,
                  const std::vector<float>& samples) {
    SF_INFO info{0, rate, channels, format, 0, 0};
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) {
        ADD_FAILURE() << "libsndfile cannot write " << std::hex << format << ": "
                      << sf_strerror(nullptr);
        return {};
    }
    std::vector<float> frames;
    for (const float sample : samples)
        frames.insert(frames.end(), static_cast<std::size_t>(channels), sample);
    sf_writef_float(file, frames.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
    const std::string bytes = test::readWhole(path);
    return ByteArray(bytes.begin(), bytes.end());
}

std::vector<float> tone(int rate, double seconds) {
    std::vector<float> samples(static_cast<std::size_t>(rate * seconds));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.5f * static_cast<float>(std::sin(2 * std::numbers::pi * kToneHz * i / rate));
    return samples;
}

std::vector<float> level(int frames, float value) {
    return std::vector<float>(static_cast<std::size_t>(frames), value);
}

// The disk driver writes everything the device plays to a file, in real time.
class OutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", m_device.c_str(), 1);
    }
    SdlSoundOutput& output(int channels = 1) {
        if (!m_output) m_output.emplace(SdlSoundOutput::Options{22050, channels, 512});
        return *m_output;
    }
    ByteArray wave(int format, int channels, int rate, const std::vector<float>& samples) {
        return written(m_dir.file("clip"), format, channels, rate, samples);
    }
    // A 16-bit clip at the device's rate whose every sample is `value`, easy to count.
    ByteArray pcm(int frames, std::int16_t value) {
        return wave(SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, level(frames, value / 32767.0f));
    }
    // Ends the output, so the device's file is complete, and reads what was played.
    std::vector<std::int16_t> played() {
        m_output.reset();
        const std::string bytes = test::readWhole(m_device);
        std::vector<std::int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }
    long count(std::int16_t value) {
        const std::vector<std::int16_t> samples = played();
        return std::count(samples.begin(), samples.end(), value);
    }

    test::TemporaryDirectory m_dir;
    std::string m_device = m_dir.file("device.raw");
    std::optional<SdlSoundOutput> m_output;
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

TEST_P(EncodingTest, PlaysTheToneAtTheDeviceRateOnEveryChannel) {
    const Encoding& encoding = GetParam();
    constexpr double kSeconds = 50 / kToneHz;  // whole periods in whole samples of the device
    ByteArray clip =
        wave(encoding.format, encoding.channels, encoding.rate, tone(encoding.rate, kSeconds));
    if (std::string(encoding.name) == "odd-sized chunks") {
        // Two chunks of odd size, each with its pad byte, between "fmt " and "data".
        ASSERT_EQ(std::string(clip.begin() + 36, clip.begin() + 40), "data");
        const ByteArray chunks{'j', 'u', 'n', 'k', 3, 0, 0, 0,   1,   2,   3,   0,   'L',
                               'I', 'S', 'T', 5,   0, 0, 0, 'I', 'N', 'F', 'O', '!', 0};
        clip.insert(clip.begin() + 36, chunks.begin(), chunks.end());
        std::uint32_t riffSize = 0;
        std::memcpy(&riffSize, clip.data() + 4, 4);
        riffSize += static_cast<std::uint32_t>(chunks.size());
        std::memcpy(clip.data() + 4, &riffSize, 4);
    }
    ASSERT_TRUE(output(encoding.deviceChannels).play(clip, kSync)) << output().refusal();
    const std::vector<std::int16_t> samples = played();
    // The tone's share of each device channel over the clip's length from its first sound.
    const int channels = encoding.deviceChannels;
    const auto frames = static_cast<std::size_t>(kSeconds * 22050);
    const auto sound = std::find_if(samples.begin(), samples.end(), [](auto s) { return s != 0; });
    const auto start = static_cast<std::size_t>(sound - samples.begin()) / channels * channels;
    ASSERT_GE(samples.size(), start + frames * channels);
    for (int channel = 0; channel < channels; ++channel) {
        double sine = 0, cosine = 0, energy = 0;
        for (std::size_t n = 0; n < frames; ++n) {
            const double y = samples[start + n * channels + channel] / 32768.0;
            sine += y * std::sin(2 * std::numbers::pi * kToneHz * n / 22050);
            cosine += y * std::cos(2 * std::numbers::pi * kToneHz * n / 22050);
            energy += y * y;
        }
        const double amplitude = 2 * std::hypot(sine, cosine) / frames;
        const double rest = std::sqrt(std::max(0.0, energy / frames - amplitude * amplitude / 2));
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
                      Encoding{"mu-law", kWav | SF_FORMAT_ULAW, 7, 44100, 1, 0.01},
                      Encoding{"A-law", kWav | SF_FORMAT_ALAW, 8, 16000, 2, 0.01},
                      Encoding{"IMA ADPCM", kWav | SF_FORMAT_IMA_ADPCM, 2, 32000, 1, 0.02},
                      Encoding{"MS ADPCM", kWav | SF_FORMAT_MS_ADPCM, 1, 11025, 2, 0.01},
                      Encoding{"GSM 6.10", kWav | SF_FORMAT_GSM610, 1, 8000, 1, 0.05},
                      Encoding{"extensible", kWavex | SF_FORMAT_PCM_16, 6, 48000, 2, 0.001},
                      Encoding{"extensible float", kWavex | SF_FORMAT_FLOAT, 8, 44100, 1, 0.002},
                      Encoding{"odd-sized chunks", kWav | SF_FORMAT_PCM_U8, 1, 22050, 1, 0.01}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

struct Refused {
    const char* name;
    const char* reason;  // a part of the one-line reason
};

void PrintTo(const Refused& refused, std::ostream* out) {
    *out << refused.name;
}

class RefusedTest : public OutputTest, public ::testing::WithParamInterface<Refused> {
  protected:
    ByteArray bytes(const std::string& name) {
        const std::vector<float> second = tone(8000, 1.0);
        if (name.empty()) return {};
        if (name == "text") return {'R', 'I', 'F', 'F', ' ', 'n', 'o', 't', 'e', 's', '\n'};
        if (name == "AIFF") return wave(SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, 8000, second);
        if (name == "FLAC") return wave(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, 8000, second);
        if (name == "RIFX") return wave(kWav | SF_FORMAT_PCM_16 | SF_ENDIAN_BIG, 1, 8000, second);
        if (name == "nine channels") return wave(kWav | SF_FORMAT_PCM_16, 9, 8000, second);
        if (name == "500 Hz") return wave(kWav | SF_FORMAT_PCM_16, 1, 500, second);
        if (name == "too long")
            return wave(kWav | SF_FORMAT_PCM_U8, 1, 1000, level(1'600'000, 0.5f));
        ByteArray clip = wave(kWav | SF_FORMAT_PCM_16, 1, 8000, second);
        if (name == "RIFF ends before data") clip[4] = 30, clip[5] = clip[6] = clip[7] = 0;
        if (name == "cut in the header") clip.resize(30);
        return clip;
    }
};

TEST_P(RefusedTest, NothingPlaysAndTheOutputSaysWhy) {
    ASSERT_TRUE(output().play(pcm(22050, 1000), kAsync));
    EXPECT_FALSE(output().play(bytes(GetParam().name), kSync));
    EXPECT_NE(output().refusal().find(GetParam().reason), std::string::npos) << output().refusal();
    EXPECT_EQ(output().refusal().find('\n'), std::string::npos);
    EXPECT_FALSE(output().playing()) << "the clip that played was cut off all the same";
    const std::vector<std::int16_t> samples = played();
    EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](auto s) { return s % 1000 == 0; }));
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, RefusedTest,
    ::testing::Values(Refused{"", "RIFF/WAVE"}, Refused{"text", "RIFF/WAVE"},
                      Refused{"AIFF", "RIFF/WAVE"}, Refused{"FLAC", "RIFF/WAVE"},
                      Refused{"RIFX", "RIFF/WAVE"}, Refused{"nine channels", "9 channels"},
                      Refused{"500 Hz", "500 Hz"}, Refused{"too long", "MiB"},
                      Refused{"RIFF ends before data", "decoded"},
                      Refused{"cut in the header", "decoded"}),
    [](const auto& info) {
        std::string name = info.param.name[0] ? info.param.name : "empty";
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

TEST_F(OutputTest, GamePlayerPlaysItsBuiltInClipSampleForSample) {
    // The whole road: the built-in design, the restored player, the device.
    SF_INFO info{};
    SNDFILE* file = sf_open(VARN_CLIP_DIRECTORY "/varn1.wav", SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    std::vector<std::int16_t> expected(static_cast<std::size_t>(info.frames));
    sf_readf_short(file, expected.data(), info.frames);
    sf_close(file);
    {
        EmbedSoundArray players(embeddedSoundDesign(), output(), [] {});
        ASSERT_TRUE(players[1].PlaySound());
        EXPECT_TRUE(output().refusal().empty());
    }
    const std::vector<std::int16_t> samples = played();
    const auto start =
        std::search(samples.begin(), samples.end(), expected.begin() + 200, expected.begin() + 210);
    ASSERT_NE(start, samples.end());
    EXPECT_TRUE(std::equal(expected.begin() + 200, expected.end(), start));
    EXPECT_TRUE(std::all_of(start + info.frames - 200, samples.end(), [](auto s) {
        return s == 0;
    })) << "nothing after the clip, not even the player's trailing zero byte";
}

TEST_F(OutputTest, SynchronousPlayReturnsAfterTheLastSampleAndAsynchronousAtOnce) {
    ASSERT_TRUE(output().play(pcm(4410, 1000), kSync));
    EXPECT_FALSE(output().playing());
    ASSERT_TRUE(output().play(pcm(4410, 2000), kSync)) << "cuts off nothing: the first has ended";
    ASSERT_TRUE(output().play(pcm(22050, 3000), kAsync));
    EXPECT_TRUE(output().playing());
    ASSERT_TRUE(output().play(pcm(2205, -1000), kSync)) << "cuts the asynchronous clip off";
    const std::vector<std::int16_t> samples = played();
    EXPECT_EQ(std::count(samples.begin(), samples.end(), 1000), 4410);
    EXPECT_EQ(std::count(samples.begin(), samples.end(), 2000), 4410);
    EXPECT_LT(std::count(samples.begin(), samples.end(), 3000), 22050);
    EXPECT_EQ(std::count(samples.begin(), samples.end(), -1000), 2205);
}

TEST_F(OutputTest, GivingWayDropsTheNewClipAndStopEndsTheOldOne) {
    ASSERT_TRUE(output().play(pcm(11025, 1000), kAsync));
    EXPECT_FALSE(output().play(pcm(2205, 2000), kSync | SND_NOSTOP));
    EXPECT_NE(output().refusal().find("gives way"), std::string::npos);
    EXPECT_TRUE(output().playing());
    output().stop();
    EXPECT_FALSE(output().playing());
    output().stop();  // nothing plays: nothing happens
    const std::vector<std::int16_t> samples = played();
    EXPECT_LT(std::count(samples.begin(), samples.end(), 1000), 11025);
    EXPECT_EQ(std::count(samples.begin(), samples.end(), 2000), 0);
}

TEST_F(OutputTest, LoopedSynchronousPlayReturnsAfterAWholePassAndLoopsOn) {
    ASSERT_TRUE(output().play(pcm(2205, 1000), kSync | SND_LOOP));
    EXPECT_TRUE(output().playing()) << "loops on in the background";
    ASSERT_TRUE(output().play(pcm(441, 2000), kSync));
    EXPECT_GE(count(1000), 2205);
}

TEST_F(OutputTest, RestGivesTheDeviceBackOnlyWhenNothingPlays) {
    ASSERT_TRUE(output().play(pcm(22050, 1000), kAsync));
    EXPECT_FALSE(output().rest());
    EXPECT_TRUE(output().deviceOpen());
    output().stop();
    EXPECT_TRUE(output().rest());
    EXPECT_FALSE(output().deviceOpen());
    // Reopening the disk device starts its file afresh: only the new clip is in it.
    ASSERT_TRUE(output().play(pcm(2205, 2000), kSync));
    EXPECT_TRUE(output().deviceOpen());
    const std::vector<std::int16_t> samples = played();
    EXPECT_EQ(std::count(samples.begin(), samples.end(), 2000), 2205);
    EXPECT_EQ(std::count(samples.begin(), samples.end(), 1000), 0);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the output's end lets SDL's audio go";
}

TEST_F(OutputTest, WithoutADeviceNothingPlaysAndTheReasonSaysSo) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(output().play(pcm(22050, 1000), kSync));
    EXPECT_EQ(output().refusal().rfind("no sound device", 0), 0u) << output().refusal();
    EXPECT_TRUE(output().rest());
}

}  // namespace
}  // namespace varn
