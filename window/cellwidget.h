// cellwidget.h: one board cell, a borderless picture that reports a click with its index.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace varn {

class CellWidget : public QWidget {
    Q_OBJECT

  public:
    CellWidget(int index, QWidget* parent);

    // Shown unscaled from the top-left corner; a smaller picture leaves the face colour showing.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

  signals:
    void clicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int m_index;
    QPixmap m_picture;
    bool m_pressed = false;
};

}  // namespace varn
