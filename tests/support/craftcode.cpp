// craftcode.cpp: codes and numbers for the scripts that give them to the game's readers.
//   varn-crafted-code NUMBER COUNT   one click with COUNT clicks inside it, each inside the one
//                                    before
//   varn-crafted-code today          today's challenge: its number, then its day
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "challenge.h"
#include "craftedcode.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "today") {
        const varn::Days today =
            std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
        std::printf("%u %s\n", varn::challengeNumber(today), varn::dayText(today).c_str());
        return 0;
    }
    if (argc != 3) return 2;
    const auto number = std::uint32_t(std::strtoul(argv[1], nullptr, 10));
    std::puts(varn::test::nestedClicks(number, std::strtoul(argv[2], nullptr, 10)).c_str());
}
