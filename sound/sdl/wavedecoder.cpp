// wavedecoder.cpp: libsndfile over the bytes in memory, and SDL's audio stream for the device's
// channels, rate and format.
#include "wavedecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

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

// What libsndfile is shown of an image: its RIFF/WAVE header and its "fmt ", "fact" and "data"
// chunks, in that order, each as far as the RIFF chunk reaches, read straight from the image.
// The other chunks (names, cue points, peaks) play no part in the sound, and libsndfile 1.2
// hangs on some of them when their size is damaged. Bytes after the RIFF chunk, like the zero
// that ends a player's clip, are never read.
class WaveView {
  public:
    explicit WaveView(std::span<const std::uint8_t> image) {
        if (image.size() < 12 || std::memcmp(image.data(), "RIFF", 4) != 0 ||
            std::memcmp(image.data() + 8, "WAVE", 4) != 0) {
            return;
        }
        const std::uint64_t end =
            std::min<std::uint64_t>(image.size(), std::uint64_t{8} + le32(image, 4));
        std::span<const std::uint8_t> bodies[std::size(kChunks)];
        bool found[std::size(kChunks)] = {};
        for (std::uint64_t at = 12; at + 8 <= end;) {
            const std::uint64_t size = le32(image, at + 4);
            for (std::size_t kind = 0; kind < std::size(kChunks); ++kind) {
                if (found[kind] || std::memcmp(image.data() + at, kChunks[kind], 4) != 0) continue;
                found[kind] = true;
                bodies[kind] = image.subspan(at + 8, std::min(size, end - at - 8));
            }
            at += 8 + size + (size & 1);
        }
        std::uint64_t riffSize = 4;
        m_parts.push_back(std::span(m_headers).first(12));
        for (std::size_t kind = 0; kind < std::size(kChunks); ++kind) {
            if (!found[kind]) continue;
            const std::uint64_t size = bodies[kind].size();
            const std::span<std::uint8_t> header = std::span(m_headers).subspan(12 + 9 * kind, 9);
            std::memcpy(header.data(), kChunks[kind], 4);
            putLe32(header.data() + 4, static_cast<std::uint32_t>(size));
            m_parts.push_back(header.first(8));
            m_parts.push_back(bodies[kind]);
            if (size & 1) m_parts.push_back(header.last(1));  // the pad byte, 0
            riffSize += 8 + size + (size & 1);
        }
        std::memcpy(m_headers.data(), "RIFF", 4);
        putLe32(m_headers.data() + 4,
                static_cast<std::uint32_t>(std::min<std::uint64_t>(riffSize, UINT32_MAX)));
        std::memcpy(m_headers.data() + 8, "WAVE", 4);
        m_size = static_cast<sf_count_t>(8 + riffSize);
    }
    WaveView(const WaveView&) = delete;
    WaveView& operator=(const WaveView&) = delete;

    bool empty() const { return m_size == 0; }
    sf_count_t size() const { return m_size; }

    sf_count_t read(void* buffer, sf_count_t position, sf_count_t count) const {
        auto* out = static_cast<std::uint8_t*>(buffer);
        sf_count_t done = 0;
        sf_count_t start = 0;  // of the part
        for (const std::span<const std::uint8_t> part : m_parts) {
            const auto length = static_cast<sf_count_t>(part.size());
            if (position + done < start + length && done < count) {
                const sf_count_t from = position + done - start;
                const sf_count_t take = std::min(count - done, length - from);
                std::memcpy(out + done, part.data() + from, static_cast<std::size_t>(take));
                done += take;
            }
            start += length;
        }
        return done;
    }

  private:
    static constexpr const char* kChunks[] = {"fmt ", "fact", "data"};

    static void putLe32(std::uint8_t* at, std::uint32_t value) {
        for (int byte = 0; byte < 4; ++byte)
            at[byte] = static_cast<std::uint8_t>(value >> 8 * byte);
    }

    std::array<std::uint8_t, 12 + 9 * std::size(kChunks)> m_headers{};
    std::vector<std::span<const std::uint8_t>> m_parts;
    sf_count_t m_size = 0;
};

// libsndfile reads the view through these as if it were a file.
struct MemoryFile {
    const WaveView& view;
    sf_count_t position = 0;
};

MemoryFile& fileOf(void* user) {
    return *static_cast<MemoryFile*>(user);
}

sf_count_t fileLength(void* user) {
    return fileOf(user).view.size();
}

sf_count_t fileSeek(sf_count_t offset, int whence, void* user) {
    MemoryFile& file = fileOf(user);
    const sf_count_t base = whence == SEEK_CUR   ? file.position
                            : whence == SEEK_END ? file.view.size()
                                                 : 0;
    sf_count_t target = 0;
    if (__builtin_add_overflow(base, offset, &target) || target < 0) return -1;
    file.position = target;
    return target;
}

sf_count_t fileRead(void* buffer, sf_count_t count, void* user) {
    MemoryFile& file = fileOf(user);
    const sf_count_t done = file.view.read(buffer, file.position, count);
    file.position += done;
    return done;
}

sf_count_t fileWrite(const void*, sf_count_t, void*) {
    return 0;
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
        // SDL's resampler starts afresh, a fraction of a frame off, at every put: the clip goes
        // in whole, or its pitch would waver. SDL also mixes its channels to the device's.
        const auto channels = static_cast<std::size_t>(m_info.channels);
        std::vector<Sint16> samples;
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
        if (frames == 0 && sf_error(m_file) != SF_ERR_NO_ERROR) {
            return refused("cannot decode the samples: " + std::string(sf_strerror(m_file)));
        }
        samples.resize(samples.size() + static_cast<std::size_t>(m_padFrames) * channels);
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

  private:
    static DecodedWave refused(std::string reason) { return {{}, std::move(reason)}; }

    SNDFILE* m_file;
    SF_INFO m_info;
    SDL_AudioSpec m_device;
    int m_frameBytes;
    sf_count_t m_padFrames;
};

}  // namespace

DecodedWave WaveDecoder::decode(std::span<const std::uint8_t> image, const SDL_AudioSpec& device) {
    const WaveView view(image);
    if (view.empty()) return {{}, "not a RIFF/WAVE image"};
    MemoryFile memory{view};
    SF_VIRTUAL_IO io{&fileLength, &fileSeek, &fileRead, &fileWrite, &fileTell};
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
