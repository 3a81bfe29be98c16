// game.h: the whole game behind the window: board, scores and the handlers of every command.
#pragma once

#include <cstddef>
#include <cstdint>

#include "actionlistener.h"
#include "bestgames.h"
#include "boardtables.h"
#include "challenge.h"
#include "dealer.h"
#include "gamecode.h"
#include "gamewindow.h"
#include "highscorestore.h"
#include "history.h"
#include "momentwindow.h"
#include "move.h"
#include "scorekeeper.h"
#include "settler.h"
#include "uniformsource.h"

namespace varn {

class Game {
  public:
    // The rules keep no file of their own: the high score and the table of the best games are
    // what the caller gives, and they must outlive the game. Without a high-score store the
    // high score lives in its label; without a table, "Enter score" keeps to the high score.
    Game(GameWindow& window, UniformSource& random, HighScoreStore* highScore = nullptr,
         BestGames* table = nullptr, ChallengeBook* challenges = nullptr);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    BoardTables& tables() { return m_tables; }
    const BoardTables& tables() const { return m_tables; }
    const ScoreKeeper& scores() const { return m_scores; }
    const History& history() const { return m_history; }
    // Where the deal's numbers stand: a hint plays the future on a copy of it.
    const UniformSource& random() const { return m_random; }
    // What the history keeps: the board, the score and its label, the random position.
    GameState state() const;

    // A click on cell 0..99.
    void Element_Click(int cell);
    // A tick of the falling timer.
    void Timer1_Timer();
    // The three picture buttons: mirror, a quarter turn left, a quarter turn right.
    void Picture6_Click();
    void Picture7_Click();
    void picture8_click();
    // "New game": the game before ends for the statistics, the random source begins a new game,
    // score 0, high score from the file, a whole new board, an empty history.
    void ng_click();
    // "Enter score": the high score's rules, then the score is offered to the table of the best
    // games, under the game's number, which is the seed of its random numbers.
    void Command1_Click();
    // Each row of the table of the best games keeps this many of its game's last actions.
    static constexpr std::size_t kTableActions = 10'000;
    // The game's number; 0 for numbers that were given, which belong to no game.
    std::uint32_t number() const { return m_random.state().seed; }
    // "Undo" and "Redo": put back the state before the last action, or after the action undone
    // last. Refused with the beep while an action runs or the board is disabled, and when
    // there is nothing to undo or to redo.
    void undo_Click();
    void redo_Click();
    // The game has shown a hint. The count goes with the score to the table of the best games;
    // only a new game starts it again at 0, an undo keeps it.
    void countHint();
    int hints() const { return m_hints; }

    // Puts a saved game back between actions, as a game start shows it: the high score read
    // from its file, every cell placed and shown with the piece of `state`, the score, its label
    // and the random position of `state`, `history` with undo and redo as they stood, and the
    // count of hints used. Nothing is dealt and no clip plays.
    void resume(const GameState& state, History history, int hints);
    // "Today's challenge": a new game that deals the game of `day` and ends after
    // kChallengeMoves moves, without undo. Refused with the beep inside an action, for a day
    // that the files cannot hold, and while that challenge is in progress; the caller sees to it
    // that each day's challenge is played once. Returns whether it began.
    bool startChallenge(Days day);
    // Ends the challenge in progress before its last move, with the score made so far, as a
    // new game does; the board stays to look at, as after the last move.
    void leaveChallenge();
    // The challenge in progress, or none; one whose moves are spent stays until a new game.
    const std::optional<Challenge>& challenge() const { return m_challenge; }
    // Puts a saved game's challenge back after resume().
    void continueChallenge(const std::optional<Challenge>& challenge);

    // Told after every top-level action that changed the state; null for none.
    void setActionListener(ActionListener* listener) { m_listener = listener; }
    // Whether an action runs: another can then only run inside it.
    bool busy() const { return m_running != 0; }

    // Runs `action` as the player did, as a top-level action, and what ran inside it at the
    // moments it ran: the same actions on the same state lead to the same state. False when it
    // is no action a player could make: one inside it whose moment never came, or a click made
    // while the board took none. The game is then no game a player played, and goes no further.
    bool replay(const RecordedAction& action);
    // The code of the game as it stands: its number and the actions from its deal to here. None
    // for a game whose numbers were given, or that did not start at its deal (one begun inside
    // a move, or saved by a Varn that kept no actions), whose board was laid out from outside,
    // or whose actions are past the bounds of a code.
    std::optional<GameCode> code() const;
    // The code's last `most` actions at most, from the state before them when they are not all.
    std::optional<Replay> lastActions(std::size_t most) const;
    // The game a replay starts in: the deal of its number, or the state it gives, as a game
    // continued at start-up is put back.
    void startReplay(const Replay& replay);

  private:
    // Runs a handler as one action. Only a top-level action, begun while no other ran, adds
    // its state to the history, and only when it changed the state; whatever runs inside it
    // belongs to it.
    template <typename Handler>
    void act(Handler handler, std::optional<PlayerAction> action = std::nullopt);
    void perform(PlayerAction action);
    void atMoment();
    void endAction(const GameState& before);
    void newGame();
    void countMove();
    bool playOver() const { return m_challenge && m_challenge->over(); }
    void endChallenge();
    std::vector<std::int64_t> movePoints() const;
    void transformBoard(void (*permute)(BoardTables&), PlayerAction action);
    // A history step is taken only between actions, with board input enabled.
    bool refuseHistoryStep(bool possible);
    void restore(const GameState& state);
    void offerHistoryCommands();
    void tell(GameAction action, const GameState& before);
    void offerToTable();

    MomentWindow m_moments;  // the window as every part of the rules sees it
    GameWindow& m_window;
    UniformSource& m_random;
    BoardTables m_tables;
    ScoreKeeper m_scores;
    Dealer m_dealer;
    Settler m_settler;
    Move m_move;
    History m_history;
    ActionListener* m_listener = nullptr;
    BestGames* m_table;
    ChallengeBook* m_challenges;
    std::optional<Challenge> m_challenge;
    int m_hints = 0;
    int m_running = 0;          // handlers of actions in progress, nested ones included
    bool m_newGameRan = false;  // inside the current top-level action
    // What the player did in the current top-level action, when it is one that a game keeps.
    std::optional<RecordedAction> m_recording;
    // What a replay still has to run inside the current top-level action, in order.
    std::vector<NestedAction> m_pending;
    std::size_t m_nextPending = 0;
    bool m_pendingPlayable = true;
};

}  // namespace varn
