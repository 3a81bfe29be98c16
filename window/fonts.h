// fonts.h: the faces of the window's design, as the free look-alikes that Debian ships.
#pragma once

#include <QFont>

namespace varn {

// `family` is a face of the design ("Comic Sans MS", "Tahoma" or "MS Sans Serif"); the font
// names the installed look-alike of the same size, weight and slant, and DejaVu Sans after it.
QFont designFont(const char* family, qreal points, bool bold, bool italic = false);

}  // namespace varn
