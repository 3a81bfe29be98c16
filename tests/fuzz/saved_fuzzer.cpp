// saved_fuzzer.cpp: the saved game's reader, its lines as they come and each closed afresh by its
// right checksum; what it reads writes back alike, and the game it gives plays on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "crc32.h"
#include "game.h"
#include "savedformat.h"
#include "scriptedwindow.h"
#include "splitmixsource.h"

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

// Every line with the checksum it would have, whatever it had before.
std::string closedLines(std::string_view text) {
    std::string closed;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (const std::size_t mark = line.rfind(" #"); mark != std::string_view::npos)
            line = line.substr(0, mark);
        const std::uint32_t crc =
            varn::crc32({reinterpret_cast<const std::uint8_t*>(line.data()), line.size()});
        closed += line;
        closed += " #";
        for (int shift = 28; shift >= 0; shift -= 4)
            closed += kHexDigits[(crc >> shift) & 0xF];
        if (end != std::string_view::npos) closed += '\n';
    }
    return closed;
}

bool same(const varn::SavedGame& a, const varn::SavedGame& b) {
    return a.current == b.current && a.history.states() == b.history.states() &&
           a.history.position() == b.history.position() && a.hints == b.hints;
}

// The game put back as a start puts it, then a few moves, an undo and a redo: whatever the
// file said, the rules hold.
void play(const varn::SavedGame& saved) {
    varn::ScriptedWindow window;
    varn::SplitMixSource random(1);
    varn::Game game(window, random);
    window.setTickHandler([&] { game.Timer1_Timer(); });
    game.resume(saved.current, saved.history, saved.hints);
    for (int cell = 0, moves = 0; cell < varn::kCellCount && moves < 3; ++cell) {
        const varn::GameState before = game.state();
        game.Element_Click(cell);
        moves += game.state() != before;
    }
    game.undo_Click();
    game.redo_Click();
}

void check(std::string_view text) {
    varn::SavedGame game;
    try {
        game = varn::parseSavedGame(text);
    } catch (const varn::SavedFormatError&) {
        return;
    }
    const std::string written = varn::formatSnapshot(game);
    const varn::SavedGame again = varn::parseSavedGame(written);
    if (!same(again, game) || varn::formatSnapshot(again) != written) std::abort();
    play(game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(text);
    check(closedLines(text));
    return 0;
}
