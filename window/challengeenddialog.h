// challengeenddialog.h: the dialog at the end of a challenge: its score, its rank and its result.
#pragma once

#include <QDialog>

#include "challenge.h"

class QLabel;

namespace varn {

// Shows the score and its rank among the player's challenges. "Copy result" puts the result
// line on the clipboard, to paste in a chat without spoiling the day for a friend who has not
// played it; "Copy game code" puts the whole game there. Each says that it copied. It changes
// nothing of the game, and is no wider than the window it stands over.
class ChallengeEndDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ChallengeEndDialog(const ChallengeResult& result, QWidget* parent = nullptr);

    const QString& resultLine() const { return m_line; }

  private:
    void copy(const QString& text, const QString& said);

    QString m_line;
    QLabel* m_copied = nullptr;
};

}  // namespace varn
