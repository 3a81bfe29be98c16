// codecommands.cpp: game codes and the day's challenge read from a script's words and told back.
#include "codecommands.h"

#include <cstdio>

#include "codeplayer.h"
#include "gamereview.h"
#include "parsearch.h"
#include "scriptwords.h"
#include "splitmixsource.h"

namespace varn {

namespace {

std::string codeProblemText(CodeProblem problem) {
    switch (problem) {
        case CodeProblem::Foreign:
            return "this is no Varn game code";
        case CodeProblem::Newer:
            return "this game code comes from a newer Varn";
        default:
            return "this game code is damaged";
    }
}

}  // namespace

Days challengeDay(const std::string& word) {
    const std::optional<Days> day = parseDay(word);
    if (!day) throw BadInput("day '" + word + "' is not a date written YYYY-MM-DD");
    return *day;
}

std::string codeLine(const Game& game) {
    const std::optional<GameCode> code = game.code();
    return std::string("code: ") + (code ? formatGameCode(*code) : "none");
}

GameCode watchedCode(const std::string& word) {
    CodeProblem problem = CodeProblem::None;
    GameCode code = parseGameCode(word, problem);
    if (problem == CodeProblem::None && !playable({code, std::nullopt}))
        problem = CodeProblem::Damaged;
    if (problem != CodeProblem::None) throw BadInput(codeProblemText(problem));
    return code;
}

namespace {

std::string name(PlayerAction played) {
    if (played.isClick()) return "click " + std::to_string(played.code);
    if (played.code == PlayerAction::kMirror) return "mirror";
    return played.code == PlayerAction::kLeft ? "left" : "right";
}

std::string name(const Hint& hint) {
    switch (hint.action) {
        case HintAction::Click:
            return name(PlayerAction::click(hint.cell));
        case HintAction::Mirror:
            return name(PlayerAction{PlayerAction::kMirror});
        case HintAction::Left:
            return name(PlayerAction{PlayerAction::kLeft});
        case HintAction::Right:
            return name(PlayerAction{PlayerAction::kRight});
        case HintAction::None:
            break;
    }
    return "none";
}

}  // namespace

std::string actionText(const RecordedAction& action) {
    std::string text = name(action.action);
    for (const NestedAction& nested : action.nested)
        text += " [" + std::to_string(nested.moment) + ": " + name(nested.action) + ']';
    return text;
}

std::string reviewLines(const GameCode& code, const ReviewSettings& settings) {
    CodePlayer player({code, std::nullopt});
    std::vector<Position> positions{player.position()};
    std::vector<PlayerAction> actions;
    for (const RecordedAction& action : code.actions) {
        player.playNext();
        positions.push_back(player.position());
        actions.push_back(action.action);
    }
    const GameReview review = reviewGame(positions, actions, SplitMixSource(code.number), settings);
    std::string lines;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const ActionReview& judged = review.actions[i];
        lines += std::to_string(i + 1) + ": " + name(actions[i]) +
                 " points=" + std::to_string(judged.points) + " best=" + name(judged.best) +
                 " missed=" + std::to_string(judged.missed) + '\n';
    }
    char accuracy[32];
    std::snprintf(accuracy, sizeof accuracy, "%.1f", review.accuracy());
    // The work too, which the same code and settings make the same everywhere.
    return lines + "accuracy: " + accuracy + " %, " + std::to_string(review.positionsTried) +
           " positions tried";
}

std::string parLine(Days day, const ParSettings& settings) {
    const ParResult par = findPar(challengeNumber(day), settings);
    GameCode code{challengeNumber(day), {}};
    for (const PlayerAction action : par.actions)
        code.actions.push_back({action, {}});
    return "par " + dayText(day) + ": " + std::to_string(par.score) + " in " +
           std::to_string(par.moves) + " moves, " + std::to_string(par.positionsTried) +
           " positions tried " + formatGameCode(code);
}

}  // namespace varn
