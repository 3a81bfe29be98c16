// picturebox.h: a frame that shows a picture at its top-left corner and reports clicks.
#pragma once

#include <QPixmap>
#include <QWidget>

class QKeyEvent;
class QPainter;

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

    // A box that acts as a button offers assistive tools a press, and takes Space and Return
    // as one while it holds the keyboard focus, which it then shows.
    void setButton(bool button) { m_button = button; }
    bool isButton() const { return m_button; }
    // The board's keyboard cursor, drawn over the picture.
    void setCursorShown(bool shown);
    bool cursorShown() const { return m_cursorShown; }
    // The width of each of the cursor's two rings, which grows with the window's scale; the
    // hint's outline is as wide as both.
    void setRingWidth(qreal width);
    // The hint's outline, drawn along the sides given and in the corners given (Outline bits),
    // so that the cells of a group draw one outline round it together.
    enum Outline : unsigned {
        Top = 1,
        Right = 2,
        Bottom = 4,
        Left = 8,
        TopLeft = 16,
        TopRight = 32,
        BottomRight = 64,
        BottomLeft = 128,
        Round = Top | Right | Bottom | Left,
    };
    void setOutline(unsigned outline);
    unsigned outline() const { return m_outline; }
    void click() { emit clicked(); }

    // Space, Return and Enter press whatever holds the keyboard.
    static bool isPressKey(const QKeyEvent& event);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void drawRings(QPainter& painter) const;
    void drawOutline(QPainter& painter) const;

    QPixmap m_picture;
    Fill m_fill = Fill::TopLeft;
    bool m_border = false;
    bool m_pressed = false;
    bool m_button = false;
    bool m_cursorShown = false;
    qreal m_ringWidth = 2;
    unsigned m_outline = 0;
};

}  // namespace varn
