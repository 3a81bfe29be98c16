// setaside.h: keeping a damaged file beside under a new name, so that a player loses nothing.
#pragma once

#include <optional>
#include <string>

namespace varn {

// Renames whatever stands at `path` to the first free name of "<path>.damaged-1",
// "<path>.damaged-2"...: nothing is ever renamed over another file. The new name, or nothing,
// with errno telling why, when it stays where it is.
std::optional<std::string> setAside(const std::string& path);

}  // namespace varn
