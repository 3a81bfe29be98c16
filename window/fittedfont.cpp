// fittedfont.cpp: shrinking a control's font just enough for its text.
#include "fittedfont.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <algorithm>

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

}  // namespace

bool textFits(const QFont& font, const QString& text, const QSize& box, bool wordWrap) {
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wordWrap ? Qt::TextWordWrap : 0);
    const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(), box), flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

QFont fittedFont(const QFont& font, const QString& text, const QSize& box, bool wordWrap,
                 qreal minimumPoints) {
    QFont fitted = font;
    for (qreal points = font.pointSizeF(); points > minimumPoints; points -= kStepPoints) {
        fitted.setPointSizeF(points);
        if (textFits(fitted, text, box, wordWrap)) return fitted;
    }
    fitted.setPointSizeF(std::min(minimumPoints, font.pointSizeF()));
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
