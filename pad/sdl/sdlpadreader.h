// sdlpadreader.h: every game controller that SDL2's mapping database (or SDL's own guess from
// the device) knows, read through SDL's game-controller API.
#pragma once

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_gamecontroller.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "axislatch.h"
#include "devicewatch.h"
#include "padreader.h"

namespace varn {

// Starts SDL's game-controller subsystem, without its video, on the caller's thread; every poll
// runs there. SDL's events are pumped only by poll(), which takes all of them: nothing else in
// the game reads SDL's queue, and a queue left to fill up would drop the controllers' events.
// The input devices in `devices` are watched for a caller that sleeps between polls.
class SdlPadReader final : public PadReader {
  public:
    explicit SdlPadReader(std::string devices = "/dev/input");
    ~SdlPadReader() override;
    SdlPadReader(const SdlPadReader&) = delete;
    SdlPadReader& operator=(const SdlPadReader&) = delete;

    PadPoll poll() override;

  private:
    // The stick's four directions and the two triggers.
    static constexpr int kLatches = 6;
    struct Pad {
        SDL_GameController* controller;
        std::int32_t id;
        PadStyle style;
        std::uint32_t sources = 0;  // what it holds, as bits of sources
        std::array<AxisLatch, kLatches> latches;
    };

    void take(const SDL_Event& event, std::vector<PadEvent>& events);
    void add(int deviceIndex, std::vector<PadEvent>& events);
    void remove(std::int32_t id, std::vector<PadEvent>& events);
    void axis(Pad& pad, int axis, int value, std::vector<PadEvent>& events);
    void hold(Pad& pad, unsigned source, bool held, std::vector<PadEvent>& events);
    Pad* find(std::int32_t id);
    std::uint32_t heldByAll() const;

    bool m_started = false;
    DeviceWatch m_watch;
    std::vector<Pad> m_pads;
    PadStyle m_style = PadStyle::Lettered;
};

}  // namespace varn
