// playeraction.h: the actions a game code keeps: clicks, turns and the mirror, and what ran
// inside them.
#pragma once

#include <cstdint>
#include <vector>

#include "boardtables.h"

namespace varn {

// One action in a byte: a click on cell 0 to 99, the mirror, or a quarter turn left or right.
struct PlayerAction {
    static constexpr std::uint8_t kMirror = kCellCount;
    static constexpr std::uint8_t kLeft = kCellCount + 1;
    static constexpr std::uint8_t kRight = kCellCount + 2;
    // Codes past the last action.
    static constexpr std::uint8_t kCount = kRight + 1;

    std::uint8_t code = 0;

    static constexpr PlayerAction click(int cell) { return {static_cast<std::uint8_t>(cell)}; }
    bool isClick() const { return code < kCellCount; }
    bool operator==(const PlayerAction&) const = default;
};

// An action that ran inside a top-level one, at one of its moments (momentwindow.h): a replay
// runs it at the same moment, where the rules stand exactly as they stood then.
struct NestedAction {
    std::uint32_t moment = 0;
    PlayerAction action;
    bool operator==(const NestedAction&) const = default;
};

// A top-level action with what ran inside it, in the order it ran.
struct RecordedAction {
    PlayerAction action;
    std::vector<NestedAction> nested;
    bool operator==(const RecordedAction&) const = default;
};

// How the game came to a state of its history.
struct Arrival {
    enum class Kind : std::uint8_t {
        Unknown,  // laid out from outside, a new game begun inside a move, or an older save
        Start,    // a new game's deal
        Action,
    };
    Kind kind = Kind::Unknown;
    RecordedAction action;  // for Action

    static Arrival of(Kind kind) {
        Arrival arrival;
        arrival.kind = kind;
        return arrival;
    }
    bool operator==(const Arrival&) const = default;
};

}  // namespace varn
