// picturebox.cpp: painting a picture box and turning a press and release on it into a click.
#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

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
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) emit clicked();
}

}  // namespace varn
