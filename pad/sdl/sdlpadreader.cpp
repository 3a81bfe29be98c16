// sdlpadreader.cpp: SDL's controller events turned into the game's buttons, one queue drained
// at each poll.
#include "sdlpadreader.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <utility>

#include "sdlsubsystems.h"

namespace varn {

namespace {

// A controller's sources of presses: bits 0 to 13 are its buttons (PadButton), the triggers
// among them; bits 16 to 19 the stick's directions, which fold onto the d-pad's bits.
constexpr unsigned kStickShift = 16;
constexpr std::uint32_t kButtonBits = (1u << kPadButtonCount) - 1;

constexpr unsigned bit(PadButton button) {
    return unsigned(button);
}

// Half way, as most games read a stick; let go at a third, well clear of the drift of a worn
// stick and of the noise near the press point.
constexpr AxisLatch kStickLatch{.press = 16384, .release = 11000};
constexpr AxisLatch kTriggerLatch{.press = 16384, .release = 9000};

// The latches' order, and what each one presses.
enum Latch { StickUp, StickDown, StickLeft, StickRight, TriggerLeft, TriggerRight };
constexpr unsigned kLatchSource[] = {kStickShift + 0,
                                     kStickShift + 1,
                                     kStickShift + 2,
                                     kStickShift + 3,
                                     bit(PadButton::LeftTrigger),
                                     bit(PadButton::RightTrigger)};
static_assert(bit(PadButton::DpadDown) == bit(PadButton::DpadUp) + 1 &&
              bit(PadButton::DpadLeft) == bit(PadButton::DpadUp) + 2 &&
              bit(PadButton::DpadRight) == bit(PadButton::DpadUp) + 3);

// SDL's buttons in their order, up to the d-pad's last; those the game does not use are left
// out (the guide button belongs to the system, the sticks' clicks are too easily pressed).
constexpr int kNoButton = -1;
constexpr int kButtonOf[] = {int(PadButton::A),
                             int(PadButton::B),
                             int(PadButton::X),
                             int(PadButton::Y),
                             int(PadButton::Back),
                             kNoButton,
                             int(PadButton::Start),
                             kNoButton,
                             kNoButton,
                             int(PadButton::LeftShoulder),
                             int(PadButton::RightShoulder),
                             int(PadButton::DpadUp),
                             int(PadButton::DpadDown),
                             int(PadButton::DpadLeft),
                             int(PadButton::DpadRight)};
static_assert(std::size(kButtonOf) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1 &&
              SDL_CONTROLLER_BUTTON_GUIDE == 5 && SDL_CONTROLLER_BUTTON_LEFTSHOULDER == 9);

int padButton(int sdlButton) {
    return sdlButton >= 0 && sdlButton < int(std::size(kButtonOf)) ? kButtonOf[sdlButton]
                                                                   : kNoButton;
}

PadStyle styleOf(SDL_GameController* controller) {
    switch (SDL_GameControllerGetType(controller)) {
        case SDL_CONTROLLER_TYPE_PS3:
        case SDL_CONTROLLER_TYPE_PS4:
        case SDL_CONTROLLER_TYPE_PS5:
            return PadStyle::Shapes;
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
        case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
            return PadStyle::Nintendo;
        default:
            return PadStyle::Lettered;
    }
}

// What a controller's sources hold of the game's buttons.
std::uint32_t buttonsOf(std::uint32_t sources) {
    return (sources & kButtonBits) | ((sources >> kStickShift) & 0xF) << bit(PadButton::DpadUp);
}

}  // namespace

SdlPadReader::SdlPadReader(std::string devices) : m_watch(std::move(devices)) {
    // The sound's device thread starts its own subsystem meanwhile.
    m_started = startSdl(SDL_INIT_GAMECONTROLLER);
    if (!m_started)
        std::fprintf(stderr, "varn: no game controller can be read: %s\n", SDL_GetError());
}

SdlPadReader::~SdlPadReader() {
    for (const Pad& pad : m_pads)
        SDL_GameControllerClose(pad.controller);
    if (m_started) stopSdl(SDL_INIT_GAMECONTROLLER);
}

// SDL's queue holds every subsystem's events; the controllers' come with those of the audio
// devices, which nobody reads.
PadPoll SdlPadReader::poll() {
    PadPoll result;
    if (!m_started) {
        result.working = false;
        return result;
    }
    m_watch.drain();
    SDL_PumpEvents();
    SDL_Event events[32];
    int count;
    while ((count = SDL_PeepEvents(events, int(std::size(events)), SDL_GETEVENT, SDL_FIRSTEVENT,
                                   SDL_LASTEVENT)) > 0) {
        for (int i = 0; i < count; ++i)
            take(events[i], result.events);
    }
    result.pads = int(m_pads.size());
    result.style = m_style;
    result.wakeFiles = m_watch.files();
    result.watched = m_watch.watchesFolder() &&
                     std::all_of(m_pads.begin(), m_pads.end(),
                                 [this](const Pad& pad) { return m_watch.watches(pad.id); });
    return result;
}

void SdlPadReader::take(const SDL_Event& event, std::vector<PadEvent>& events) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            add(event.cdevice.which, events);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            remove(event.cdevice.which, events);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: {
            Pad* pad = find(event.cbutton.which);
            const int source = padButton(event.cbutton.button);
            if (pad && source != kNoButton)
                hold(*pad, unsigned(source), event.cbutton.state == SDL_PRESSED, events);
            break;
        }
        case SDL_CONTROLLERAXISMOTION:
            if (Pad* pad = find(event.caxis.which))
                axis(*pad, event.caxis.axis, event.caxis.value, events);
            break;
        default:
            break;
    }
}

