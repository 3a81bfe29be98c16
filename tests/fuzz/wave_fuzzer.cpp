// wave_fuzzer.cpp: libFuzzer target for the WAVE image reader: any bytes, no fault, sane views.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "waveimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> image(data, size);
    const varn::WaveImage wave = varn::WaveImage::parse(image);
    if (!wave.valid()) {
        if (wave.frames() != 0) std::abort();
        return 0;
    }
    const auto samples = wave.samples();
    const bool inside = samples.empty() ||
                        (samples.data() >= data && samples.data() + samples.size() <= data + size);
    const bool whole =
        samples.size() == wave.frames() * static_cast<std::size_t>(wave.blockAlign());
    const bool sane = (wave.channels() == 1 || wave.channels() == 2) &&
                      (wave.bitsPerSample() == 8 || wave.bitsPerSample() == 16) &&
                      wave.sampleRate() >= varn::WaveImage::kMinSampleRate &&
                      wave.sampleRate() <= varn::WaveImage::kMaxSampleRate;
    if (!inside || !whole || !sane) std::abort();
    // Touch every sample, so a view past the input shows up under the address sanitizer.
    unsigned sum = 0;
    for (const std::uint8_t byte : samples)
        sum += byte;
    return static_cast<int>(sum & 0);
}
