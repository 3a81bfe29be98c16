// fittedfont.h: the size at which a control's text fits its box, for languages whose words
// run longer than the design's English.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QWidget;

namespace varn {

// Below this a control's text is no longer comfortable to read, so a translation must fit at
// it.
inline constexpr qreal kMinimumPoints = 7.0;

// Whether `text`, laid out from the top-left corner in `font`, stays inside `box` (pixels).
bool textFits(const QFont& font, const QString& text, const QSize& box, bool wordWrap);

// `font` at the largest size, in steps of a quarter point and no larger than its own, at which
// `text` fits `box`; at `minimumPoints` when even that is too large.
QFont fittedFont(const QFont& font, const QString& text, const QSize& box, bool wordWrap,
                 qreal minimumPoints = kMinimumPoints);

// The box in which a label or a push button lays out its text, in pixels, in a window drawn at
// `scale` times its design size.
QSize textBox(const QWidget& control, qreal scale = 1.0);

// Gives a label or a push button the largest font up to `design` at which its text fits; in a
// window drawn at `scale`, the smallest readable size grows with it.
void fitText(QWidget& control, const QFont& design, qreal scale = 1.0);

}  // namespace varn
