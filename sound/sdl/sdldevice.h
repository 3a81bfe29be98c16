// sdldevice.h: one output's SDL audio device, opened and closed on the device thread so that the
// caller never waits for the sound server longer than it chooses.
#pragma once

#include <SDL2/SDL_audio.h>

#include <memory>
#include <string>

#include "audiofeed.h"

namespace varn {

// open() and close() return at once; the device thread (DeviceThread) does the work, in order,
// and settle() waits for it as long as the caller is willing to. What the device thread works
// on, the feed included, which SDL's audio thread calls into, lives until the last job is done,
// also when this object has gone long before: a frozen server may hold a job for good.
class SdlDevice {
  public:
    // What is asked of the device: one or two channels. SDL may give another rate or sample
    // format, and clips are converted to it.
    struct Wanted {
        int sampleRate;
        int channels;
        int bufferFrames;
    };

    SdlDevice(Wanted wanted, AudioFeed::Clock::duration patience);
    // Closes the device and lets SDL's audio go. It waits for that a little while, unless the
    // device has already kept the caller waiting or stopped asking for samples.
    ~SdlDevice();
    SdlDevice(const SdlDevice&) = delete;
    SdlDevice& operator=(const SdlDevice&) = delete;

    // Opens the device, starting SDL's audio first when it does not run; after a failed open SDL's
    // audio is stopped again, so that the next open chooses its driver afresh.
    void open();
    // Closes the device, if it is open or an open was asked for since the last close.
    void close();
    // Waits at most `patience` for the device thread to finish what was asked of it; true when it
    // has.
    bool settle(AudioFeed::Clock::duration patience);
    bool busy() const;
    bool isOpen() const;
    // The last open found no device; error() tells why.
    bool failed() const;
    std::string error() const;
    SDL_AudioSpec spec() const;
    AudioFeed& feed();
    const AudioFeed& feed() const;

    // What the device thread works on.
    struct Shared;

  private:
    void post(void (*job)(Shared&));

    std::shared_ptr<Shared> m_shared;
    bool m_openAsked = false;
};

}  // namespace varn
