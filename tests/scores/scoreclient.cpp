// scoreclient.cpp: varn-score-client, one game's use of the table of the best games and of the
// challenges, for the shell tests: "enter GAME SCORE SECONDS NAME", "ended SCORE", "proposed",
// "path", "claim DAY" or "finish DAY SCORE MOVES".
#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "challengekeeper.h"
#include "scoretablefile.h"

namespace {

// The keeper's answers, run once its thread has done all it was given.
int challenge(const std::string& command, varn::Days day, char** argv) {
    std::mutex mutex;
    std::vector<std::function<void()>> answers;
    varn::ChallengeKeeper keeper(
        varn::ChallengeKeeper::defaultPath(),
        [&](std::function<void()> answer) {
            const std::lock_guard lock(mutex);
            answers.push_back(std::move(answer));
        },
        [] { return std::string("Ann"); });
    if (command == "claim") {
        // The answer, and the days that the game then knows.
        keeper.claim(day, [&keeper](varn::ChallengeKeeper::Claim claim) {
            const char* said[] = {"granted", "played", "busy"};
            std::printf("%s %zu\n", said[int(claim)], keeper.table().rows().size());
        });
    } else {
        keeper.flush();
        for (const auto& answer : std::exchange(answers, {}))
            answer();
        keeper.finish(day, std::stoll(argv[3]), std::stoi(argv[4]), {});
    }
    keeper.flush();
    for (const auto& answer : answers)
        answer();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const varn::ScoreTableFile file;
    const std::string command = argc > 1 ? argv[1] : "";
    const std::optional<varn::Days> day = argc > 2 ? varn::parseDay(argv[2]) : std::nullopt;
    if (day && ((command == "claim" && argc == 3) || (command == "finish" && argc == 5)))
        return challenge(command, *day, argv);
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
        "usage: varn-score-client enter GAME SCORE SECONDS NAME | ended SCORE | proposed | path |"
        " claim DAY | finish DAY SCORE MOVES\n");
    return 2;
}
