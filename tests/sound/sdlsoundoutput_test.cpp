// sdlsoundoutput_test.cpp: what really reaches an SDL audio device, through SDL's disk driver.
#include "sdlsoundoutput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <optional>
#include <thread>

#include "embeddedsounddesign.h"
#include "embedsound.h"
#include "embedsoundarray.h"
#include "fakesoundhost.h"
#include "temporarydirectory.h"
#include "wavebuilder.h"

namespace varn {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::uint32_t kSyncGiveWay = SND_NODEFAULT | SND_MEMORY | SND_NOSTOP;
constexpr std::uint32_t kSyncCutOff = SND_NODEFAULT | SND_MEMORY;
constexpr std::uint32_t kAsyncGiveWay = kSyncGiveWay | SND_ASYNC;
constexpr std::uint32_t kAsyncCutOff = kSyncCutOff | SND_ASYNC;

// A mono 16-bit clip whose every sample is `value`, easy to count in the device's stream.
ByteArray levelClip(int rate, int frames, std::int16_t value) {
    return test::WaveBuilder()
        .format(1, rate, 16)
        .data(test::pcm16(std::vector<std::int16_t>(static_cast<std::size_t>(frames), value)))
        .build();
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The disk driver writes, in real time, everything the device plays to a file: the output is
// 22050 Hz mono 16-bit unless a test asks for another device format.
class SdlDiskOutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", m_file.c_str(), 1);
    }

    SdlSoundOutput& output(SdlSoundOutput::Options options = {22050, 1, 512}) {
        if (!m_output) m_output.emplace(options);
        return *m_output;
    }

    // Closes the device, so the file is complete, and reads what was played.
    std::vector<std::int16_t> played() {
        m_output.reset();
        const std::string bytes = test::readWhole(m_file);
        std::vector<std::int16_t> samples(bytes.size() / 2);
        if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

    static long count(const std::vector<std::int16_t>& samples, std::int16_t value) {
        return std::count(samples.begin(), samples.end(), value);
    }

    static std::size_t firstSound(const std::vector<std::int16_t>& samples) {
        const auto found =
            std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; });
        return static_cast<std::size_t>(found - samples.begin());
    }

    test::TemporaryDirectory m_dir;
    std::string m_file = m_dir.file("device.raw");
    std::optional<SdlSoundOutput> m_output;
};

TEST_F(SdlDiskOutputTest, ClipInTheDeviceFormatArrivesSampleForSample) {
    const ByteArray clip = test::toneImage(22050, 4410);
    ASSERT_TRUE(output().play(clip, kSyncGiveWay));
    const std::vector<std::int16_t> samples = played();
    const std::size_t start = firstSound(samples);
    ASSERT_GE(samples.size(), start + 4410);
    const auto* expected = reinterpret_cast<const std::int16_t*>(clip.data() + 44);
    for (std::size_t i = 0; i < 4410; ++i) {
        ASSERT_EQ(samples[start + i], expected[i]) << "sample " << i;
    }
    EXPECT_EQ(firstSound({samples.begin() + start + 4410, samples.end()}),
              samples.size() - start - 4410)
        << "only silence after the clip";
}

TEST_F(SdlDiskOutputTest, GamePlayerPlaysItsBuiltInClipSampleForSample) {
    // The whole road: the built-in design, the restored player, the device.
    std::vector<std::int16_t> expected;
    {
        int events = 0;
        EmbedSoundArray players(embeddedSoundDesign(), output(), [&] { ++events; });
        const auto began = Clock::now();
        ASSERT_TRUE(players[1].PlaySound());
        EXPECT_GT(secondsSince(began), 0.18) << "the group's clip lasts 0.23 s, synchronously";
        EXPECT_EQ(events, 1);
        const WaveImage clip = WaveImage::parse(players[1].MemWav());
        ASSERT_EQ(clip.sampleRate(), 22050);
        expected.resize(clip.frames());
        std::memcpy(expected.data(), clip.samples().data(), clip.samples().size());
    }  // the players end before the output they stop
    const std::vector<std::int16_t> samples = played();
    const std::size_t leading = firstSound(expected);
    const std::size_t start = firstSound(samples) - leading;
    ASSERT_GE(samples.size(), start + expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), samples.begin() + start));
}

TEST_F(SdlDiskOutputTest, EightBitStereoIsConvertedWithinRounding) {
    ByteArray frames;
    for (int i = 0; i < 2205; ++i) {
        const auto level =
            static_cast<std::uint8_t>(1 + (i * 7) % 254);  // never the 128 of silence
        frames.insert(frames.end(), {level, level});
    }
    const ByteArray clip = test::WaveBuilder().format(2, 22050, 8).data(frames).build();
    ASSERT_TRUE(output().play(clip, kSyncGiveWay));
    const std::vector<std::int16_t> samples = played();
    const std::size_t start = firstSound(samples);
    ASSERT_GE(samples.size(), start + 2205);
    for (std::size_t i = 0; i < 2205; ++i) {
        const int expected = (frames[2 * i] - 128) * 256;
        ASSERT_NEAR(samples[start + i], expected, 260) << "sample " << i;
    }
}

