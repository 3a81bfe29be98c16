// scoretable_fuzzer.cpp: the table of the best games: what it reads writes back alike, a sound
// text is exactly what it writes, and the largest score entered on it overflows nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "readback.h"
#include "scorekeeper.h"
#include "scoretable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    varn::ScoreTable table = readBack<varn::ScoreTable>(text, false);
    readBack<varn::ScoreTable>(table.text(), true);

    const varn::ScoreStatistics before = table.statistics();
    const varn::ScoreOffer offer{4294967295u, varn::ScoreKeeper::kMaxScore, varn::Seconds{},
                                 varn::kMaxHints, std::string(text.substr(0, 64))};
    const int rank = table.rankFor(offer);
    if (table.enter(offer, std::string(text.substr(0, 64))) != rank) std::abort();
    table.gameEnded(varn::ScoreKeeper::kMaxScore);
    const varn::ScoreStatistics& after = table.statistics();
    if (after.entered < before.entered || after.total < before.total ||
        after.played < before.played || after.best != varn::ScoreKeeper::kMaxScore)
        std::abort();
    readBack<varn::ScoreTable>(table.text(), true);
    return 0;
}
