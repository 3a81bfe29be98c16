// makefolders.cpp: making a file's folders one by one, from the top.
#include "makefolders.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

namespace varn {

namespace {

bool makeFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) return true;
    if (folder.parent_path() != folder) makeFolder(folder.parent_path());
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

bool makeFoldersFor(const std::string& path) {
    return makeFolder(std::filesystem::path(path).parent_path());
}

}  // namespace varn
