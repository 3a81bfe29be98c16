// main.cpp: varn-design, the design-mode host that saves sound players with their clips.
#include <iostream>
#include <string>
#include <vector>

#include "designcommand.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    varn::DesignCommand command(std::cout, std::cerr);
    const int status = command.run(args);
    std::cout.flush();
    return std::cout ? status : varn::DesignCommand::kBadUsageOrData;
}
