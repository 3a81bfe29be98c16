// craftcode.cpp: prints the code of one click with COUNT clicks inside it, each inside the one
// before, for the scripts that give it to the game's readers.   varn-crafted-code NUMBER COUNT
#include <cstdio>
#include <cstdlib>

#include "craftedcode.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const auto number = std::uint32_t(std::strtoul(argv[1], nullptr, 10));
    std::puts(varn::test::nestedClicks(number, std::strtoul(argv[2], nullptr, 10)).c_str());
}
