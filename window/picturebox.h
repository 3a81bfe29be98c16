// picturebox.h: a frame that shows a picture at its top-left corner and reports clicks.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace varn {

// The board cells, the picture buttons, the help panel and the score panel: a picture on a
// background colour, unscaled at the top-left corner, centred or tiled, optionally with a
// one-pixel border.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    enum class Fill { TopLeft, Centred, Tiled };

    PictureBox(const QString& name, QWidget* parent);

    void setPicture(const QPixmap& picture, Fill fill = Fill::TopLeft);
    const QPixmap& picture() const { return m_picture; }
    void setBackground(const QColor& colour);
    void setBorder(bool border) { m_border = border; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap m_picture;
    Fill m_fill = Fill::TopLeft;
    bool m_border = false;
    bool m_pressed = false;
};

}  // namespace varn
