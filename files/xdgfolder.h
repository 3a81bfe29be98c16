// xdgfolder.h: where the desktop wants a user's files of one kind kept.
#pragma once

#include <string>

namespace varn {

// The folder that the environment variable `variable` (XDG_DATA_HOME, XDG_STATE_HOME...) names,
// or `fallback` under the home folder when it is unset, empty or relative, as the desktop's
// rule says. The home folder is $HOME, or the user's entry in the system's user list.
std::string xdgFolder(const char* variable, const char* fallback);

}  // namespace varn
