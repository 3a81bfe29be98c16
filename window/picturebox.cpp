// picturebox.cpp: painting a picture box and turning a press and release on it into a click.
#include "picturebox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace varn {

PictureBox::PictureBox(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
}

void PictureBox::setPicture(const QPixmap& picture, Fill fill) {
    if (picture.cacheKey() == m_picture.cacheKey() && fill == m_fill) return;
    m_picture = picture;
    m_fill = fill;
    update();
}

void PictureBox::setBackground(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    setAutoFillBackground(true);
}

void PictureBox::setCursorShown(bool shown) {
    if (shown == m_cursorShown) return;
    m_cursorShown = shown;
    update();
}

void PictureBox::setRingWidth(qreal width) {
    if (width == m_ringWidth) return;
    m_ringWidth = width;
    update();
}

void PictureBox::setOutline(unsigned outline) {
    if (outline == m_outline) return;
    m_outline = outline;
    update();
}

bool PictureBox::isPressKey(const QKeyEvent& event) {
    const int key = event.key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inside = m_border ? rect().adjusted(1, 1, -1, -1) : rect();
    switch (m_fill) {
        case Fill::TopLeft:
            painter.drawPixmap(inside.topLeft(), m_picture);
            break;
        case Fill::Tiled:
            painter.drawTiledPixmap(inside, m_picture);
            break;
        case Fill::Centred: {
            const QSize size = m_picture.deviceIndependentSize().toSize();
            QRect target(QPoint(), size);
            target.moveCenter(inside.center());
            painter.drawPixmap(target.topLeft(), m_picture);
            break;
        }
    }
    if (m_border) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (m_outline) drawOutline(painter);
    if (m_cursorShown || (m_button && hasFocus())) drawRings(painter);
}

// A dark ring and a light ring inside it: one of them stands out on any picture, in colour or
// in grey. Drawn as lines, it stays sharp at any pixel ratio.
void PictureBox::drawRings(QPainter& painter) const {
    // Inside the hint's outline, which stays whole.
    const qreal inset = m_ringWidth / 2 + (m_outline ? 2 * m_ringWidth : 0);
    const QRectF outer = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, m_ringWidth));
    painter.drawRect(outer);
    painter.setPen(QPen(Qt::white, m_ringWidth));
    painter.drawRect(outer.adjusted(m_ringWidth, m_ringWidth, -m_ringWidth, -m_ringWidth));
}

// A band of a colour that no picture has, edged on its inner side by a dark line, so that it
// stands out on light and dark pictures alike and never looks like the keyboard's rings. Drawn
// as rectangles at the window's scale, it stays sharp at any size.
void PictureBox::drawOutline(QPainter& painter) const {
    const QRectF all(rect());
    const qreal band = 2 * m_ringWidth;
    const auto fill = [&](qreal width, const QColor& colour) {
        const QRectF inner = all.adjusted(width, width, -width, -width);
        const std::pair<unsigned, QRectF> parts[] = {
            {Top, QRectF(all.left(), all.top(), all.width(), width)},
            {Bottom, QRectF(all.left(), inner.bottom(), all.width(), width)},
            {Left, QRectF(all.left(), all.top(), width, all.height())},
            {Right, QRectF(inner.right(), all.top(), width, all.height())},
            {TopLeft, QRectF(all.left(), all.top(), width, width)},
            {TopRight, QRectF(inner.right(), all.top(), width, width)},
            {BottomRight, QRectF(inner.right(), inner.bottom(), width, width)},
            {BottomLeft, QRectF(all.left(), inner.bottom(), width, width)}};
        for (const auto& [side, part] : parts) {
            if (m_outline & side) painter.fillRect(part, colour);
        }
    };
    fill(band, QColor(20, 20, 20));
    fill(band - m_ringWidth / 2, QColor(255, 0, 200));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

// Only a button shows that it holds the keyboard; the board's frame leaves that to its cells,
// and a hint that gives it the keys repaints no more than the cells it marks.
void PictureBox::focusInEvent(QFocusEvent*) {
    if (m_button) update();
}

void PictureBox::focusOutEvent(QFocusEvent*) {
    if (m_button) update();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = std::exchange(m_pressed, false) && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (click) emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (m_button && isPressKey(*event)) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace varn
