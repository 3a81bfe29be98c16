// playedcode.cpp: the code of a game read from its history.
#include "playedcode.h"

#include <utility>

namespace varn {

std::optional<GameCode> playedCode(std::uint32_t number, const History& history,
                                   const GameState& now) {
    if (number == 0) return std::nullopt;
    if (history.empty()) {
        if (history.pendingDeal() != now) return std::nullopt;
        return GameCode{number, {}};
    }
    if (history.current() != now) return std::nullopt;
    std::optional<std::vector<RecordedAction>> actions = history.playedActions();
    if (!actions) return std::nullopt;
    return GameCode{number, std::move(*actions)};
}

std::optional<Replay> lastActionsOf(std::optional<GameCode> played, const History& history,
                                    std::size_t most) {
    if (!played) return std::nullopt;
    Replay replay{std::move(*played), std::nullopt};
    std::vector<RecordedAction>& actions = replay.code.actions;
    if (actions.size() > most) {
        const std::size_t first = actions.size() - most;
        replay.start = history.at(first);
        replay.start->label4 = std::to_string(replay.start->score);
        actions.erase(actions.begin(), actions.begin() + std::ptrdiff_t(first));
    }
    if (!withinCodeBounds(actions)) return std::nullopt;
    return replay;
}

std::string codeText(const std::optional<GameCode>& played, std::size_t most) {
    return played && played->actions.size() <= most ? formatGameCode(*played) : std::string();
}

}  // namespace varn
