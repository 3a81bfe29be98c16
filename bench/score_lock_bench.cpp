// score_lock_bench.cpp: how long "Enter score" waits, and how much processor time it spends,
// when the directory of the high-score file is free and when another program holds its lock.
// The wait sleeps between tries, so even a refused entry should cost next to no processor time.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "highscorefile.h"
#include "scorekeeper.h"
#include "scriptedwindow.h"

namespace {

double processorMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// One entry of a score better than the stored 0; prints its wall and processor time.
void measureEntry(const std::string& directory, const char* label) {
    varn::ScriptedWindow window;
    varn::HighScoreFile file(directory + "/Varn_hsc.nrz");
    varn::ScoreKeeper keeper(window, &file);
    file.writeLine("0");
    keeper.LoadHiScore();
    keeper.addPoints(1);
    keeper.showScore();
    const auto start = std::chrono::steady_clock::now();
    const double before = processorMilliseconds();
    keeper.Command1_Click();
    const double cpu = processorMilliseconds() - before;
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    std::printf("%s: wall %.0f ms, processor %.1f ms, beeps %d, file holds %s\n", label,
                wall.count(), cpu, window.beeps(), file.readFirstLine().c_str());
}

}  // namespace

int main() {
    std::string directory = (std::filesystem::temp_directory_path() / "varn-lock-XXXXXX").string();
    if (::mkdtemp(directory.data()) == nullptr) return 1;
    constexpr int kRuns = 3;
    for (int run = 1; run <= kRuns; ++run)
        measureEntry(directory, "free directory");
    // A second open description of the directory conflicts with the game's own, as another
    // program's would.
    const int holder = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::flock(holder, LOCK_EX);
    for (int run = 1; run <= kRuns; ++run)
        measureEntry(directory, "lock held elsewhere");
    ::close(holder);
    std::filesystem::remove_all(directory);
    return 0;
}
