// sdldevice.cpp: the jobs that start, open, close and stop SDL's audio on the device thread, and
// what the caller sees of their outcome.
#include "sdldevice.h"

#include <SDL2/SDL.h>

#include <condition_variable>
#include <mutex>
#include <utility>

#include "devicethread.h"
#include "sdlsubsystems.h"

namespace varn {

namespace {

// How long the end of an output waits for a device that answers to be closed, which on the disk
// driver also completes its file.
constexpr auto kEndWait = std::chrono::seconds(1);

}  // namespace

struct SdlDevice::Shared {
    Shared(Wanted wanted, AudioFeed::Clock::duration patience) : wanted(wanted), feed(patience) {}

    const Wanted wanted;
    AudioFeed feed;
    // Only on the device thread.
    bool started = false;
    SDL_AudioDeviceID id = 0;
    // The outcome, for the caller.
    mutable std::mutex mutex;
    std::condition_variable done;
    int pending = 0;
    bool open = false;
    bool failed = false;
    std::string error;
    SDL_AudioSpec spec{};

    template <typename Update>
    void finish(Update update) {
        {
            const std::lock_guard lock(mutex);
            update();
            --pending;
        }
        done.notify_all();
    }
};

namespace {

using Shared = SdlDevice::Shared;

bool startAudio(Shared& shared) {
    if (shared.started) return true;
    // The controllers' reader starts its own subsystem on the window's thread meanwhile.
    shared.started = startSdl(SDL_INIT_AUDIO);
    return shared.started;
}

void stopAudio(Shared& shared) {
    if (!shared.started) return;
    stopSdl(SDL_INIT_AUDIO);
    shared.started = false;
}

bool openDevice(Shared& shared, SDL_AudioSpec& obtained) {
    SDL_AudioSpec wanted{};
    wanted.freq = shared.wanted.sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = shared.wanted.channels == 1 ? 1 : 2;
    wanted.samples = static_cast<Uint16>(shared.wanted.bufferFrames);
    wanted.callback = &AudioFeed::callback;
    wanted.userdata = &shared.feed;
    // SDL maps our one or two channels onto whatever the card has; the clips are mixed to them.
    shared.id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                    SDL_AUDIO_ALLOW_ANY_CHANGE & ~SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (shared.id == 0) return false;
    shared.feed.attach(shared.id, obtained.silence);
    SDL_PauseAudioDevice(shared.id, 0);
    return true;
}

void openJob(Shared& shared) {
    SDL_AudioSpec obtained{};
    const bool opened = startAudio(shared) && openDevice(shared, obtained);
    const std::string error = opened ? std::string() : SDL_GetError();
    // A driver that found no server (PulseAudio) has left SDL on another (ALSA), and the server
    // may come up later: SDL's audio starts anew at the next try.
    if (!opened) stopAudio(shared);
    shared.finish([&] {
        shared.open = opened;
        shared.failed = !opened;
        shared.error = error;
        shared.spec = obtained;
    });
}

void closeJob(Shared& shared) {
    if (shared.id != 0) {
        // Waits for SDL's audio thread, which a frozen server holds; no callback runs after it.
        SDL_CloseAudioDevice(shared.id);
        shared.id = 0;
        shared.feed.detach();
    }
    shared.finish([&] { shared.open = false; });
}

void quitJob(Shared& shared) {
    stopAudio(shared);
    shared.finish([] {});
}

}  // namespace

SdlDevice::SdlDevice(Wanted wanted, AudioFeed::Clock::duration patience)
    : m_shared(std::make_shared<Shared>(wanted, patience)) {}

SdlDevice::~SdlDevice() {
    const bool answering = !busy() && !m_shared->feed.stalled();
    close();
    post(&quitJob);
    if (answering) settle(kEndWait);
}

void SdlDevice::post(void (*job)(Shared&)) {
    {
        const std::lock_guard lock(m_shared->mutex);
        ++m_shared->pending;
    }
    DeviceThread::post([shared = m_shared, job] { job(*shared); });
}

void SdlDevice::open() {
    m_openAsked = true;
    post(&openJob);
}

void SdlDevice::close() {
    if (!m_openAsked) return;
    m_openAsked = false;
    post(&closeJob);
}

bool SdlDevice::settle(AudioFeed::Clock::duration patience) {
    std::unique_lock lock(m_shared->mutex);
    return m_shared->done.wait_for(lock, patience, [this] { return m_shared->pending == 0; });
}

bool SdlDevice::busy() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->pending > 0;
}

bool SdlDevice::isOpen() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->open;
}

bool SdlDevice::failed() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->failed;
}

std::string SdlDevice::error() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->error;
}

SDL_AudioSpec SdlDevice::spec() const {
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->spec;
}

AudioFeed& SdlDevice::feed() {
    return m_shared->feed;
}

const AudioFeed& SdlDevice::feed() const {
    return m_shared->feed;
}

}  // namespace varn
