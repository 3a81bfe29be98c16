// xdgfolder.cpp: the desktop's folders for a user's files, from the environment or the home.
#include "xdgfolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace varn {

namespace {

std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found);
    return found && found->pw_dir ? found->pw_dir : "";
}

}  // namespace

std::string xdgFolder(const char* variable, const char* fallback) {
    const char* named = std::getenv(variable);
    if (named && named[0] == '/') return named;
    return homeFolder() + '/' + fallback;
}

}  // namespace varn
