// padglyphs.h: pictures of a controller's buttons, drawn by code so that they are sharp at any
// size, for button labels, the watch bar and the status line.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>

#include "padreader.h"

class QPainter;

namespace varn {

// The glyph's size at a height in pixels: the shoulders and triggers are wider than high, the
// others square.
QSizeF padGlyphSize(PadButton button, qreal height);

// Paints `button` as a controller of `style` marks it, as high as `box` and centred in it.
void paintPadGlyph(QPainter& painter, const QRectF& box, PadButton button, PadStyle style);

// The glyph `height` pixels high for a screen of `pixelRatio` physical pixels to a pixel, on a
// transparent background.
QPixmap padGlyph(PadButton button, PadStyle style, int height, qreal pixelRatio = 1);

// The glyph as an icon, for a button's label or a menu item: drawn afresh at whatever size and
// pixel ratio it is shown, as large as fits the icon's box, and faded when disabled.
QIcon padGlyphIcon(PadButton button, PadStyle style);

}  // namespace varn
