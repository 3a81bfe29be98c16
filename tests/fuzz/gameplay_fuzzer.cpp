// gameplay_fuzzer.cpp: libFuzzer target that plays what a stranger's code holds through the
// rules: the input is the bytes of a code, sealed with their right checksum, and at most
// kMostActions of its actions are played. A code that a player could have made leaves a game
// whose own code, written back and played again, comes to the same end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "codeplayer.h"
#include "gamecode.h"

namespace {

constexpr std::size_t kMostActions = 200;

// Plays all of `replay`; false for a code that no player could have made.
bool playAll(varn::CodePlayer& player) {
    while (!player.done()) {
        if (!player.playNext()) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    varn::CodeProblem problem = varn::CodeProblem::None;
    varn::GameCode code =
        varn::parseGameCode(varn::sealCode(std::vector<std::uint8_t>(data, data + size)), problem);
    if (problem != varn::CodeProblem::None) return 0;
    if (code.actions.size() > kMostActions) code.actions.resize(kMostActions);
    varn::CodePlayer player({code, std::nullopt});
    if (!playAll(player)) return 0;
    const varn::GameState end = player.game().state();
    if (end.score < 0 || end.random.seed != code.number) std::abort();
    for (const varn::Code cell : end.board)
        if (!varn::isBoardCode(cell) || cell == varn::piece::Empty) std::abort();
    const std::optional<varn::GameCode> written = player.game().code();
    if (!written || written->number != code.number) std::abort();
    varn::CodePlayer again({*written, std::nullopt});
    if (!playAll(again) || again.game().state() != end) std::abort();
    return 0;
}
