// sdlsubsystems.cpp: the one lock round SDL's subsystems.
#include "sdlsubsystems.h"

#include <SDL2/SDL.h>

#include <mutex>

namespace varn {

namespace {

std::mutex& sdlLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

bool startSdl(std::uint32_t flags) {
    const std::lock_guard hold(sdlLock());
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The face buttons are read by their place on every controller, as PadButton names them.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    return SDL_InitSubSystem(flags) == 0;
}

void stopSdl(std::uint32_t flags) {
    const std::lock_guard hold(sdlLock());
    SDL_QuitSubSystem(flags);
}

}  // namespace varn
