// padhintline.h: a line of a controller's buttons, each drawn as its glyph, and what they do.
#pragma once

#include <QWidget>
#include <vector>

#include "padreader.h"

namespace varn {

// The hints stand in the order given, each as its buttons' glyphs, a quarter taller than the
// font's lines, and its text, a quarter larger than the desktop's text and smaller where the
// line is short of room, down to 12 pixels. Where even that is too wide the last ones are left
// out rather than cut. It asks for the width of its first hint alone and stretches, so
// that a tool bar gives it the window's width and never folds it into an overflow menu.
class PadHintLine : public QWidget {
    Q_OBJECT

  public:
    struct Hint {
        std::vector<PadButton> buttons;
        QString text;
    };

    explicit PadHintLine(QWidget* parent = nullptr);

    void setHints(std::vector<Hint> hints);
    void setStyle(PadStyle style);
    // How many of the hints fit the line as it is wide now.
    int shownCount() const;
    int count() const { return int(m_hints.size()); }
    // The width that shows every hint.
    int fullWidth() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The width of each hint, and the room between two.
    std::vector<int> widths() const;
    int glyphHeight() const;
    int gap() const;
    // The largest font up to the preferred one at which every hint fits.
    void fit();

    std::vector<Hint> m_hints;
    PadStyle m_style = PadStyle::Lettered;
    int m_largest;  // the font's preferred size in pixels
};

}  // namespace varn
