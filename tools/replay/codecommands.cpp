// codecommands.cpp: game codes and the day's challenge read from a script's words and told back.
#include "codecommands.h"

#include "codeplayer.h"
#include "scriptwords.h"

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

std::string actionText(const RecordedAction& action) {
    const auto name = [](PlayerAction played) -> std::string {
        if (played.isClick()) return "click " + std::to_string(played.code);
        if (played.code == PlayerAction::kMirror) return "mirror";
        return played.code == PlayerAction::kLeft ? "left" : "right";
    };
    std::string text = name(action.action);
    for (const NestedAction& nested : action.nested)
        text += " [" + std::to_string(nested.moment) + ": " + name(nested.action) + ']';
    return text;
}

}  // namespace varn
