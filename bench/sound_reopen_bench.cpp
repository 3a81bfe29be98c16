// sound_reopen_bench.cpp: what giving the sound device back costs the next clip, per SDL audio
// driver: the time to open the device again, and how much later a synchronous clip ends after a
// rest than with the device open, which is the delay before its first sample. And how long a
// synchronous clip holds the game when no sound server runs: when it tries the device again,
// and within the second after a failed try.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "sdlsoundoutput.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 9;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void measure(const char* driver, const std::vector<std::uint8_t>& clip) {
    ::setenv("SDL_AUDIODRIVER", driver, 1);
    varn::SdlSoundOutput output;
    if (!output.open()) {
        std::printf("%-10s  no device: %s\n", driver, SDL_GetError());
        return;
    }
    constexpr std::uint32_t kSync = varn::SND_NODEFAULT | varn::SND_MEMORY;
    std::vector<double> reopen, open, rested;
    for (int run = 0; run < kRuns; ++run) {
        auto start = Clock::now();
        output.play(clip, kSync);
        open.push_back(millisecondsSince(start));
        output.rest();
        start = Clock::now();
        output.open();
        reopen.push_back(millisecondsSince(start));
        output.rest();
        start = Clock::now();
        output.play(clip, kSync);
        rested.push_back(millisecondsSince(start));
    }
    std::printf(
        "%-10s  open again %5.1f ms; the clip ends after %6.1f ms with the device open, "
        "%6.1f ms after a rest: %+6.1f ms (medians of %d)\n",
        driver, median(reopen), median(open), median(rested), median(rested) - median(open), kRuns);
}

// `driver` null lets SDL choose, as the game does.
void measureWithoutServer(const char* driver, const std::vector<std::uint8_t>& clip) {
    if (driver) ::setenv("SDL_AUDIODRIVER", driver, 1);
    if (!driver) ::unsetenv("SDL_AUDIODRIVER");
    ::setenv("PULSE_SERVER", "unix:/nonexistent", 1);
    auto now = Clock::now();
    varn::SdlSoundOutput output(varn::SdlSoundOutput::Options{.clock = [&] { return now; }});
    constexpr std::uint32_t kSync = varn::SND_NODEFAULT | varn::SND_MEMORY;
    std::vector<double> retry, within;
    for (int run = 0; run < kRuns; ++run) {
        now += varn::SdlSoundOutput::kRetryInterval;
        auto start = Clock::now();
        if (output.play(clip, kSync)) std::printf("%s: a device without a server?\n", driver);
        retry.push_back(millisecondsSince(start));
        start = Clock::now();
        output.play(clip, kSync);
        within.push_back(millisecondsSince(start));
    }
    std::printf(
        "%-10s  no server: a clip that tries the device again returns after %7.3f ms (the "
        "first %7.3f ms), one within the second after %7.3f ms (medians of %d; %s)\n",
        driver ? driver : "any", median(retry), retry.front(), median(within), kRuns,
        output.refusal().c_str());
    ::unsetenv("PULSE_SERVER");
}

}  // namespace

int main() {
    std::ifstream file(VARN_CLIP_DIRECTORY "/varn1.wav", std::ios::binary);
    const std::vector<std::uint8_t> clip{std::istreambuf_iterator<char>(file), {}};
    const std::string disk = "/tmp/varn-sound-reopen-bench.raw";
    ::setenv("SDL_DISKAUDIOFILE", disk.c_str(), 1);
    std::printf("reopening the sound device for a clip of 0.23 s\n");
    for (const char* driver : {"dummy", "disk", "pulseaudio"})
        measure(driver, clip);
    for (const char* driver : {"pulseaudio", static_cast<const char*>(nullptr)})
        measureWithoutServer(driver, clip);
    std::remove(disk.c_str());
    return 0;
}
