// wavedecoder.cpp: libsndfile over the bytes in memory, and SDL's audio stream for the device's
// channels, rate and format.
#include "wavedecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>

namespace varn {

namespace {

// Frames decoded at a time: the working buffers stay small whatever the clip's length.
constexpr sf_count_t kBlockFrames = 4096;

// Silence fed after a clip: a flushed resampling stream keeps back its last thousand or so
// output frames, and this carries them out; the output is cut back to the clip's length.
constexpr sf_count_t kPadFrames = 4096;

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16) |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

void putLe32(std::vector<std::uint8_t>& bytes, std::uint64_t value) {
    const auto clamped = static_cast<std::uint32_t>(std::min<std::uint64_t>(value, UINT32_MAX));
    for (int byte = 0; byte < 4; ++byte)
        bytes.push_back(static_cast<std::uint8_t>(clamped >> 8 * byte));
}

// What libsndfile is shown of an image: a copy of its RIFF/WAVE header and of its "fmt ",
// "fact" and "data" chunks, in that order, each as far as the RIFF chunk reaches. The other
// chunks (names, cue points, peaks) play no part in the sound, and libsndfile 1.2 hangs on
// some of them when their size is damaged. Bytes after the RIFF chunk, like the zero that ends
// a player's clip, are never read. Empty for an image that is no RIFF/WAVE.
std::vector<std::uint8_t> soundChunks(std::span<const std::uint8_t> image) {
    if (image.size() < 12 || std::memcmp(image.data(), "RIFF", 4) != 0 ||
        std::memcmp(image.data() + 8, "WAVE", 4) != 0) {
        return {};
    }
    const std::uint64_t end =
        std::min<std::uint64_t>(image.size(), std::uint64_t{8} + le32(image, 4));
    constexpr const char* kChunks[] = {"fmt ", "fact", "data"};
    std::optional<std::span<const std::uint8_t>> bodies[std::size(kChunks)];
    for (std::uint64_t at = 12; at + 8 <= end;) {
        const std::uint64_t size = le32(image, at + 4);
        for (std::size_t kind = 0; kind < std::size(kChunks); ++kind) {
            if (!bodies[kind] && std::memcmp(image.data() + at, kChunks[kind], 4) == 0)
                bodies[kind] = image.subspan(at + 8, std::min(size, end - at - 8));
        }
        at += 8 + size + (size & 1);
    }
    std::vector<std::uint8_t> chunks{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (std::size_t kind = 0; kind < std::size(kChunks); ++kind) {
        if (!bodies[kind]) continue;
        chunks.insert(chunks.end(), kChunks[kind], kChunks[kind] + 4);
        putLe32(chunks, bodies[kind]->size());
        chunks.insert(chunks.end(), bodies[kind]->begin(), bodies[kind]->end());
        if (bodies[kind]->size() & 1) chunks.push_back(0);  // the pad byte
    }
    std::vector<std::uint8_t> riffSize;
    putLe32(riffSize, chunks.size() - 8);
    std::copy(riffSize.begin(), riffSize.end(), chunks.begin() + 4);
    return chunks;
}

// libsndfile reads the chunks through these as if they were a file.
struct MemoryFile {
    std::span<const std::uint8_t> bytes;
    sf_count_t position = 0;

    sf_count_t size() const { return static_cast<sf_count_t>(bytes.size()); }
};

MemoryFile& fileOf(void* user) {
    return *static_cast<MemoryFile*>(user);
}

sf_count_t fileLength(void* user) {
    return fileOf(user).size();
}

sf_count_t fileSeek(sf_count_t offset, int whence, void* user) {
    MemoryFile& file = fileOf(user);
    const sf_count_t base = whence == SEEK_CUR   ? file.position
                            : whence == SEEK_END ? file.size()
                                                 : 0;
    sf_count_t target = 0;
    if (__builtin_add_overflow(base, offset, &target) || target < 0) return -1;
    file.position = target;
    return target;
}

sf_count_t fileRead(void* buffer, sf_count_t count, void* user) {
    MemoryFile& file = fileOf(user);
    const sf_count_t done = std::clamp<sf_count_t>(file.size() - file.position, 0, count);
    if (done > 0) std::memcpy(buffer, file.bytes.data() + file.position, std::size_t(done));
    file.position += done;
    return done;
}

sf_count_t fileTell(void* user) {
    return fileOf(user).position;
}

struct SoundFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

struct StreamDeleter {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

// Full scale maps onto the 16-bit range exactly, so 16-bit clips come out sample for sample.
Sint16 toSample(float value) {
    const float scaled = value * 32768.0f;
    if (scaled >= 32767.0f) return 32767;
    if (scaled > -32768.0f) return static_cast<Sint16>(std::lrint(scaled));
    return scaled <= -32768.0f ? -32768 : 0;  // NaN is silence
}

std::string mebibytes(double bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", bytes / (1 << 20));
    return text;
}

class Decoding {
  public:
    Decoding(SNDFILE* file, const SF_INFO& info, const SDL_AudioSpec& device)
        : m_file(file),
          m_info(info),
          m_device(device),
          m_frameBytes(SDL_AUDIO_BITSIZE(device.format) / 8 * device.channels),
          m_padFrames(
              std::max<sf_count_t>(kPadFrames, kPadFrames * info.samplerate / device.freq)) {}

    // The device's bytes for `frames` frames of the file; safe for any count.
    double deviceBytes(double frames) const {
        return std::ceil(frames * m_device.freq / m_info.samplerate) * m_frameBytes;
    }

    // The larger of the clip as 16-bit samples of its own and in the device's format.
    double decodedBytes(double frames) const {
        return std::max(deviceBytes(frames), frames * m_info.channels * sizeof(Sint16));
    }

    DecodedWave tooLarge() const {
        const double frames = static_cast<double>(m_info.frames);
        return refused("decoded, the clip would take " + mebibytes(decodedBytes(frames)) +
                       ", more than the " + mebibytes(WaveDecoder::kMaxDecodedBytes) +
                       " a clip may take");
    }

    DecodedWave run() {
        std::vector<Sint16> samples;
        const sf_count_t frames = read(samples);
        if (frames == 0 && sf_error(m_file) != SF_ERR_NO_ERROR) {
            return refused("cannot decode the samples: " + std::string(sf_strerror(m_file)));
        }
        return convert(std::move(samples), frames);
    }

  private:
    // The file's frames as 16-bit samples, followed by the padding; returns how many were read.
    sf_count_t read(std::vector<Sint16>& samples) {
        const auto channels = static_cast<std::size_t>(m_info.channels);
        samples.reserve(static_cast<std::size_t>(m_info.frames + m_padFrames) * channels);
        std::vector<float> block(static_cast<std::size_t>(kBlockFrames) * channels);
        sf_count_t frames = 0;
        // No more frames than the header's count, whose size has been checked.
        while (frames < m_info.frames) {
            const sf_count_t got = sf_readf_float(m_file, block.data(),
                                                  std::min(kBlockFrames, m_info.frames - frames));
            if (got <= 0) break;
            frames += got;
            std::transform(block.begin(), block.begin() + got * m_info.channels,
                           std::back_inserter(samples), toSample);
        }
        samples.resize(samples.size() + static_cast<std::size_t>(m_padFrames) * channels);
        return frames;
    }

    // SDL's resampler starts afresh, a fraction of a frame off, at every put: the clip goes in
    // whole, or its pitch would waver. SDL also mixes its channels to the device's.
    DecodedWave convert(std::vector<Sint16> samples, sf_count_t frames) const {
        const std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(
            SDL_NewAudioStream(AUDIO_S16SYS, m_info.channels, m_info.samplerate, m_device.format,
                               m_device.channels, m_device.freq));
        if (!stream ||
            SDL_AudioStreamPut(stream.get(), samples.data(),
                               static_cast<int>(samples.size() * sizeof(Sint16))) != 0 ||
            SDL_AudioStreamFlush(stream.get()) != 0) {
            return refused("cannot convert the clip for the device: " +
                           std::string(SDL_GetError()));
        }
        samples = {};
        std::vector<std::uint8_t> converted(
            static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
        const int got =
            SDL_AudioStreamGet(stream.get(), converted.data(), static_cast<int>(converted.size()));
        converted.resize(
            std::min(static_cast<std::size_t>(std::max(got, 0)),
                     static_cast<std::size_t>(deviceBytes(static_cast<double>(frames)))));
        return {std::move(converted), {}};
    }

    static DecodedWave refused(std::string reason) { return {{}, std::move(reason)}; }

    SNDFILE* m_file;
    SF_INFO m_info;
    SDL_AudioSpec m_device;
    int m_frameBytes;
    sf_count_t m_padFrames;
};

}  // namespace

DecodedWave WaveDecoder::decode(std::span<const std::uint8_t> image, const SDL_AudioSpec& device) {
    const std::vector<std::uint8_t> chunks = soundChunks(image);
    if (chunks.empty()) return {{}, "not a RIFF/WAVE image"};
    MemoryFile memory{chunks};
    // Only read: libsndfile asks for no write function then.
    SF_VIRTUAL_IO io{&fileLength, &fileSeek, &fileRead, nullptr, &fileTell};
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, SoundFileCloser> file(
        sf_open_virtual(&io, SFM_READ, &info, &memory));
    if (!file) {
        return {{}, "not a WAVE image that can be decoded: " + std::string(sf_strerror(nullptr))};
    }
    if (info.channels > kMaxChannels) {
        return {{},
                std::to_string(info.channels) + " channels, more than the " +
                    std::to_string(kMaxChannels) + " that can be played"};
    }
    if (info.samplerate < kMinRate || info.samplerate > kMaxRate) {
        return {{},
                "a rate of " + std::to_string(info.samplerate) + " Hz, outside " +
                    std::to_string(kMinRate) + " to " + std::to_string(kMaxRate) + " Hz"};
    }
    Decoding decoding(file.get(), info, device);
    // libsndfile reads no more frames than its count, so this bounds what the clip takes, and a
    // clip that is too long is refused before anything is decoded.
    if (decoding.decodedBytes(static_cast<double>(info.frames)) > kMaxDecodedBytes) {
        return decoding.tooLarge();
    }
    return decoding.run();
}

}  // namespace varn
