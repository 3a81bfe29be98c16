// hintview.h: the hint shown on the design, to the eye, to the keyboard and to a screen reader.
#pragma once

#include <QString>
#include <vector>

#include "hint.h"

class QWidget;

namespace varn {

class DesignView;
class PictureBox;

// Until clear(), the group to click is outlined cell by cell, the keyboard cursor stands on
// the cell to click, and that cell's accessible description tells the group's size and its
// points; a turn or the mirror is shown on its picture button instead. Showing and clearing
// repaint the boxes marked and nothing else.
class HintView {
  public:
    explicit HintView(DesignView& view) : m_view(view) {}

    // Shows `hint`, a click or a transform; returns the picture button of a transform, which
    // the keys should go to, or null for a click, whose cell the cursor has come to.
    QWidget* show(const Hint& hint);
    void clear();

    // What a screen reader reads of the cell to click.
    static QString clickDescription(const Hint& hint);

  private:
    void mark(PictureBox* box, unsigned outline);

    DesignView& m_view;
    std::vector<PictureBox*> m_marked;
    QWidget* m_described = nullptr;
};

}  // namespace varn
