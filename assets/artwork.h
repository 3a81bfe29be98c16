// artwork.h: where the game's pictures live among the resources, and how to draw them crisply.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace varn::artwork {

// The resource path of pattern picture `index` (0 to 8 and 10 to 14), e.g.
// ":/pictures/pattern-3.svg".
QString patternPath(int index);

// The resource path of any picture by its file name, e.g. ":/pictures/wood.png".
QString picturePath(const QString& fileName);

// The size a picture covers on a screen of pixel ratio 1; empty when the picture cannot be read.
QSize nominalSize(const QString& path);

// Draws a picture at its nominal size times `devicePixelRatio`, on a transparent ground, with
// that ratio recorded in the image, so a 32 by 32 piece stays 32 by 32 logical pixels but gets
// 64 by 64 real ones on a doubled screen. A larger `scale` draws it that much larger in
// logical pixels: a vector picture is drawn afresh at that size, a raster one is smoothed. A
// null image when the picture cannot be read.
QImage render(const QString& path, qreal devicePixelRatio = 1.0, qreal scale = 1.0);

}  // namespace varn::artwork