TEST_F(SdlDiskOutputTest, LowerRateIsResampledToTheDeviceRate) {
    // A slow cosine at 11025 Hz: the device at 22050 Hz must play the same curve, twice as
    // many samples, over the same time.
    std::vector<std::int16_t> wave;
    for (int i = 0; i < 5512; ++i) {
        wave.push_back(static_cast<std::int16_t>(
            10000 * std::cos(2 * std::numbers::pi * 150 * i / 11025.0) + 12000));
    }
    const ByteArray clip = test::WaveBuilder().format(1, 11025, 16).data(test::pcm16(wave)).build();
    ASSERT_TRUE(output().play(clip, kSyncGiveWay));
    const std::vector<std::int16_t> samples = played();
    const std::size_t start = firstSound(samples);
    std::size_t end = samples.size();
    while (end > start && samples[end - 1] == 0)
        --end;
    EXPECT_NEAR(static_cast<double>(end - start), 11024.0, 60.0);
    // Compare the middle of the clip, clear of the resampler's edges, allowing a small lag.
    double best = 1e9;
    for (int lag = -8; lag <= 8; ++lag) {
        double error = 0;
        for (std::size_t i = 1000; i < 10000; i += 2) {
            const double expected =
                10000 * std::cos(2 * std::numbers::pi * 150 * (i / 2.0) / 11025.0) + 12000;
            error = std::max(error, std::abs(samples[start + i + lag] - expected));
        }
        best = std::min(best, error);
    }
    EXPECT_LT(best, 400.0) << "within resampling error of the original curve";
}

TEST_F(SdlDiskOutputTest, SynchronousPlayLastsTheClipAndAsynchronousReturnsAtOnce) {
    ASSERT_TRUE(output().open());
    auto start = Clock::now();
    ASSERT_TRUE(output().play(levelClip(22050, 11025, 1000), kSyncGiveWay));  // half a second
    const double synchronous = secondsSince(start);
    EXPECT_GT(synchronous, 0.4);
    EXPECT_LT(synchronous, 2.5);
    EXPECT_FALSE(output().playing()) << "the clip has been played out";

    start = Clock::now();
    ASSERT_TRUE(output().play(levelClip(22050, 11025, 2000), kAsyncGiveWay));
    EXPECT_LT(secondsSince(start), 0.25);
    EXPECT_TRUE(output().playing());
    std::this_thread::sleep_for(800ms);
    EXPECT_FALSE(output().playing());
    const std::vector<std::int16_t> samples = played();
    EXPECT_EQ(count(samples, 1000), 11025);
    EXPECT_EQ(count(samples, 2000), 11025);
}

TEST_F(SdlDiskOutputTest, TwoSynchronousPlaysPlayTheClipTwiceInARow) {
    const ByteArray clip = levelClip(22050, 2205, 1500);
    ASSERT_TRUE(output().play(clip, kSyncGiveWay));
    ASSERT_TRUE(output().play(clip, kSyncGiveWay));
    EXPECT_EQ(count(played(), 1500), 2 * 2205);
}

TEST_F(SdlDiskOutputTest, RestingLeavesAPlayingClipAloneAndTheNextClipReopens) {
    ASSERT_TRUE(output().play(levelClip(22050, 11025, 700), kAsyncCutOff));
    output().rest();
    EXPECT_TRUE(output().playing()) << "a clip that plays keeps the device";
    output().stop();
    output().rest();
    // Reopening the disk device starts its file afresh: only the new clip is in it.
    ASSERT_TRUE(output().play(levelClip(22050, 2205, 900), kSyncCutOff));
    const auto samples = played();
    EXPECT_EQ(count(samples, 900), 2205);
    EXPECT_EQ(count(samples, 700), 0);
}

TEST_F(SdlDiskOutputTest, GivingWayDropsTheSecondClip) {
    ASSERT_TRUE(output().play(levelClip(22050, 6615, 1000), kAsyncGiveWay));
    EXPECT_FALSE(output().play(levelClip(22050, 2205, -2000), kSyncGiveWay));
    EXPECT_FALSE(output().play(levelClip(22050, 2205, -2000), kAsyncGiveWay));
    std::this_thread::sleep_for(600ms);
    const std::vector<std::int16_t> samples = played();
    EXPECT_EQ(count(samples, 1000), 6615) << "the first clip played whole";
    EXPECT_EQ(count(samples, -2000), 0);
}

