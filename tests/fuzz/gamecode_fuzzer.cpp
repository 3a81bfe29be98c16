// gamecode_fuzzer.cpp: libFuzzer target for the readers of pasted game codes and of the actions
// of the table's rows, given the input twice: as the text a player pastes, and as the bytes a
// code holds, sealed with their right checksum so that every mutation reaches the reader of the
// actions. A code it reads is exactly the text that its writer makes of what it read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "gamecode.h"

namespace {

void checkReplay(std::string_view text) {
    varn::CodeProblem problem = varn::CodeProblem::None;
    const std::optional<varn::Replay> replay = varn::parseReplay(text, problem);
    if (replay.has_value() != (problem == varn::CodeProblem::None)) std::abort();
    if (!replay) return;
    const std::optional<varn::Replay> again =
        varn::parseReplay(varn::formatReplay(*replay), problem);
    if (!again || *again != *replay) std::abort();
}

// Blanks around a code are no part of it; anything else reads back as the same text.
void checkCode(std::string_view text, bool sealed) {
    varn::CodeProblem problem = varn::CodeProblem::None;
    const varn::GameCode code = varn::parseGameCode(text, problem);
    if (problem != varn::CodeProblem::None) {
        if (code != varn::GameCode() || (sealed && problem != varn::CodeProblem::Damaged))
            std::abort();
        return;
    }
    if (!varn::withinCodeBounds(code.actions)) std::abort();
    const std::string written = varn::formatGameCode(code);
    if (text.find(written) == std::string_view::npos ||
        text.find_first_not_of(" \t\r\n") != text.find(written))
        std::abort();
    varn::CodeProblem again = varn::CodeProblem::Damaged;
    if (varn::parseGameCode(written, again) != code || again != varn::CodeProblem::None)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReplay(text);
    checkCode(text, false);
    checkCode(varn::sealCode(std::vector<std::uint8_t>(data, data + size)), true);
    return 0;
}
