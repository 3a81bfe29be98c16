// audiofeed.h: the clip in hand and SDL's audio callback that plays it, between the caller's
// thread and SDL's audio thread.
#pragma once

#include <SDL2/SDL_audio.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace varn {

// One clip at a time, already in the device's format. An open device asks for samples at its own
// pace, silence between clips included, so a device that stops asking is one that its server
// holds (frozen, or stalled), and a caller waiting for a clip's end gives up on it then.
class AudioFeed {
  public:
    using Clock = std::chrono::steady_clock;
    // Why the last clip did not play to its end: its device went away, or stopped asking.
    enum class Cut { None, Lost, Stalled };

    // `patience`: how long the device may go without asking for samples before it is stalled.
    explicit AudioFeed(Clock::duration patience);

    static void SDLCALL callback(void* feed, Uint8* stream, int length);

    // On the device thread: the device is open and about to play; it is closed and calls no more.
    void attach(SDL_AudioDeviceID device, Uint8 silence);
    void detach();

    // Clears the last cut, and ends the clip that plays unless the next one gives way to it (then
    // false).
    bool makeWay(bool giveWay);
    // Hands a clip over. With `wait`, returns once its last sample has been played (the first
    // pass, for a loop), or once the device has stalled, which ends the clip.
    void play(std::vector<Uint8> samples, bool loop, bool wait);
    void stop();
    // True when the device has not asked for samples for longer than its patience; a clip in hand
    // is ended then, so that it never plays late.
    bool stalled();
    // True when SDL has reported the device stopped: its server died or went away.
    bool gone() const;
    bool playing() const;
    Cut lastCut() const;

  private:
    void fill(Uint8* stream, int length);
    void waitForEnd(std::unique_lock<std::mutex>& lock, std::uint64_t clip);
    Clock::duration allowance() const;
    void endClip();
    void cutShort(Cut cut);

    const Clock::duration m_patience;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    // The device, as the device thread left it.
    SDL_AudioDeviceID m_device = 0;
    Uint8 m_silence = 0;
    bool m_attached = false;
    bool m_gone = false;
    Clock::time_point m_lastCall;
    int m_calls = 0;  // since it opened, counted up to a few
    // The clip.
    std::vector<Uint8> m_clip;
    std::size_t m_position = 0;
    bool m_loop = false;
    bool m_active = false;
    bool m_lastBufferOut = false;  // the clip's end is in the device's buffer
    Cut m_cut = Cut::None;
    std::uint64_t m_clipId = 0;
    std::uint64_t m_passes = 0;
};

}  // namespace varn
