// virtualpad.h: SDL's virtual game controller, which the tests plug in where no device is.
#pragma once

#include <SDL2/SDL.h>

#include <string>

// A controller that SDL maps by itself: the game-controller API's buttons and axes in its order.
// SDL's joystick subsystem must run.
class VirtualPad {
  public:
    explicit VirtualPad(Uint16 vendor = 0, Uint16 product = 0) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.vendor_id = vendor;
        desc.product_id = product;
        desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.name = "Varn test pad";
        m_joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
        m_id = SDL_JoystickInstanceID(m_joystick);
    }
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void set(bool axis, int control, int value) {
        axis ? SDL_JoystickSetVirtualAxis(m_joystick, control, Sint16(value))
             : SDL_JoystickSetVirtualButton(m_joystick, control, Uint8(value));
    }
    std::string guid() const {
        char text[33];
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(m_joystick), text, sizeof text);
        return text;
    }
    void unplug() {
        if (!m_joystick) return;
        SDL_JoystickClose(m_joystick);
        m_joystick = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == m_id) SDL_JoystickDetachVirtual(i);
        }
    }

  private:
    SDL_Joystick* m_joystick;
    SDL_JoystickID m_id;
};
