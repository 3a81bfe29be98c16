// onscreenkeyboard.h: a keyboard on the screen for typing a name with a controller alone.
#pragma once

#include <QWidget>
#include <vector>

#include "padreader.h"

class QLineEdit;
class QPushButton;

namespace varn {

// A grid of keys, digits, the letters of the player's language, a few marks, Shift, Space,
// Backspace and Done, that types into a line edit. The keys are buttons that take the focus in
// turn, so a screen reader names each as the cursor comes to it. The arrows (the d-pad) walk
// the grid and wrap at its edges, Return or Space types the key (A), Escape closes the keyboard
// (B) and Backspace erases (X). A name's first letter, and one after a blank, come as capitals.
class OnScreenKeyboard : public QWidget {
    Q_OBJECT

  public:
    explicit OnScreenKeyboard(QLineEdit* target, QWidget* parent = nullptr);

    // A keyboard for `line`, shown in its window right under it (or below the window's other
    // controls), which goes again once closed and gives the window its own size back; the one
    // there already, if any.
    static OnScreenKeyboard* openUnder(QLineEdit& line);

    // A controller's press, as the keys above; Y types a blank and Start is Done.
    void press(PadButton button);

  signals:
    // Done (`done`) or Escape; the keyboard has hidden itself and handed the focus back to the
    // line edit.
    void closed(bool done);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    enum class Role { Character, Shift, Space, Backspace, Done };
    struct Key {
        QPushButton* button;
        Role role;
        QString character;  // a letter as a capital
        int start;          // the columns it covers, in halves of a key
        int span;
    };

    void addRow(int row, const QString& characters, int width);
    void addKey(int row, Key key, const QString& name);
    void move(int rows, int keys);
    void moveTo(int row, int index);
    void typed(const Key& key);
    void insert(const QString& text);
    void erase();
    void close(bool done);
    void showCase();

    QLineEdit* m_target;
    std::vector<std::vector<Key>> m_rows;
    int m_row = 1;
    int m_index = 0;
    int m_column = 1;  // where a walk up or down aims, in halves of a key
    bool m_shift = false;
    bool m_replace = false;  // the first key replaces the text, which was all selected
};

}  // namespace varn
