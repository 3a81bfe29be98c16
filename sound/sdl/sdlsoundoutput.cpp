// sdlsoundoutput.cpp: device opening and resting, the clip's hand-over and the audio callback.
#include "sdlsoundoutput.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "wavedecoder.h"

namespace varn {

namespace {

using Clock = std::chrono::steady_clock;

// A clip that does not end on time (a stalled device or server) is cut off after its length and
// this. A fresh PulseAudio stream may take nearly two seconds to play its first clip out.
constexpr auto kEndSlack = std::chrono::seconds(2);

}  // namespace

SdlSoundOutput::SdlSoundOutput() : SdlSoundOutput(Options{}) {}

SdlSoundOutput::SdlSoundOutput(Options options) : m_options(std::move(options)) {}

SdlSoundOutput::~SdlSoundOutput() {
    if (m_device == Device::Open) closeDevice();
    stopAudio();
}

bool SdlSoundOutput::open() {
    if (m_device == Device::Open) {
        if (SDL_GetAudioDeviceStatus(m_deviceId) != SDL_AUDIO_STOPPED) return true;
        closeDevice();  // it went away, and a fresh one is opened now
    }
    if (m_device == Device::Failed && m_options.clock() - m_failedAt < kRetryInterval) {
        return false;
    }
    if (openDevice()) return true;
    // Started anew at the next try, so that SDL chooses its driver again: one that found no
    // server (PulseAudio) has left it on another (ALSA), and the server may come up later.
    stopAudio();
    m_device = Device::Failed;
    m_failedAt = m_options.clock();
    return false;
}

bool SdlSoundOutput::openDevice() {
    if (!m_subsystemStarted) {
        // The window's toolkit handles Ctrl+C and termination; SDL must not take them over.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            m_deviceError = SDL_GetError();
            return false;
        }
        m_subsystemStarted = true;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = m_options.sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = m_options.channels == 1 ? 1 : 2;
    wanted.samples = static_cast<Uint16>(m_options.bufferFrames);
    wanted.callback = &SdlSoundOutput::fillCallback;
    wanted.userdata = this;
    // SDL maps our one or two channels onto whatever the card has; the clips are mixed to them.
    m_deviceId = SDL_OpenAudioDevice(nullptr, 0, &wanted, &m_spec,
                                     SDL_AUDIO_ALLOW_ANY_CHANGE & ~SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (m_deviceId == 0) {
        m_deviceError = SDL_GetError();
        return false;
    }
    SDL_PauseAudioDevice(m_deviceId, 0);
    m_device = Device::Open;
    return true;
}

void SdlSoundOutput::closeDevice() {
    // Closing waits for the audio thread, which takes m_mutex: it must not be held here; and no
    // callback runs once it returns.
    SDL_CloseAudioDevice(m_deviceId);
    m_deviceId = 0;
    m_device = Device::Closed;
}

void SdlSoundOutput::stopAudio() {
    if (!m_subsystemStarted) return;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_subsystemStarted = false;
}

bool SdlSoundOutput::play(std::span<const std::uint8_t> image, std::uint32_t flags) {
    m_refusal.clear();
    if (!open()) return refuse("no sound device: " + m_deviceError);
    std::unique_lock lock(m_mutex);
    m_lost = false;
    if (m_active) {
        if (flags & SND_NOSTOP) return refuse("another clip plays, and this one gives way");
        endClip();
    }
    lock.unlock();
    if (!(flags & SND_MEMORY)) return refuse("only a clip in memory can be played");
    DecodedWave decoded = WaveDecoder::decode(image, m_spec);
    if (!decoded.refusal.empty()) return refuse(std::move(decoded.refusal));
    if (decoded.samples.empty()) return true;
    const std::size_t frameBytes = SDL_AUDIO_BITSIZE(m_spec.format) / 8 * m_spec.channels;
    const std::chrono::duration<double> length(
        static_cast<double>(decoded.samples.size() / frameBytes) / m_spec.freq);
    lock.lock();
    m_clip = std::move(decoded.samples);
    m_position = 0;
    m_loop = (flags & SND_LOOP) != 0;
    m_active = true;
    m_passes = 0;
    const std::uint64_t clip = ++m_clipId;
    if (!(flags & SND_ASYNC)) {
        waitForEnd(lock, clip, std::chrono::duration_cast<Clock::duration>(length));
    }
    return true;
}

bool SdlSoundOutput::refuse(std::string reason) {
    m_refusal = std::move(reason);
    return false;
}

void SdlSoundOutput::waitForEnd(std::unique_lock<std::mutex>& lock, std::uint64_t clip,
                                Clock::duration length) {
    const auto deadline = Clock::now() + length + kEndSlack;
    const bool ended = m_changed.wait_until(
        lock, deadline, [&] { return m_clipId != clip || !m_active || (m_loop && m_passes > 0); });
    if (!ended) {
        m_stalled = true;
        endClip();
    }
}

void SdlSoundOutput::stop() {
    const std::lock_guard lock(m_mutex);
    if (m_active) endClip();
}

bool SdlSoundOutput::rest() {
    {
        // Closing waits for SDL's audio thread, which a stalled server holds inside its driver:
        // the window would hang with it. The device is given back once it plays on.
        const std::lock_guard lock(m_mutex);
        if (m_active || m_stalled) return false;
    }
    if (m_device == Device::Open) closeDevice();
    return true;
}

bool SdlSoundOutput::playing() const {
    const std::lock_guard lock(m_mutex);
    return m_active;
}

bool SdlSoundOutput::deviceLost() const {
    const std::lock_guard lock(m_mutex);
    return m_lost;
}

void SdlSoundOutput::endClip() {
    m_active = false;
    m_lastBufferOut = false;
    m_clip = {};
    m_changed.notify_all();
}

void SDLCALL SdlSoundOutput::fillCallback(void* output, Uint8* stream, int length) {
    static_cast<SdlSoundOutput*>(output)->fill(stream, length);
}

void SdlSoundOutput::fill(Uint8* stream, int length) {
    const std::lock_guard lock(m_mutex);
    m_stalled = false;
    // SDL goes on calling at the device's pace once the device has gone, so that is noticed
    // here, and the clip, which no one hears any more, ends at once.
    if (m_active && SDL_GetAudioDeviceStatus(m_deviceId) == SDL_AUDIO_STOPPED) {
        m_lost = true;
        endClip();
    }
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
