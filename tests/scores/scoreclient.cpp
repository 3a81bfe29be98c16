// scoreclient.cpp: varn-score-client, one game's use of the table of the best games, for the
// shell tests: "enter GAME SCORE SECONDS NAME", "ended SCORE", "proposed" or "path".
#include <cstdio>
#include <string>

#include "scoretablefile.h"

int main(int argc, char** argv) {
    const varn::ScoreTableFile file;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "enter" && argc == 6) {
        const varn::ScoreOffer offer{std::uint32_t(std::stoul(argv[2])),
                                     std::stoll(argv[3]),
                                     varn::Seconds(std::chrono::seconds(std::stoll(argv[4]))),
                                     0,
                                     {}};
        const int foreseen = file.rankFor(offer);
        const varn::ScoreTableFile::Entry entry = file.enter(offer, argv[5]);
        std::printf("rank %d foreseen %d\n", entry.rank, foreseen);
        return entry.saved ? 0 : 1;
    }
    if (command == "ended" && argc == 3) return file.gameEnded(std::stoll(argv[2])) ? 0 : 1;
    if (command == "proposed" && argc == 2) {
        std::printf("%s\n", file.proposedName().c_str());
        return 0;
    }
    if (command == "path" && argc == 2) {
        std::printf("%s\n", file.path().c_str());
        return 0;
    }
    std::fprintf(
        stderr,
        "usage: varn-score-client enter GAME SCORE SECONDS NAME | ended SCORE | proposed | path\n");
    return 2;
}
