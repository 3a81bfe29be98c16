// challengeenddialog.h: the dialog at the end of a challenge: its score, its rank and its result.
#pragma once

#include <QDialog>
#include <cstdint>

#include "challenge.h"

namespace varn {

// Shows the score and its rank among the player's challenges; "Copy result" puts the result
// line on the clipboard, to paste in a chat. It changes nothing of the game.
class ChallengeEndDialog : public QDialog {
    Q_OBJECT

  public:
    ChallengeEndDialog(const ChallengeResult& result, std::uint32_t game,
                       QWidget* parent = nullptr);

    const QString& resultLine() const { return m_line; }

  private:
    QString m_line;
};

}  // namespace varn
