// main.cpp: varn-replay, the headless replay driver: commands on standard input, one a line.
#include <iostream>

#include "replaysession.h"

int main() {
    std::ios::sync_with_stdio(false);
    varn::ReplaySession session(std::cout);
    const int status = session.run(std::cin);
    std::cout.flush();
    return status;
}
