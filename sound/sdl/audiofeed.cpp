// audiofeed.cpp: handing a clip to SDL's audio thread, waiting for its end, and telling a
// stalled device from a slow one.
#include "audiofeed.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace varn {

namespace {

// A fresh stream may take a while to ask for its second buffer: a sink waking from idle
// (PulseAudio's null sink wakes every two seconds) or resuming first. Until the device has asked
// this often, it is given at least kStreamStart.
constexpr int kStartCalls = 3;
constexpr auto kStreamStart = std::chrono::seconds(2);

}  // namespace

AudioFeed::AudioFeed(Clock::duration patience) : m_patience(patience) {}

void SDLCALL AudioFeed::callback(void* feed, Uint8* stream, int length) {
    static_cast<AudioFeed*>(feed)->fill(stream, length);
}

void AudioFeed::attach(SDL_AudioDeviceID device, Uint8 silence) {
    const std::lock_guard lock(m_mutex);
    m_device = device;
    m_silence = silence;
    m_attached = true;
    m_gone = false;
    m_calls = 0;
    m_lastCall = Clock::now();
}

void AudioFeed::detach() {
    const std::lock_guard lock(m_mutex);
    m_attached = false;
    if (m_active) endClip();
}

bool AudioFeed::makeWay(bool giveWay) {
    const std::lock_guard lock(m_mutex);
    m_cut = Cut::None;
    if (!m_active) return true;
    if (giveWay) return false;
    endClip();
    return true;
}

void AudioFeed::play(std::vector<Uint8> samples, bool loop, bool wait) {
    std::unique_lock lock(m_mutex);
    m_clip = std::move(samples);
    m_position = 0;
    m_loop = loop;
    m_active = true;
    m_lastBufferOut = false;
    m_passes = 0;
    const std::uint64_t clip = ++m_clipId;
    if (wait) waitForEnd(lock, clip);
}

// Wakes when the clip ends, or when the device has been silent for its allowance: each call for
// samples moves that moment on.
void AudioFeed::waitForEnd(std::unique_lock<std::mutex>& lock, std::uint64_t clip) {
    while (m_clipId == clip && m_active && !(m_loop && m_passes > 0)) {
        const Clock::time_point deadline = m_lastCall + allowance();
        if (Clock::now() >= deadline) {
            cutShort(Cut::Stalled);
            return;
        }
        m_changed.wait_until(lock, deadline);
    }
}

void AudioFeed::stop() {
    const std::lock_guard lock(m_mutex);
    if (m_active) endClip();
}

bool AudioFeed::stalled() {
    const std::lock_guard lock(m_mutex);
    if (!m_attached || Clock::now() < m_lastCall + allowance()) return false;
    if (m_active) cutShort(Cut::Stalled);
    return true;
}

bool AudioFeed::gone() const {
    const std::lock_guard lock(m_mutex);
    return m_gone;
}

bool AudioFeed::playing() const {
    const std::lock_guard lock(m_mutex);
    return m_active;
}

AudioFeed::Cut AudioFeed::lastCut() const {
    const std::lock_guard lock(m_mutex);
    return m_cut;
}

AudioFeed::Clock::duration AudioFeed::allowance() const {
    return m_calls < kStartCalls ? std::max<Clock::duration>(m_patience, kStreamStart) : m_patience;
}

void AudioFeed::endClip() {
    m_active = false;
    m_lastBufferOut = false;
    m_clip = {};
    m_changed.notify_all();
}

void AudioFeed::cutShort(Cut cut) {
    m_cut = cut;
    endClip();
}

void AudioFeed::fill(Uint8* stream, int length) {
    const std::lock_guard lock(m_mutex);
    m_lastCall = Clock::now();
    m_calls = std::min(m_calls + 1, kStartCalls);
    // SDL goes on calling at the device's pace once the device has gone, so that is noticed here,
    // and the clip, which no one hears any more, ends at once.
    if (SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED) {
        m_gone = true;
        if (m_active) cutShort(Cut::Lost);
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
    std::memset(stream + filled, m_silence, total - filled);
}

}  // namespace varn
