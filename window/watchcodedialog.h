// watchcodedialog.h: "Watch a game code…": a field wide enough for a code, and the reason when it
// cannot be watched.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPlainTextEdit;

namespace varn {

// The code wraps in its field, so the whole of it can be read before it is watched. "Watch"
// hands the text to `check`, which gives an empty reason for a code that can be watched, and
// the dialog closes as accepted; any other reason stands under the field, which keeps the text
// for the player to mend.
class WatchCodeDialog : public QDialog {
    Q_OBJECT

  public:
    using Check = std::function<QString(const QString& text)>;
    WatchCodeDialog(Check check, QWidget* parent = nullptr);

    QString text() const;
    // Whether the player chose "Review" rather than "Watch".
    bool reviewChosen() const { return m_review; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tryWatch(bool review = false);

    Check m_check;
    QPlainTextEdit* m_code;
    QLabel* m_problem;
    bool m_review = false;
};

}  // namespace varn
