// sdlsubsystems.h: SDL's subsystems started and stopped under one lock of the whole process, for
// the sound's device thread and the controllers' reader on the window's thread alike.
#pragma once

#include <cstdint>

namespace varn {

// SDL counts the users of each subsystem, and sets its hints, without a lock: two threads that
// start or stop subsystems at once can lose a count or start one twice. Every start and stop in
// the game goes through these two, which take one lock, and set SDL's hints before a start:
// the window's toolkit handles Ctrl+C and termination, SDL must not take them over. True when
// the subsystems of `flags` run.
bool startSdl(std::uint32_t flags);
void stopSdl(std::uint32_t flags);

}  // namespace varn
