// startoptions.cpp: reading the game's one option.
#include "startoptions.h"

#include <string_view>

#include "codeplayer.h"
#include "gamenumber.h"

namespace varn {

namespace {

// An argument quoted in the one line the game says: a line end or another control character in
// it would make a second line, or steer the terminal.
std::string quoted(std::string_view argument) {
    std::string text = "\"";
    for (const char c : argument)
        text += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    return text + '"';
}

std::string badNumber(std::optional<std::string_view> text) {
    std::string line =
        "varn: --game takes a game number from 1 to " + std::to_string(kLastGameNumber);
    if (text) line += ", not " + quoted(*text);
    return line;
}

// The value of option `name` at argument `i`, given as the next argument or after '='; the
// next one is then used up.
std::optional<std::string_view> valueOf(std::string_view name, int argc, const char* const* argv,
                                        int& i) {
    const std::string_view argument = argv[i];
    if (argument == name && i + 1 < argc) return argv[++i];
    if (argument.starts_with(name) && argument.size() > name.size() && argument[name.size()] == '=')
        return argument.substr(name.size() + 1);
    return std::nullopt;
}

std::string codeProblem(CodeProblem problem) {
    switch (problem) {
        case CodeProblem::Foreign:
            return "varn: --watch takes a Varn game code, and this is none";
        case CodeProblem::Newer:
            return "varn: this game code comes from a newer Varn";
        default:
            return "varn: this game code is damaged: a character is missing or changed";
    }
}

}  // namespace

StartOptions StartOptions::read(int argc, const char* const* argv) {
    StartOptions options;
    constexpr std::string_view kGame = "--game";
    constexpr std::string_view kWatch = "--watch";
    for (int i = 1; i < argc && options.problem.empty(); ++i) {
        const std::string_view argument = argv[i];
        CodeProblem problem = CodeProblem::None;
        if (argument.starts_with(kWatch)) {
            const std::optional<std::string_view> code = valueOf(kWatch, argc, argv, i);
            if (!code) problem = CodeProblem::Foreign;
            if (code) options.watch = Replay{parseGameCode(*code, problem), std::nullopt};
            if (problem == CodeProblem::None && !playable(*options.watch))
                problem = CodeProblem::Damaged;
            if (problem != CodeProblem::None) options.problem = codeProblem(problem);
            continue;
        }
        const std::optional<std::string_view> number = valueOf(kGame, argc, argv, i);
        if (argument == kGame && !number) {
            options.problem = badNumber(std::nullopt);
        } else if (!number) {
            options.problem = "varn: unknown argument " + quoted(argument) +
                              "; the game takes only --game N and --watch CODE";
        } else if (!(options.game = parseGameNumber(*number))) {
            options.problem = badNumber(*number);
        }
    }
    return options;
}

void StartOptions::holdBack(std::uint32_t today, const std::function<bool()>& played) {
    const bool named = (game && *game == today) || (watch && watch->code.number == today);
    if (problem.empty() && named && !played())
        problem = "varn: game " + std::to_string(today) +
                  " is today's challenge, which you can start or watch once you have played it";
}

}  // namespace varn