TEST_F(SdlDiskOutputTest, CuttingOffReplacesTheFirstClip) {
    ASSERT_TRUE(output().play(levelClip(22050, 22050, 1000), kAsyncCutOff));
    std::this_thread::sleep_for(200ms);
    ASSERT_TRUE(output().play(levelClip(22050, 2205, -2000), kSyncCutOff));
    const std::vector<std::int16_t> samples = played();
    const long first = count(samples, 1000);
    EXPECT_GT(first, 0);
    EXPECT_LT(first, 22050 / 2) << "the first clip was cut off";
    EXPECT_EQ(count(samples, -2000), 2205);
    const auto lastOfFirst = std::find(samples.rbegin(), samples.rend(), 1000);
    const auto firstOfSecond = std::find(samples.begin(), samples.end(), -2000);
    EXPECT_LT(samples.rend() - lastOfFirst, firstOfSecond - samples.begin() + 1);
}

TEST_F(SdlDiskOutputTest, StopFromAnotherPlayerEndsTheClip) {
    test::FakeSoundHost firstHost;
    test::FakeSoundHost secondHost;
    EmbedSound first(firstHost, output());
    EmbedSound second(secondHost, output());
    firstHost.m_saved["MemWav"] = levelClip(22050, 44100, 1000);  // two seconds
    first.UserControl_ReadProperties();
    ASSERT_TRUE(first.PlaySound());  // asynchronous, giving way
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(second.StopSound());
    EXPECT_FALSE(output().playing());
    second.StopSound();  // nothing plays: nothing happens
    std::this_thread::sleep_for(100ms);
    const long heard = count(played(), 1000);
    EXPECT_GT(heard, 0);
    EXPECT_LT(heard, 22050);
}

TEST_F(SdlDiskOutputTest, LoopRepeatsUntilStoppedAndLoopedSyncReturns) {
    const ByteArray clip = levelClip(22050, 2205, 1000);  // a tenth of a second
    ASSERT_TRUE(output().play(clip, kAsyncCutOff | SND_LOOP));
    std::this_thread::sleep_for(600ms);
    EXPECT_TRUE(output().playing());
    const auto start = Clock::now();
    ASSERT_TRUE(output().play(levelClip(22050, 4410, 3000), kSyncCutOff | SND_LOOP));
    EXPECT_LT(secondsSince(start), 2.0) << "a looped synchronous play returns after one pass";
    EXPECT_TRUE(output().playing()) << "and goes on looping";
    std::this_thread::sleep_for(300ms);
    output().stop();
    EXPECT_FALSE(output().playing());
    const std::vector<std::int16_t> samples = played();
    EXPECT_GE(count(samples, 1000), 3 * 2205);
    EXPECT_GE(count(samples, 3000), 4410 + 2205);
}

TEST_F(SdlDiskOutputTest, InvalidImageStopsTheClipAndPlaysNothing) {
    ASSERT_TRUE(output().play(levelClip(22050, 22050, 1000), kAsyncGiveWay));
    ByteArray broken = levelClip(22050, 100, -2000);
    broken[40] = 0xFF;  // data size far past the end
    EXPECT_FALSE(output().play(broken, kAsyncGiveWay)) << "gives way first";
    EXPECT_TRUE(output().playing());
    const auto start = Clock::now();
    EXPECT_FALSE(output().play(broken, kSyncCutOff));
    EXPECT_FALSE(output().play({}, kSyncCutOff));
    EXPECT_FALSE(output().play(levelClip(22050, 100, -2000), kSyncCutOff & ~SND_MEMORY));
    EXPECT_LT(secondsSince(start), 0.5);
    EXPECT_FALSE(output().playing());
    EXPECT_EQ(count(played(), -2000), 0);
}

TEST_F(SdlDiskOutputTest, DeviceThatCannotOpenPlaysNothingAndDoesNotWait) {
    ::setenv("SDL_DISKAUDIOFILE", m_dir.file("missing/directory/device.raw").c_str(), 1);
    const auto start = Clock::now();
    EXPECT_FALSE(output().open());
    EXPECT_FALSE(output().play(levelClip(22050, 22050, 1000), kSyncGiveWay));
    output().stop();
    EXPECT_FALSE(output().playing());
    EXPECT_LT(secondsSince(start), 1.0);
}

TEST(SdlSoundOutput, WithoutAnyAudioDriverNothingPlaysOrHangs) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const auto start = Clock::now();
    SdlSoundOutput output;
    EXPECT_FALSE(output.play(test::toneImage(22050, 22050), kSyncGiveWay));
    EXPECT_FALSE(output.open());
    output.stop();
    EXPECT_LT(secondsSince(start), 1.0);
}

TEST(SdlSoundOutput, DummyDriverPlaysInTimeWithoutHanging) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlSoundOutput output;
    ASSERT_TRUE(output.open());
    auto start = Clock::now();
    EXPECT_TRUE(output.play(test::toneImage(22050, 6615), kSyncGiveWay));
    EXPECT_GT(secondsSince(start), 0.2);
    EXPECT_LT(secondsSince(start), 2.5);
    start = Clock::now();
    EXPECT_TRUE(output.play(test::toneImage(11025, 22050), kAsyncCutOff));
    EXPECT_LT(secondsSince(start), 0.25);
}

}  // namespace
}  // namespace varn
