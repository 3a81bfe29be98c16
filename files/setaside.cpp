// setaside.cpp: a rename that never replaces, tried over a bounded series of names.
#include "setaside.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>

namespace varn {

namespace {

// Past this many damaged files kept, the game gives up and leaves the file in its place.
constexpr int kMaxAsideFiles = 1000;

}  // namespace

std::optional<std::string> setAside(const std::string& path) {
    for (int n = 1; n <= kMaxAsideFiles; ++n) {
        std::string aside = path + ".damaged-" + std::to_string(n);
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno != EEXIST) break;
    }
    return std::nullopt;
}

}  // namespace varn
