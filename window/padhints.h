// padhints.h: the controller's glyphs in place of the keyboard's hints while a controller plays.
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "padreader.h"

class QAbstractButton;
class QAction;
class QMainWindow;
class QToolBar;

namespace varn {

class OnScreenKeyboard;
class PadHintLine;
class PadPoller;

// From a controller's press until a key or a click, the screens show the controller's buttons,
// in the style of the controller used last: a line under the board of what each button does
// there, the glyph of each dialog's buttons that a controller's button presses (padmap.h), the
// watch bar's controls, and the on-screen keyboard's keys. A key or a click takes them away
// again. A controller pulled out leaves them until then: its player may plug it back.
class PadHints : public QObject {
    Q_OBJECT

  public:
    PadHints(QMainWindow& window, PadPoller& poller);
    ~PadHints() override;

    void padUsed();
    bool padShown() const { return m_pad; }
    // The line under the board, once built.
    const PadHintLine* line() const { return m_line; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setPad(bool pad);
    void refresh();
    void refreshLine();
    void markDialog(QWidget& dialog);
    void markWatchBar();
    void mark(QAbstractButton* button, PadButton glyph);
    void mark(QAction* action, PadButton glyph);
    void unmarkAll();
    // Under `keyboard`, the keys of the controller that it takes.
    void explain(OnScreenKeyboard& keyboard);

    QMainWindow& m_window;
    PadPoller& m_poller;
    QToolBar* m_bar = nullptr;  // holds m_line
    PadHintLine* m_line = nullptr;
    std::vector<QPointer<QAbstractButton>> m_buttons;  // marked with a glyph
    std::vector<QPointer<QAction>> m_actions;
    std::vector<QPointer<PadHintLine>> m_keyboardLines;
    bool m_pad = false;
};

}  // namespace varn
