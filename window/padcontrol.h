// padcontrol.h: the game controllers playing the window and every screen over it.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "command.h"
#include "padpoller.h"

class QMainWindow;

namespace varn {

class DesignView;
class GameSession;
class HelpPanel;
class PadHints;

// Polls the controllers once the window's first frame is out, and hands each press to what is
// in front, as long as one of the game's windows is active. On the board the buttons give the
// commands of the command table's controller column (a click on the cell under the cursor) and
// the d-pad moves the cursor; Start opens the "Game" menu. A menu, a dialog or the on-screen
// keyboard takes the d-pad and A, B and Start as its keys: arrows that a control does not take
// move the keys to the next control, A activates the control that holds them (it opens the
// keyboard on a line edit), B is Escape, and the shoulders turn a dialog's pages. While a game
// is watched the watch bar's controls take A, X, Y and B, and the d-pad walks the bar's buttons
// for A to press; while the help is up, A presses its
// button that has the keys, B and Start close it, the shoulders turn its page and the d-pad
// moves between its buttons or scrolls the page.
class PadControl : public QObject {
    Q_OBJECT

  public:
    using Run = std::function<void(Command command, int cell)>;

    // Commands go through `run`, as the window runs them.
    PadControl(QMainWindow& window, DesignView& view, HelpPanel& help, GameSession& session,
               Run run);
    ~PadControl() override;

    PadPoller& poller() { return *m_poller; }
    const PadHints& hints() const { return *m_hints; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void pressed(PadButton button, bool repeat);
    void onBoard(PadButton button);
    void inWatch(PadButton button);
    void inHelp(PadButton button);
    void inMenu(QWidget& menu, PadButton button);
    void inDialog(QWidget& dialog, PadButton button);
    void activate(QWidget& dialog, QWidget* focus);
    void walk(QWidget& dialog, QWidget* focus, bool forward);
    void turnPage(QWidget& dialog, int by);

    QMainWindow& m_window;
    DesignView& m_view;
    HelpPanel& m_help;
    Run m_run;
    std::unique_ptr<PadPoller> m_poller;
    std::unique_ptr<PadHints> m_hints;
};

}  // namespace varn
