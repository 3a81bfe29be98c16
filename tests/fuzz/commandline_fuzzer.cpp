// commandline_fuzzer.cpp: the game's arguments, each ended by a zero byte, read as a game number
// in range, a code that plays, or one line that says why not.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "gamenumber.h"
#include "startoptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments{"varn"};
    std::string argument;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != 0) {
            argument += char(data[i]);
            continue;
        }
        arguments.push_back(argument);
        argument.clear();
    }
    std::vector<const char*> argv;
    for (const std::string& each : arguments)
        argv.push_back(each.c_str());
    argv.push_back(nullptr);
    const varn::StartOptions options = varn::StartOptions::read(int(arguments.size()), argv.data());
    if (!options.problem.empty()) {
        if (options.problem.find('\n') != std::string::npos ||
            !options.problem.starts_with("varn: "))
            std::abort();
        return 0;
    }
    if (options.game && *options.game == 0) std::abort();
    if (options.watch) {
        varn::CodeProblem problem = varn::CodeProblem::Damaged;
        if (varn::parseGameCode(varn::formatGameCode(options.watch->code), problem) !=
                options.watch->code ||
            problem != varn::CodeProblem::None)
            std::abort();
    }
    return 0;
}
