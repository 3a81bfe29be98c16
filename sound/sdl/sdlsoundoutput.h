// sdlsoundoutput.h: the real sound output, SDL2 audio: one clip at a time for every player.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "sdldevice.h"
#include "soundoutput.h"

namespace varn {

// Uses SDL's audio subsystem only. The device is opened at the first clip (or by open()), so
// a program that starts plays no part in it; once open it stays open until rest() or the end of
// the output. An open device keeps SDL's audio thread feeding it silence between clips.
//
// The sound server may start after the program, die, restart or stop answering at any time, and
// the caller's thread (the window's) never waits for it longer than the options say. The device
// is opened and closed on a thread of its own (SdlDevice); a clip waits for the opening at most
// `openWait` and is skipped when it takes longer, and so is every clip after it until that
// opening is done. A device that failed to open is tried again, with SDL's audio started anew,
// by a clip a second later or more; a device that went away (SDL reports it stopped) ends the
// clip in hand at once and is opened afresh by the next clip; a device that stops asking for
// samples for `stallWait` (a frozen server) ends the clip in hand, and clips are skipped until it
// asks again.
// A clip is decoded (WaveDecoder) and converted whole to the device's format when it starts, so
// the caller's image is not read after play() returns.
//
// Synchronous play blocks the caller until the buffer with the clip's last sample has been
// played out. A looped synchronous play returns after the first pass has been played; the clip
// then loops on in the background until a stop or another clip, like an asynchronous loop, so it
// never holds the window for good.
// Without a device (none, one that fails to open or does not answer) and for images that are no
// playable WAVE, nothing plays and play() returns false; refusal() tells why.
class SdlSoundOutput : public SoundOutput {
  public:
    struct Options {
        int sampleRate = 44100;
        int channels = 2;
        int bufferFrames = 1024;
        // A server that answers opens a device in a few milliseconds (SDL's first start, which
        // loads its driver, in some tens), and asks for samples every buffer (23 ms here).
        std::chrono::milliseconds openWait{100};
        std::chrono::milliseconds stallWait{500};
        // When a failed open may be tried again is told by this clock, which tests set.
        std::function<std::chrono::steady_clock::time_point()> clock =
            std::chrono::steady_clock::now;
    };

    SdlSoundOutput();
    explicit SdlSoundOutput(Options options);

    // A failed open is tried again after this long at the earliest.
    static constexpr std::chrono::seconds kRetryInterval{1};

    // Opens the device now rather than at the first clip. False when there is no device, when it
    // did not answer in time, or when the last open failed less than kRetryInterval ago.
    bool open();

    bool play(std::span<const std::uint8_t> image, std::uint32_t flags) override;
    void stop() override;
    // Closes the device when no clip plays; the next clip opens it again. Returns at once: the
    // device is given back as soon as its server lets it.
    bool rest() override;

    // True from the start of a clip until its last buffer has been played, or while it loops.
    bool playing() const;
    bool deviceOpen() const { return m_device.isOpen(); }
    // Why the last play() started no clip, in one line; empty when it started one.
    const std::string& refusal() const { return m_refusal; }
    // The device went away while the last clip played, or stopped asking for samples, which cut
    // the clip short.
    bool deviceLost() const;
    bool deviceStalled() const;

  private:
    bool awaitDevice(std::chrono::steady_clock::time_point deadline);
    bool refuse(std::string reason);

    Options m_options;
    SdlDevice m_device;
    std::chrono::steady_clock::time_point m_triedAt;
    bool m_unanswered = false;  // the device thread did not finish while the last clip waited
    std::string m_refusal;
};

}  // namespace varn
