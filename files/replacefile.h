// replacefile.h: writing a whole file so that a crash leaves either its old or its new content.
#pragma once

#include <string>
#include <string_view>

namespace varn {

// Replaces the file at `path` by `contents`. The content goes to a temporary file in the same
// directory first, reaches the disk, and is renamed over the old file, so a crash at any instant
// leaves the old or the new file whole; the new file gets the usual mode (0666 less the umask).
// False, with the old file untouched and no temporary file left, when it could not be written.
bool replaceFile(const std::string& path, std::string_view contents);

}  // namespace varn
