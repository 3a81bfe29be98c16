// hintline.cpp: the hint searched as a script needs it, and told as the command that plays it.
#include "hintline.h"

#include <chrono>
#include <utility>

#include "command.h"
#include "hintsearch.h"

namespace varn {

std::string hintLine(const GameState& state, const UniformSource& random) {
    // Narrow and shallow enough to answer at once without a budget.
    static const HintSettings kSettings{4, 64, std::chrono::hours(24)};
    static constexpr std::pair<HintAction, Command> kPlays[] = {
        {HintAction::Click, Command::Element_Click},
        {HintAction::Mirror, Command::Picture6_Click},
        {HintAction::Left, Command::Picture7_Click},
        {HintAction::Right, Command::picture8_click}};
    const Hint hint = findHint(positionOf(state), random, kSettings);
    for (const auto& [action, command] : kPlays) {
        if (action != hint.action) continue;
        const std::string words = std::string("hint ") + commandRow(command).replay;
        return action == HintAction::Click ? words + ' ' + std::to_string(hint.cell) : words;
    }
    return "hint none";
}

}  // namespace varn
