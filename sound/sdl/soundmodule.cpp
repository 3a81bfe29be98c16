// soundmodule.cpp: the SDL sound output as a module that the game loads at its first clip, so
// that starting the game maps none of the sound libraries (SDL2, libsndfile and their back
// ends).
#include "sdlsoundoutput.h"

extern "C" __attribute__((visibility("default"))) varn::SoundOutput* varn_make_sound_output() {
    return new varn::SdlSoundOutput();
}
