// sdlsoundoutput.cpp: device opening, whole-clip conversion and the audio callback.
#include "sdlsoundoutput.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>

namespace varn {

namespace {

using Clock = std::chrono::steady_clock;

// A clip that does not end on time (a stalled device) is cut off after its length and this.
constexpr auto kEndSlack = std::chrono::seconds(2);

// Silence fed after a clip when it is converted: this many frames at least, more for a clip
// whose rate is above the device's.
constexpr std::size_t kPadFrames = 4096;

struct StreamDeleter {
    void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

}  // namespace

SdlSoundOutput::SdlSoundOutput() : SdlSoundOutput(Options{}) {}

SdlSoundOutput::SdlSoundOutput(Options options) : m_options(options) {}

SdlSoundOutput::~SdlSoundOutput() {
    // Closing waits for the audio thread, so no callback runs once the members go.
    if (m_deviceId != 0) SDL_CloseAudioDevice(m_deviceId);
    if (m_subsystemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundOutput::open() {
    if (m_device != Device::Closed) return m_device == Device::Open;
    m_device = Device::Failed;
    // The window's toolkit handles Ctrl+C and termination; SDL must not take them over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    m_subsystemStarted = true;
    SDL_AudioSpec wanted{};
    wanted.freq = m_options.sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(m_options.channels);
    wanted.samples = static_cast<Uint16>(m_options.bufferFrames);
    wanted.callback = &SdlSoundOutput::fillCallback;
    wanted.userdata = this;
    m_deviceId = SDL_OpenAudioDevice(nullptr, 0, &wanted, &m_spec, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (m_deviceId == 0) return false;
    SDL_PauseAudioDevice(m_deviceId, 0);
    m_device = Device::Open;
    return true;
}

bool SdlSoundOutput::play(std::span<const std::uint8_t> image, std::uint32_t flags) {
    if (!open()) return false;
    std::unique_lock lock(m_mutex);
    if (m_active) {
        if (flags & SND_NOSTOP) return false;
        endClip();
    }
    lock.unlock();
    const WaveImage wave = WaveImage::parse(image);
    std::vector<Uint8> converted;
    if (!(flags & SND_MEMORY) || !wave.valid() || !convert(wave, converted)) return false;
    if (converted.empty()) return true;
    lock.lock();
    m_clip = std::move(converted);
    m_position = 0;
    m_loop = (flags & SND_LOOP) != 0;
    m_active = true;
    m_lastBufferOut = false;
    m_passes = 0;
    const std::uint64_t clip = ++m_clipId;
    if (!(flags & SND_ASYNC)) {
        waitForEnd(lock, clip,
                   std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                       static_cast<double>(wave.frames()) / wave.sampleRate())));
    }
    return true;
}

void SdlSoundOutput::waitForEnd(std::unique_lock<std::mutex>& lock, std::uint64_t clip,
                                Clock::duration length) {
    const bool ended = m_changed.wait_until(lock, Clock::now() + length + kEndSlack, [&] {
        return m_clipId != clip || !m_active || (m_loop && m_passes > 0);
    });
    if (!ended) endClip();
}

void SdlSoundOutput::stop() {
    const std::lock_guard lock(m_mutex);
    if (m_active) endClip();
}

void SdlSoundOutput::rest() {
    if (m_device != Device::Open || playing()) return;
    // Closing waits for the audio thread, which takes m_mutex: it must not be held here.
    SDL_CloseAudioDevice(m_deviceId);
    m_deviceId = 0;
    m_device = Device::Closed;
}

bool SdlSoundOutput::playing() const {
    const std::lock_guard lock(m_mutex);
    return m_active;
}

void SdlSoundOutput::endClip() {
    m_active = false;
    m_lastBufferOut = false;
    m_clip = {};
    m_changed.notify_all();
}

bool SdlSoundOutput::convert(const WaveImage& wave, std::vector<Uint8>& converted) const {
    const std::span<const std::uint8_t> samples = wave.samples();
    if (samples.empty()) return true;
    // SDL counts bytes in int, and samples may grow many times over on their way to the
    // device's format: clips of more than 32 MiB of samples are not played.
    if (samples.size() > INT_MAX / 64) return false;
    const bool eightBit = wave.bitsPerSample() == 8;
    const std::unique_ptr<SDL_AudioStream, StreamDeleter> stream(
        SDL_NewAudioStream(eightBit ? AUDIO_U8 : AUDIO_S16LSB, static_cast<Uint8>(wave.channels()),
                           wave.sampleRate(), m_spec.format, m_spec.channels, m_spec.freq));
    // A flushed resampling stream keeps back the last thousand or so output frames; silence
    // after the clip carries them out, and the output is cut back to the clip's length.
    const std::size_t padFrames = std::max<std::size_t>(
        kPadFrames, kPadFrames * static_cast<std::size_t>(wave.sampleRate()) / m_spec.freq);
    const std::vector<std::uint8_t> padding(padFrames * wave.blockAlign(), eightBit ? 0x80 : 0);
    if (!stream ||
        SDL_AudioStreamPut(stream.get(), samples.data(), static_cast<int>(samples.size())) != 0 ||
        SDL_AudioStreamPut(stream.get(), padding.data(), static_cast<int>(padding.size())) != 0 ||
        SDL_AudioStreamFlush(stream.get()) != 0) {
        return false;
    }
    converted.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream.get())));
    const int got =
        SDL_AudioStreamGet(stream.get(), converted.data(), static_cast<int>(converted.size()));
    if (got < 0) return false;
    const std::size_t frames =
        (wave.frames() * m_spec.freq + wave.sampleRate() - 1) / wave.sampleRate();
    const std::size_t frameBytes = SDL_AUDIO_BITSIZE(m_spec.format) / 8 * m_spec.channels;
    converted.resize(std::min(static_cast<std::size_t>(got), frames * frameBytes));
    return true;
}

void SDLCALL SdlSoundOutput::fillCallback(void* output, Uint8* stream, int length) {
    static_cast<SdlSoundOutput*>(output)->fill(stream, length);
}

void SdlSoundOutput::fill(Uint8* stream, int length) {
    const std::lock_guard lock(m_mutex);
    // This call comes when the device wants more: the buffer with the clip's end is played.
    if (m_active && m_lastBufferOut) endClip();
    const auto total = static_cast<std::size_t>(length);
    std::size_t filled = 0;
    while (m_active && !m_lastBufferOut && filled < total) {
        const std::size_t count = std::min(total - filled, m_clip.size() - m_position);
        std::memcpy(stream + filled, m_clip.data() + m_position, count);
        filled += count;
        m_position += count;
        if (m_position < m_clip.size()) continue;
        if (m_loop) {
            m_position = 0;
            ++m_passes;
            m_changed.notify_all();
        } else {
            m_lastBufferOut = true;
        }
    }
    std::memset(stream + filled, m_spec.silence, total - filled);
}

}  // namespace varn
