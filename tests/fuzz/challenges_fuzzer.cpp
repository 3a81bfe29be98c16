// challenges_fuzzer.cpp: libFuzzer target for the reader of the player's challenges: what it reads
// writes back as a text that reads back the same, a sound text is exactly what it writes, and a
// challenge finished on what it read takes a rank among its rows, or leaves a day finished
// before as it was, and keeps the file sound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "challengetable.h"
#include "readback.h"
#include "scorekeeper.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    varn::ChallengeTable table = readBack<varn::ChallengeTable>(text, false);
    readBack<varn::ChallengeTable>(table.text(), true);

    const varn::Days day = varn::parseDay("2026-03-14").value();
    const bool finished = table.finished(day);
    const varn::ChallengeTable before = table;
    table.begin(day, text.substr(0, 64));
    const int rank =
        table.finish(day, varn::ScoreKeeper::kMaxScore, 50, text.substr(0, 64), text.substr(0, 80));
    if ((finished ? table.rows() != before.rows() : rank != 1) || !table.begun(day) ||
        table.rows().size() > varn::ChallengeTable::kKept)
        std::abort();
    if (table.streak(day) < 1 || std::size_t(table.streak(day)) > table.rows().size()) std::abort();
    readBack<varn::ChallengeTable>(table.text(), true);
    return 0;
}
