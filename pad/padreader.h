// padreader.h: game controllers as the game sees them: abstract buttons pressed and released,
// and controllers plugged in and pulled out, whichever make they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varn {

// The face buttons are named by their place, after the lettering most controllers carry: A is
// the lower one, B the right, X the left and Y the upper, also where Nintendo prints other
// letters there (PadStyle tells). The left stick and the d-pad press the same four directions,
// and each trigger presses once it is pulled half way.
enum class PadButton : std::uint8_t {
    A,
    B,
    X,
    Y,
    Back,
    Start,
    LeftShoulder,
    RightShoulder,
    LeftTrigger,
    RightTrigger,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
};
inline constexpr std::size_t kPadButtonCount = std::size_t(PadButton::DpadRight) + 1;

constexpr bool isDirection(PadButton button) {
    return button >= PadButton::DpadUp;
}

// What the face buttons carry, for the pictures that name them: the letters A, B, X and Y in
// their places, PlayStation's cross, circle, square and triangle, or Nintendo's letters, which
// put B below and A to the right.
enum class PadStyle : std::uint8_t { Lettered, Shapes, Nintendo };

struct PadEvent {
    enum class Kind : std::uint8_t { Pressed, Released, Added, Removed };
    Kind kind;
    PadButton button = PadButton::A;  // for Pressed and Released
    // The controller, by a number that stays its own while it is plugged in.
    std::int32_t pad = -1;

    bool operator==(const PadEvent&) const = default;
};

struct PadPoll {
    // In the order they happened. Any controller plays: a button is pressed when the first
    // controller presses it and released when the last one lets it go, and pulling out a
    // controller releases what it held.
    std::vector<PadEvent> events;
    int pads = 0;                         // controllers plugged in now
    PadStyle style = PadStyle::Lettered;  // of the controller used last
    bool working = true;                  // false for good when no controller can be read
    // Files that turn readable when something happens: a controller plugged in or pulled out, or
    // a button of a plugged one, so that the caller can sleep on them between polls.
    std::vector<int> wakeFiles;
    // The files tell of everything; when false, some of it shows only to a poll.
    bool watched = false;
};

// Reads every controller of the machine. The caller polls on its own thread and at its own
// pace, or when a wake file turns readable; a poll never waits. One reader a process: they would
// share one queue of events.
class PadReader {
  public:
    virtual ~PadReader() = default;
    // What happened since the last poll.
    virtual PadPoll poll() = 0;
};

}  // namespace varn
