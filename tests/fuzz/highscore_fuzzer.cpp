// highscore_fuzzer.cpp: the high-score file read at a game's start and "Enter score" pressed
// against it; the line read writes back alike, and a score stored reads back.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "highscorefile.h"
#include "scorekeeper.h"
#include "scriptedwindow.h"

namespace {

std::string folder = "/tmp/varn-highscore-fuzz.XXXXXX";

void removeFolder() {
    std::filesystem::remove_all(folder);
}

// The file in a folder of its own, removed when the run ends.
const std::string& scratchFile() {
    static const std::string path = [] {
        if (!::mkdtemp(folder.data())) std::abort();
        std::atexit(removeFolder);
        return folder + "/Varn_hsc.nrz";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string line = varn::HighScoreFile::lineOf(bytes);
    if (varn::HighScoreFile::lineOf(varn::HighScoreFile::textOf(line)) != line) std::abort();

    std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc) << bytes;
    varn::HighScoreFile file(scratchFile());
    if (file.readFirstLine() != line) std::abort();
    varn::ScriptedWindow window;
    varn::ScoreKeeper keeper(window, &file);
    keeper.LoadHiScore();
    keeper.addPoints(int(size % 1000) + 1);
    keeper.showScore();
    const int beeps = window.beeps();
    keeper.Command1_Click();
    // Stored, the score is what the file's line now holds.
    if (window.beeps() == beeps && file.readFirstLine() != keeper.HiScore()) std::abort();
    return 0;
}
