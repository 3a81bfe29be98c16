// helppanel.h: the help's panel over the board, its two pages and its buttons.
#pragma once

#include <QObject>
#include <QPointer>

#include "padreader.h"

class QLabel;
class QPushButton;
class QTextBrowser;
class QWidget;

namespace varn {

class DesignView;

// The keyboard follows the panel while it is shown, so Escape or Return close it, and then
// goes back where it was. The panel opens on the game's own text; "Controls" turns it to the
// controls of the keyboard and the controller and a few words on the hint, today's challenge
// and game codes, which scroll where they run longer than the panel, and back.
class HelpPanel : public QObject {
    Q_OBJECT

  public:
    explicit HelpPanel(DesignView& view);

    // Start-up: the text in the player's language, and the panel hidden.
    void prepare();
    // "Help": the keys come from `focus`, which gets them back when the panel closes.
    void show(QWidget* focus);
    // "OK".
    void hide();
    bool shown() const;
    // "Controls", and back.
    void turnPage();
    bool onControls() const;
    // The controller's buttons as the controller used last marks them.
    void setPadStyle(PadStyle style);
    // The controls' page, which the arrows scroll; null until first turned to.
    QTextBrowser* controls() const { return m_controls; }
    // While the panel covers the board, a key meant for OK must not play a covered cell: the
    // keys go to `widget` once the panel closes instead of now.
    void giveKeysAfter(QWidget* widget) { m_focusBefore = widget; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPage(bool controls);
    void writeControls();

    DesignView& m_view;
    QWidget* m_panel;                    // Picture12
    QLabel* m_text;                      // Label3
    QWidget* m_ok;                       // Command5
    QPushButton* m_turn;                 // Command6
    QTextBrowser* m_controls = nullptr;  // in Label3's place
    PadStyle m_style = PadStyle::Lettered;
    QPointer<QWidget> m_focusBefore;
};

}  // namespace varn