// SDL announces a controller that was there before the subsystem started as well as one
// plugged in later, and may announce one twice.
void SdlPadReader::add(int deviceIndex, std::vector<PadEvent>& events) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    const std::int32_t id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (find(id)) {
        SDL_GameControllerClose(controller);
        return;
    }
    m_pads.push_back({.controller = controller,
                      .id = id,
                      .style = styleOf(controller),
                      .latches = {kStickLatch, kStickLatch, kStickLatch, kStickLatch, kTriggerLatch,
                                  kTriggerLatch}});
    const Pad& pad = m_pads.back();
    m_watch.watch(id, SDL_GameControllerPath(controller));
    if (m_pads.size() == 1) m_style = pad.style;
    events.push_back({.kind = PadEvent::Kind::Added, .pad = id});
}

void SdlPadReader::remove(std::int32_t id, std::vector<PadEvent>& events) {
    Pad* pad = find(id);
    if (!pad) return;
    for (unsigned source = 0; source < 32; ++source)
        hold(*pad, source, false, events);
    SDL_GameControllerClose(pad->controller);
    m_watch.forget(id);
    m_pads.erase(m_pads.begin() + (pad - m_pads.data()));
    events.push_back({.kind = PadEvent::Kind::Removed, .pad = id});
}

void SdlPadReader::axis(Pad& pad, int axis, int value, std::vector<PadEvent>& events) {
    const auto feed = [&](Latch latch, int towards) {
        if (pad.latches[latch].feed(towards))
            hold(pad, kLatchSource[latch], pad.latches[latch].held, events);
    };
    switch (axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            feed(StickLeft, -value);
            feed(StickRight, value);
            break;
        case SDL_CONTROLLER_AXIS_LEFTY:  // down is positive
            feed(StickUp, -value);
            feed(StickDown, value);
            break;
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
            feed(TriggerLeft, value);
            break;
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
            feed(TriggerRight, value);
            break;
        default:
            break;
    }
}

// Reports the game's buttons that all controllers together now hold otherwise.
void SdlPadReader::hold(Pad& pad, unsigned source, bool held, std::vector<PadEvent>& events) {
    const std::uint32_t before = heldByAll();
    const std::uint32_t mask = 1u << source;
    pad.sources = held ? pad.sources | mask : pad.sources & ~mask;
    const std::uint32_t after = heldByAll();
    if (held) m_style = pad.style;
    for (unsigned button = 0; button < kPadButtonCount; ++button) {
        const std::uint32_t changed = (before ^ after) & (1u << button);
        if (!changed) continue;
        events.push_back(
            {.kind = after & changed ? PadEvent::Kind::Pressed : PadEvent::Kind::Released,
             .button = PadButton(button),
             .pad = pad.id});
    }
}

SdlPadReader::Pad* SdlPadReader::find(std::int32_t id) {
    const auto found =
        std::find_if(m_pads.begin(), m_pads.end(), [id](const Pad& pad) { return pad.id == id; });
    return found == m_pads.end() ? nullptr : &*found;
}

std::uint32_t SdlPadReader::heldByAll() const {
    std::uint32_t held = 0;
    for (const Pad& pad : m_pads)
        held |= buttonsOf(pad.sources);
    return held;
}

}  // namespace varn
