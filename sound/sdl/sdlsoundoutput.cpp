// sdlsoundoutput.cpp: when the device is opened, tried again or given back, and the clip's
// hand-over.
#include "sdlsoundoutput.h"

#include <cstdio>
#include <utility>

#include "wavedecoder.h"

namespace varn {

namespace {

std::string noAnswer(std::chrono::milliseconds wait) {
    char text[64];
    std::snprintf(text, sizeof text, "the sound device did not answer within %g s",
                  std::chrono::duration<double>(wait).count());
    return text;
}

}  // namespace

SdlSoundOutput::SdlSoundOutput() : SdlSoundOutput(Options{}) {}

SdlSoundOutput::SdlSoundOutput(Options options)
    : m_options(std::move(options)),
      m_device({m_options.sampleRate, m_options.channels, m_options.bufferFrames},
               m_options.stallWait) {}

// Once the device thread has kept a clip waiting in vain, the clips after it do not wait for it
// again until it is done: with a frozen server each would wait as long.
bool SdlSoundOutput::awaitDevice(std::chrono::steady_clock::time_point deadline) {
    if (m_unanswered && m_device.busy()) return false;
    m_unanswered = !m_device.settle(deadline - std::chrono::steady_clock::now());
    return !m_unanswered;
}

// Whatever the device thread still does and the opening together wait no longer than openWait.
bool SdlSoundOutput::open() {
    m_refusal.clear();
    const auto deadline = std::chrono::steady_clock::now() + m_options.openWait;
    if (!awaitDevice(deadline)) return refuse(noAnswer(m_options.openWait));
    if (m_device.isOpen()) {
        if (m_device.feed().stalled()) return refuse("the sound device does not ask for samples");
        if (!m_device.feed().gone()) return true;
        m_device.close();  // it went away, and a fresh one is opened now
    } else if (m_device.failed() && m_options.clock() - m_triedAt < kRetryInterval) {
        return refuse("no sound device: " + m_device.error());
    }
    m_triedAt = m_options.clock();
    m_device.open();
    if (!awaitDevice(deadline)) return refuse(noAnswer(m_options.openWait));
    return m_device.isOpen() || refuse("no sound device: " + m_device.error());
}

bool SdlSoundOutput::play(std::span<const std::uint8_t> image, std::uint32_t flags) {
    if (!open()) return false;
    AudioFeed& feed = m_device.feed();
    if (!feed.makeWay(flags & SND_NOSTOP)) {
        return refuse("another clip plays, and this one gives way");
    }
    if (!(flags & SND_MEMORY)) return refuse("only a clip in memory can be played");
    DecodedWave decoded = WaveDecoder::decode(image, m_device.spec());
    if (!decoded.refusal.empty()) return refuse(std::move(decoded.refusal));
    if (!decoded.samples.empty()) {
        feed.play(std::move(decoded.samples), flags & SND_LOOP, !(flags & SND_ASYNC));
    }
    return true;
}

bool SdlSoundOutput::refuse(std::string reason) {
    m_refusal = std::move(reason);
    return false;
}

void SdlSoundOutput::stop() {
    m_device.feed().stop();
}

bool SdlSoundOutput::rest() {
    // A clip that a stalled device no longer plays is ended, so that the device goes back too:
    // the device thread closes it once its server lets it.
    m_device.feed().stalled();
    if (playing()) return false;
    m_device.close();
    return true;
}

bool SdlSoundOutput::playing() const {
    return m_device.feed().playing();
}

bool SdlSoundOutput::deviceLost() const {
    return m_device.feed().lastCut() == AudioFeed::Cut::Lost;
}

bool SdlSoundOutput::deviceStalled() const {
    return m_device.feed().lastCut() == AudioFeed::Cut::Stalled;
}

}  // namespace varn
