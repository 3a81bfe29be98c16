// textures.h: the procedural panel textures, drawn anew from fixed seeds.
#pragma once

#include <QImage>

namespace varn::textures {

// Pale yellow wood grain, 325 by 325: the help panel's background.
QImage woodTexture();

// White paper with faint grey flecks, 161 by 46: the score panel's background.
QImage paperTexture();

}  // namespace varn::textures
