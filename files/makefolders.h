// makefolders.h: the folders above a file, made when missing.
#pragma once

#include <string>

namespace varn {

// Makes the folder of the file `path` and any missing folder above it, private to the user as
// the desktop asks; true when it is there.
bool makeFoldersFor(const std::string& path);

}  // namespace varn
