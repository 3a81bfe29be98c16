// fonts.h: the faces of the window's design, with free look-alikes where they are missing.
#pragma once

#include <QFont>

namespace varn {

// Maps "Comic Sans MS", "Tahoma" and "MS Sans Serif" to faces that Debian ships, of the same
// size, weight and slant, for systems that lack the originals.
void installFontSubstitutes();

QFont designFont(const char* family, qreal points, bool bold, bool italic = false);

}  // namespace varn
