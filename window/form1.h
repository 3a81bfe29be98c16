// form1.h: the game's only window: the design's handlers, and the window operations through
// which the rules and the sound players act on it.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <string>

#include "challengecontrol.h"
#include "codecontrol.h"
#include "command.h"
#include "commandrouter.h"
#include "designtable.h"
#include "designview.h"
#include "gamechooser.h"
#include "gamesession.h"
#include "helppanel.h"
#include "hintcontrol.h"
#include "reviewcontrol.h"
#include "padcontrol.h"
#include "scorepanel.h"
#include "soundplayers.h"

class QLabel;

namespace varn {

class DesignMenuBar;
class PictureProvider;
class WindowSettings;
class WindowZoom;
class WatchPlayer;

class Form1 : public QMainWindow, public GameWindow {
    Q_OBJECT

  public:
    // The rules, the sound and the timer of `session` act on this window until it closes; its
    // pictures come from `pictures`. Both must outlive the window.
    Form1(GameSession& session, PictureProvider& pictures);
    ~Form1() override;

    Game& game() { return m_session.game(); }
    // How often the window has beeped: the only trace a beep leaves.
    int beepCount() const { return m_beeps; }
    // The one scale from the design's twips to the window's pixels.
    const DesignScale& scale() const { return m_view->scale(); }

    // Handlers of the window's own events and of its commands.
    void form_load();
    void form_click();
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode);
    void pomoc_Click();
    void Command5_Click();
    void Command6_Click() { m_help->turnPage(); }
    void PlayClip(int clip) { m_session.sound().play(clip); }
    void gameNumber_Click() { m_chooser->chooseNumber(); }
    void scores_Click() { m_chooser->showScores(); }
    void challenge_Click() { m_challenge->start(); }
    // "Hint": the game's next action, searched on a thread of its own and shown when found;
    // a beep while pieces fall, or when nothing can be removed.
    void hint_Click() { m_hint->ask(); }
    // A click, a key or an assistive tool's press on a cell: a move, or a beep while busy.
    void playCell(int cell);
    void copyCode_Click() { m_codes->copy(); }
    void watchCode_Click() { m_codes->ask(); }
    void review_Click() { m_review->reviewGame(); }
    void watch(const Replay& replay) { m_codes->watch(replay); }
    WatchPlayer& watchPlayer() { return *m_watch; }
    void clearHint() { m_hint->clear(); }
    void outlineHint(const Hint& hint) { m_hint->outline(hint); }
    bool helpShown() const { return m_help->shown(); }
    void keepSettings();

    // The window operations of the rules.
    std::string labelText(ScoreLabel label) const override { return m_scores->text(label); }
    void setLabelText(ScoreLabel label, const std::string& text) override {
        m_scores->setText(label, text);
    }
    void beep() override;
    void showPattern(int cell, int pattern) override { m_view->showPattern(cell, pattern); }
    void setCellVisible(int cell, bool visible) override {
        m_view->cell(cell)->setVisible(visible);
    }
    void placeCell(int cell, int left, int top, int width, int height) override {
        m_view->placeCell(cell, QRect(left, top, width, height));
    }
    int boardLeft() const override { return designTable().cells.origin.x(); }
    int boardTop() const override { return designTable().cells.origin.y(); }
    void repaintCell(int cell) override { m_view->cell(cell)->repaint(); }
    void repaintBoard() override { m_view->boardFrame()->repaint(); }
    void setBoardEnabled(bool enabled) override;
    bool boardEnabled() const override;
    void focusBoard() override;
    void setPointer(Pointer pointer) override { m_view->setPointer(pointer); }
    void startTimer() override { m_session.fallTimer().start(); }
    void stopTimer() override { m_session.fallTimer().stop(); }
    bool timerRunning() const override { return m_session.fallTimer().isActive(); }
    void doEvents() override;
    void playClip(int clip) override { PlayClip(clip); }
    void enableHistoryCommands(bool undo, bool redo) override;
    std::string askName(const std::string& proposed, int rank, std::int64_t score) override {
        return m_chooser->askName(proposed, rank, score);
    }
    void showChallenge(const std::optional<Challenge>& challenge) override {
        m_challenge->show(challenge);
    }
    void challengeOver(const ChallengeResult& result) override { m_challenge->over(result); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The menu bar, and the zoom and the settings, which keep their state in its items.
    void buildMenus();
    // The help's panel, text and button, and the controls of the challenge, the hint and codes.
    void buildControls();

    GameSession& m_session;
    DesignView* m_view = nullptr;
    std::unique_ptr<DesignMenuBar> m_menus;
    WindowZoom* m_zoom = nullptr;
    std::unique_ptr<WindowSettings> m_settings;
    QWidget* m_board = nullptr;  // Podloga, the backing whose state is board input
    std::unique_ptr<HelpPanel> m_help;
    std::unique_ptr<ScorePanel> m_scores;
    std::unique_ptr<GameChooser> m_chooser;
    std::unique_ptr<HintControl> m_hint;
    std::unique_ptr<ChallengeControl> m_challenge;
    std::unique_ptr<WatchPlayer> m_watch;
    std::unique_ptr<CodeControl> m_codes;
    std::unique_ptr<ReviewControl> m_review;
    std::unique_ptr<CommandRouter> m_router;
    std::unique_ptr<PadControl> m_pad;
    int m_beeps = 0;
};

}  // namespace varn
