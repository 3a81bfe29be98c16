// sdlmodule.cpp: the sound output and the controllers' reader through SDL2, as the one module
// that the game loads at its first clip or once its window is up: starting the game maps none
// of SDL, libsndfile and their back ends, and both parts share one SDL and one lock round its
// subsystems (sdlsubsystems.h), which two modules would each keep apart.
#include "sdlpadreader.h"
#include "sdlsoundoutput.h"

#define VARN_EXPORT extern "C" __attribute__((visibility("default")))

VARN_EXPORT varn::SoundOutput* varn_make_sound_output() {
    return new varn::SdlSoundOutput();
}

// `devices`: the folder of the input devices, /dev/input on Linux.
VARN_EXPORT varn::PadReader* varn_make_pad_reader(const char* devices) {
    return new varn::SdlPadReader(devices);
}
