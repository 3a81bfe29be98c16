// gamenumberdialog.h: the "Game number…" dialog: this game's number, and another to play.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varn {

// The current number stands selected in a field that can be read, selected and copied but not
// changed, so Ctrl+C copies it at once. Below, "Play" starts the number written in the second
// field, and stays unavailable, with a line that says why, while that is no game number or is
// `withheld`, today's challenge still to be played. A `current` of 0 is a game whose number
// is withheld too.
class GameNumberDialog : public QDialog {
    Q_OBJECT

  public:
    GameNumberDialog(std::uint32_t current, std::uint32_t withheld, QWidget* parent = nullptr);

    // The number to play, once "Play" accepted it.
    std::optional<std::uint32_t> chosenGame() const { return m_chosen; }

  private:
    // Whether the number written can be played.
    bool check();

    QLineEdit* m_other;
    QLabel* m_problem;
    std::uint32_t m_withheld;
    QPushButton* m_play = nullptr;
    std::optional<std::uint32_t> m_chosen;
};

}  // namespace varn
