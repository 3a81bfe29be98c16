// hint.h: what the hint suggests, and the settings of the search behind it.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

namespace varn {

enum class HintAction {
    None,  // nothing on the board can be removed
    Click,
    Mirror,
    Left,
    Right,
};

struct Hint {
    HintAction action = HintAction::None;
    // For a click: the cell to click, every cell the click removes (the group, or the area of
    // a bomb or ladder) in the order of the board, and the points it scores now.
    int cell = -1;
    std::vector<int> cells;
    std::int64_t points = 0;
    bool operator==(const Hint&) const = default;
};

struct HintSettings {
    // The actions of a plan, and the most plans followed at each of them; the search widens
    // up to `width` while the budget lasts, and answers with the widest plan it finished. With
    // a budget it never spends, the answer is the same on every machine, as a replay needs.
    int depth = 10;
    int width = 1024;
    std::chrono::steady_clock::duration budget = std::chrono::milliseconds(40);
    // The width of the first beam. A search that is never short of time, as a review's, starts
    // at the widest and spends nothing on the narrower beams.
    int firstWidth = 1;
};

}  // namespace varn
