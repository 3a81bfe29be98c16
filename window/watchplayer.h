// watchplayer.h: a game watched again in the window, from a game code or a row of the best
// games, with its own controls, while the game in progress waits aside.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "game.h"
#include "gamecode.h"
#include "highscorestore.h"
#include "judgement.h"
#include "splitmixsource.h"

class QAction;
class QLabel;
class QToolBar;

namespace varn {

class Form1;
class GameSession;
class ReviewPanel;

// The watched game is a game of its own on the window's board and labels: its own random
// numbers and falling timer, the high score shown as it stands and never stored, no table and
// no saved game. It plays an action every kPace at speed 1, and the falls keep the design's
// pace at that speed. When the player stops watching, the game in progress is put back as it
// was; until then the window gives the rules no command (Form1 asks watching()).
class WatchPlayer : public QObject, public GameWindow, public HighScoreStore {
    Q_OBJECT

  public:
    static constexpr int kPace = 700;  // milliseconds between two actions at speed 1
    static constexpr int kFastest = 8;

    WatchPlayer(Form1& form, GameSession& session);
    ~WatchPlayer() override;

    // Starts watching from the replay's first state; false, with nothing changed, while the
    // game in progress is inside an action.
    bool watch(const Replay& replay);
    // Watches the game that `review` judged, paused at its start, with the review's panel
    // beside it: an action chosen there shows the game where it was played, the search's best
    // action outlined as a hint is.
    bool review(const Replay& replay, const GameReview& review);
    bool watching() const { return m_game != nullptr; }
    void togglePause();
    // One action, while paused.
    void step();
    // Doubles the speed, and after the fastest goes back to speed 1.
    void faster();
    // Puts the game in progress back; inside an action, once the action has ended.
    void stop();

    // The window as the watched game sees it: the form's board and labels, its own timer.
    std::string labelText(ScoreLabel label) const override;
    void setLabelText(ScoreLabel label, const std::string& text) override;
    void beep() override;
    void showPattern(int cell, int pattern) override;
    void setCellVisible(int cell, bool visible) override;
    void placeCell(int cell, int left, int top, int width, int height) override;
    int boardLeft() const override;
    int boardTop() const override;
    void repaintCell(int cell) override;
    void repaintBoard() override;
    void setBoardEnabled(bool enabled) override;
    bool boardEnabled() const override;
    void focusBoard() override {}
    void setPointer(Pointer pointer) override;
    void startTimer() override { m_fall.start(); }
    void stopTimer() override { m_fall.stop(); }
    bool timerRunning() const override { return m_fall.isActive(); }
    void doEvents() override;
    void playClip(int clip) override;
    void enableHistoryCommands(bool, bool) override {}
    std::string askName(const std::string&, int, std::int64_t) override { return {}; }

    void load(Loaded loaded) override;
    void store(double, const std::string&, Done) override {}

  private:
    void buildBar();
    // The control `name`, which gives `key` too.
    QAction* addControl(const char* name, const QString& text, const QString& key,
                        void (WatchPlayer::*slot)());
    void playNext();
    bool playOne();
    // The game as it stood before action `index`, paused there.
    void showAction(int index);
    void setPaused(bool paused);
    void finish();
    void showProgress();

    Form1& m_form;
    GameSession& m_session;
    SplitMixSource m_random{1};
    std::unique_ptr<Game> m_game;
    Replay m_replay;
    std::size_t m_next = 0;
    // The game in progress, as it was when the watch began.
    GameState m_keptState;
    History m_keptHistory;
    int m_keptHints = 0;
    QTimer m_pace;
    QTimer m_fall;
    int m_speed = 1;
    bool m_paused = false;
    bool m_acting = false;
    bool m_stopAsked = false;
    QToolBar* m_bar = nullptr;
    QAction* m_pause = nullptr;
    QLabel* m_progress = nullptr;
    GameReview m_review;  // of the game watched, or empty
    QPointer<ReviewPanel> m_panel;
};

}  // namespace varn
