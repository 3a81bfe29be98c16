// fittedfont.cpp: shrinking a control's font just enough for its text.
#include "fittedfont.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

namespace varn {

namespace {

constexpr qreal kStepPoints = 0.25;
// A caption may run under the label beside it as far as the design's own English does
// ("Hiscore:" reaches two pixels into the high score's box), and no further.
constexpr int kNeighbourOverhang = 2;

bool wraps(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label && label->wordWrap();
}

QString textOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    return {};
}

QRect neededRect(const QFont& font, const QString& text, const QSize& box, bool wordWrap) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wordWrap ? Qt::TextWordWrap : 0);
    return QFontMetrics(font).boundingRect(QRect(QPoint(), box), flags, text);
}

bool inside(const QRect& needed, const QSize& box) {
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// How many steps below the design's size a text that needs `needed` there should fit: its
// width grows about linearly with the size, and wrapped, its height about with the square.
int guessedSteps(qreal points, const QRect& needed, const QSize& box, bool wordWrap) {
    const qreal wide = qreal(box.width()) / std::max(needed.width(), 1);
    const qreal high = qreal(box.height()) / std::max(needed.height(), 1);
    const qreal shrink = wordWrap ? std::min(wide, std::sqrt(high)) : std::min(wide, high);
    return std::max(1, int(std::ceil(points * (1 - shrink) / kStepPoints)));
}

}  // namespace

bool textFits(const QFont& font, const QString& text, const QSize& box, bool wordWrap) {
    return inside(neededRect(font, text, box, wordWrap), box);
}

// The largest size that fits, found from a guess and its neighbours rather than step by step
// from the top: every size tried loads a font of its own, and in a large window a translated
// text may lie twenty steps down. A text that fits at a size fits at every smaller one, so the
// first size that fits, coming down, lies just under the last that does not.
QFont fittedFont(const QFont& font, const QString& text, const QSize& box, bool wordWrap,
                 qreal minimumPoints) {
    const qreal top = font.pointSizeF();
    if (top <= minimumPoints) return font;
    const QRect needed = neededRect(font, text, box, wordWrap);
    if (inside(needed, box)) return font;
    QFont fitted = font;
    const auto points = [top](int steps) { return top - steps * kStepPoints; };
    const auto fitsAt = [&](int steps) {
        fitted.setPointSizeF(points(steps));
        return textFits(fitted, text, box, wordWrap);
    };
    int steps = guessedSteps(top, needed, box, wordWrap);
    while (steps > 1 && points(steps) <= minimumPoints)
        --steps;
    if (fitsAt(steps)) {
        while (steps > 1 && fitsAt(steps - 1))
            --steps;
    } else {
        do {
            ++steps;
        } while (points(steps) > minimumPoints && !fitsAt(steps));
    }
    fitted.setPointSizeF(points(steps) > minimumPoints ? points(steps) : minimumPoints);
    return fitted;
}

QSize textBox(const QWidget& control, qreal scale) {
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        // The style frames a button's text; only what lies inside the frame holds it.
        QStyleOptionButton option;
        option.initFrom(button);
        if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .size();
    }
    // A label's text has room up to the next label on its line that begins inside its box.
    QSize room = control.contentsRect().size();
    if (!control.parentWidget()) return room;
    const QRect own = control.geometry();
    for (const QLabel* next :
         control.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect other = next->geometry();
        const int middle = other.center().y();
        if (other.left() > own.left() && other.left() <= own.right() && middle >= own.top() &&
            middle <= own.bottom()) {
            const int overhang = qRound(kNeighbourOverhang * scale);
            room.setWidth(std::min(room.width(), other.left() - own.left() + overhang));
        }
    }
    return room;
}

void fitText(QWidget& control, const QFont& design, qreal scale) {
    control.setFont(fittedFont(design, textOf(control), textBox(control, scale), wraps(control),
                               kMinimumPoints * scale));
}

}  // namespace varn
