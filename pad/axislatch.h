// axislatch.h: one half of an analogue axis read as a button, with room between pressing and
// letting go so that a stick resting near the edge does not flicker.
#pragma once

namespace varn {

struct AxisLatch {
    int press;    // held from here on (SDL's axes run to 32767)
    int release;  // and let go below this
    bool held = false;

    // Takes the axis's value, positive towards this half; true when held changed.
    bool feed(int value) {
        const bool now = value >= (held ? release : press);
        if (now == held) return false;
        held = now;
        return true;
    }
};

}  // namespace varn
