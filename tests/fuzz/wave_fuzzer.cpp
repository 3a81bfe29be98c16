// wave_fuzzer.cpp: libFuzzer target for the decoding of the bytes a player hands the output:
// any bytes come out as whole frames of the device or as a one-line refusal, never a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "wavedecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The game's device, and a mono one of another rate and sample format.
    const SDL_AudioSpec devices[] = {{44100, AUDIO_S16SYS, 2, 0, 0, 0, 0, nullptr, nullptr},
                                     {22050, AUDIO_F32SYS, 1, 0, 0, 0, 0, nullptr, nullptr}};
    for (const SDL_AudioSpec& device : devices) {
        const varn::DecodedWave wave = varn::WaveDecoder::decode({data, size}, device);
        const std::size_t frameBytes = SDL_AUDIO_BITSIZE(device.format) / 8 * device.channels;
        const bool whole = wave.samples.size() % frameBytes == 0 &&
                           wave.samples.size() <= varn::WaveDecoder::kMaxDecodedBytes;
        const bool oneOutcome = wave.refusal.empty() || wave.samples.empty();
        if (!whole || !oneOutcome || wave.refusal.find('\n') != std::string::npos) std::abort();
    }
    return 0;
}
