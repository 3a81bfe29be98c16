// padmodule.cpp: the SDL controller reader as a module that the game loads once its window is
// up, so that starting the game maps no SDL library for a controller that most players lack.
#include "sdlpadreader.h"

// `devices`: the folder of the input devices, /dev/input on Linux.
extern "C" __attribute__((visibility("default"))) varn::PadReader* varn_make_pad_reader(
    const char* devices) {
    return new varn::SdlPadReader(devices);
}
