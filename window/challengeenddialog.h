// challengeenddialog.h: the dialog at the end of a challenge: its score, its rank and its result.
#pragma once

#include <QDialog>

#include "challenge.h"

class QDialogButtonBox;
class QLabel;
class QPushButton;

namespace varn {

// Shows the score, the day's par once the search has worked it out, and the rank among the
// player's challenges. "Copy result" puts the result line on the clipboard, to paste in a chat
// without spoiling the day for a friend who has not played it; "Copy game code" puts the whole
// game there. Each says that it copied. "Review" and "Watch par" ask for the player's game
// judged and for the search's own game. It changes nothing of the game, and is no wider than the
// window it stands over.
class ChallengeEndDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ChallengeEndDialog(const ChallengeResult& result, QWidget* parent = nullptr);

    const QString& resultLine() const { return m_line; }
    // The par, found after the dialog opened.
    void setPar(std::int64_t par, const std::string& code);

  signals:
    void reviewAsked(const std::string& code);
    void parWatchAsked(const std::string& code);

  private:
    QDialogButtonBox* buildButtons();
    void copy(const QString& text, const QString& said);

    ChallengeResult m_result;
    QString m_line;
    std::string m_parCode;
    QLabel* m_par = nullptr;
    QLabel* m_shared = nullptr;
    QLabel* m_copied = nullptr;
    QPushButton* m_watchPar = nullptr;
};

}  // namespace varn
