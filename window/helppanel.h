// helppanel.h: the help's panel over the board, its text and its OK button.
#pragma once

#include <QPointer>

class QLabel;
class QWidget;

namespace varn {

class DesignView;

// The keyboard follows the panel while it is shown, so Escape or Return close it, and then
// goes back where it was.
class HelpPanel {
  public:
    explicit HelpPanel(DesignView& view);

    // Start-up: the text in the player's language, and the panel hidden.
    void prepare();
    // "Help": the keys come from `focus`, which gets them back when the panel closes.
    void show(QWidget* focus);
    // "OK".
    void hide();
    bool shown() const;
    // While the panel covers the board, a key meant for OK must not play a covered cell: the
    // keys go to `widget` once the panel closes instead of now.
    void giveKeysAfter(QWidget* widget) { m_focusBefore = widget; }

  private:
    DesignView& m_view;
    QWidget* m_panel;  // Picture12
    QLabel* m_text;    // Label3
    QWidget* m_ok;     // Command5
    QPointer<QWidget> m_focusBefore;
};

}  // namespace varn
