// cellwidget.cpp: painting a cell and turning a press and release on it into a click.
#include "cellwidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace varn {

CellWidget::CellWidget(int index, QWidget* parent) : QWidget(parent), m_index(index) {
    setObjectName(QStringLiteral("Element"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellWidget::setPicture(const QPixmap& picture) {
    if (picture.cacheKey() == m_picture.cacheKey()) return;
    m_picture = picture;
    update();
}

void CellWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawPixmap(0, 0, m_picture);
}

void CellWidget::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) emit clicked(m_index);
}

}  // namespace varn
