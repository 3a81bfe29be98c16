// sdlsoundoutput.h: the real sound output, SDL2 audio: one clip at a time for every player.
#pragma once

#include <SDL2/SDL.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "soundoutput.h"

namespace varn {

// Uses SDL's audio subsystem only. The device is opened at the first clip (or by open()), so
// a program that starts plays no part in it; once open it stays open until rest() or the end of
// the output. An open device keeps SDL's audio thread feeding it silence between clips.
// A sound server may start after the program, die or restart at any time. A device that failed
// to open is tried again, with SDL's audio started anew, by a clip a second later or more; a
// device that went away (SDL reports it stopped) ends the clip in hand at once and is opened
// afresh by the next clip.
// A clip is decoded (WaveDecoder) and converted whole to the device's format when it starts, so
// the caller's image is not read after play() returns.
//
// Synchronous play blocks the caller on a condition variable that the audio callback signals
// once the buffer with the clip's last sample has been played out. A looped synchronous play
// returns after the first pass has been played; the clip then loops on in the background until
// a stop or another clip, like an asynchronous loop, so it never holds the window for good. A
// clip that the device does not play out on time (a stalled server) is ended two seconds after
// its length.
// Without a device (none, or one that fails to open) and for images that are no playable WAVE,
// nothing plays and play() returns false at once; refusal() tells why.
class SdlSoundOutput : public SoundOutput {
  public:
    // What is asked of the device: one or two channels. SDL may give another rate or sample
    // format, and clips are converted to it.
    struct Options {
        int sampleRate = 44100;
        int channels = 2;
        int bufferFrames = 1024;
        // When a failed open may be tried again is told by this clock, which tests set.
        std::function<std::chrono::steady_clock::time_point()> clock =
            std::chrono::steady_clock::now;
    };

    SdlSoundOutput();
    explicit SdlSoundOutput(Options options);
    ~SdlSoundOutput() override;
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;

    // A failed open is tried again after this long at the earliest.
    static constexpr std::chrono::seconds kRetryInterval{1};

    // Opens the device now rather than at the first clip. False when there is no device, or
    // when the last open failed less than kRetryInterval ago.
    bool open();

    bool play(std::span<const std::uint8_t> image, std::uint32_t flags) override;
    void stop() override;
    // Closes the device when no clip plays; the next clip opens it again. False, keeping the
    // device, while a clip plays or while the device stalls (a clip did not end on time, and it
    // has not asked for more since).
    bool rest() override;

    // True from the start of a clip until its last buffer has been played, or while it loops.
    bool playing() const;
    bool deviceOpen() const { return m_device == Device::Open; }
    // Why the last play() started no clip, in one line; empty when it started one.
    const std::string& refusal() const { return m_refusal; }
    // True when the device went away while the last clip played, which cut the clip short.
    bool deviceLost() const;

  private:
    enum class Device { Closed, Open, Failed };

    static void SDLCALL fillCallback(void* output, Uint8* stream, int length);
    void fill(Uint8* stream, int length);
    bool openDevice();
    void closeDevice();
    void stopAudio();
    bool refuse(std::string reason);
    void endClip();
    void waitForEnd(std::unique_lock<std::mutex>& lock, std::uint64_t clip,
                    std::chrono::steady_clock::duration length);

    Options m_options;
    Device m_device = Device::Closed;
    std::chrono::steady_clock::time_point m_failedAt;
    bool m_subsystemStarted = false;
    SDL_AudioDeviceID m_deviceId = 0;
    SDL_AudioSpec m_spec{};
    std::string m_deviceError;
    std::string m_refusal;

    // Shared with the audio thread.
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Uint8> m_clip;  // in the device's format
    std::size_t m_position = 0;
    bool m_loop = false;
    bool m_active = false;
    bool m_lastBufferOut = false;  // the clip's end is in the device's buffer
    bool m_lost = false;           // the device went away during the clip
    bool m_stalled = false;        // a clip timed out, and the device has not called since
    std::uint64_t m_clipId = 0;
    std::uint64_t m_passes = 0;
};

}  // namespace varn
