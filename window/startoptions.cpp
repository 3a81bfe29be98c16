// startoptions.cpp: reading the game's one option.
#include "startoptions.h"

#include <string_view>

#include "gamenumber.h"

namespace varn {

namespace {

std::string badNumber(std::optional<std::string_view> text) {
    std::string line =
        "varn: --game takes a game number from 1 to " + std::to_string(kLastGameNumber);
    if (text) line += ", not \"" + std::string(*text) + "\"";
    return line;
}

}  // namespace

StartOptions StartOptions::read(int argc, const char* const* argv) {
    StartOptions options;
    constexpr std::string_view kGame = "--game";
    for (int i = 1; i < argc && options.problem.empty(); ++i) {
        const std::string_view argument = argv[i];
        std::optional<std::string_view> number;
        if (argument == kGame && i + 1 < argc) number = argv[++i];
        if (argument.starts_with(kGame) && argument.size() > kGame.size() &&
            argument[kGame.size()] == '=')
            number = argument.substr(kGame.size() + 1);
        if (argument == kGame && !number) {
            options.problem = badNumber(std::nullopt);
        } else if (!number) {
            options.problem = "varn: unknown argument \"" + std::string(argument) +
                              "\"; the game takes only --game N";
        } else if (!(options.game = parseGameNumber(*number))) {
            options.problem = badNumber(*number);
        }
    }
    return options;
}

}  // namespace varn
