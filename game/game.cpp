// game.cpp: new game, the three transform buttons, and the history of the actions.
#include "game.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "playedcode.h"
#include "transforms.h"

namespace varn {

namespace {

// Counts a handler as running for as long as it runs, however it ends.
class Running {
  public:
    explicit Running(int& count) : m_count(count) { ++m_count; }
    ~Running() { --m_count; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

  private:
    int& m_count;
};

}  // namespace

Game::Game(GameWindow& window, UniformSource& random, HighScoreStore* highScore, BestGames* table,
           ChallengeBook* challenges)
    : m_moments(window),
      m_window(m_moments),
      m_random(random),
      m_scores(m_moments, highScore),
      m_dealer(m_tables, m_moments, random),
      m_settler(m_tables, m_moments, m_dealer),
      m_move(m_tables, m_moments, m_scores, m_settler),
      m_table(table),
      m_challenges(challenges) {
    m_moments.setMomentHandler([this] { atMoment(); });
}

GameState Game::state() const {
    return {m_tables.Board, m_scores.Score(), m_window.labelText(ScoreLabel::Label4),
            m_random.state()};
}

// Board input alone cannot tell a top-level action: a transform nested in a move enables the
// board again before the move has finished. The count of running handlers can.
template <typename Handler>
void Game::act(Handler handler, std::optional<PlayerAction> action) {
    const bool topLevel = m_running == 0;
    GameState before;
    if (topLevel) {
        before = state();
        m_newGameRan = false;
        m_moments.restart();
        m_recording.reset();
        if (action) m_recording = RecordedAction{*action, {}};
    } else if (action && m_recording) {
        m_recording->nested.push_back({m_moments.moment(), *action});
    }
    // A handler run inside a fall's wait has waits of its own.
    const bool waiting = m_settler.waitingForTick();
    m_settler.setWaitingForTick(false);
    {
        const Running running(m_running);
        handler();
    }
    m_settler.setWaitingForTick(waiting);
    if (!topLevel) {
        if (action) m_moments.next();
        return;
    }
    endAction(before);
}

void Game::endAction(const GameState& before) {
    // A new game emptied the history, and what the action did before it belongs to no game. Its
    // deal is where its actions start, unless the action went on in it after the deal.
    if (m_newGameRan) {
        if (!m_recording) m_history.beginDeal(state());
        tell(GameAction::NewGame, before);
        return;
    }
    const GameState after = state();
    if (after == before) return;  // a beep, an entered score
    m_history.record(before, after, m_recording);
    offerHistoryCommands();
    // A click that changed the game removed pieces: a move of a challenge.
    const bool move = m_recording && m_recording->action.isClick();
    if (move && m_challenge) countMove();
    if (m_listener) m_listener->actionEnded(GameAction::Change, before, after);
    if (playOver() && move) endChallenge();
}

void Game::tell(GameAction action, const GameState& before) {
    if (m_listener) m_listener->actionEnded(action, before, state());
}

// A challenge whose moves are spent keeps its board to look at; a click changes nothing.
void Game::Element_Click(int cell) {
    if (playOver()) return m_window.beep();
    act([this, cell] { m_move.Element_Click(cell); }, PlayerAction::click(cell));
}

void Game::Timer1_Timer() {
    const bool awaited = m_settler.waitingForTick();
    m_settler.Timer1_Timer();
    // A tick outside a wait finds no column falling and only stops the timer.
    if (awaited && m_running != 0) m_moments.advance();
}

bool Game::replay(const RecordedAction& action) {
    m_pending = action.nested;
    m_nextPending = 0;
    m_pendingPlayable = true;
    perform(action.action);
    const bool playable = m_pendingPlayable && m_nextPending == m_pending.size();
    m_pending.clear();
    return playable;
}

std::optional<GameCode> Game::code() const {
    std::optional<GameCode> played = playedCode(number(), m_history, state());
    if (played && !withinCodeBounds(played->actions)) return std::nullopt;
    return played;
}

std::optional<Replay> Game::lastActions(std::size_t most) const {
    return lastActionsOf(playedCode(number(), m_history, state()), m_history, most);
}

void Game::startReplay(const Replay& replay) {
    if (replay.start) {
        resume(*replay.start, History(), 0);
        return;
    }
    m_random.chooseNextGame(replay.code.number);
    ng_click();
}

void Game::perform(PlayerAction action) {
    switch (action.code) {
        case PlayerAction::kMirror:
            return Picture6_Click();
        case PlayerAction::kLeft:
            return Picture7_Click();
        case PlayerAction::kRight:
            return picture8_click();
        default:
            return Element_Click(action.code);
    }
}

// Runs what a replay has for this moment. Each one ends by starting a moment of its own, where
// what came after it in the same pass runs, in this loop: only what the player did inside it
// runs inside it, and a code's depth is bounded by its count of actions inside one.
void Game::atMoment() {
    while (m_nextPending < m_pending.size() &&
           m_pending[m_nextPending].moment == m_moments.moment()) {
        const PlayerAction next = m_pending[m_nextPending++].action;
        if (next.isClick() && !m_window.boardEnabled()) {
            m_pendingPlayable = false;
            m_nextPending = m_pending.size();
            return;
        }
        perform(next);
    }
}

void Game::Command1_Click() {
    act([this] {
        m_scores.Command1_Click();
        offerToTable();
    });
}

// Every press counts in the statistics; the name is asked only of a score that makes the table.
void Game::offerToTable() {
    if (!m_table) return;
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    std::optional<Replay> played = lastActions(kTableActions);
    const ScoreOffer offer{number(), m_scores.Score(), now, m_hints,
                           played ? formatReplay(*played) : std::string()};
    if (!offer.counts()) return;
    const int rank = m_table->rankFor(offer);
    const std::string name =
        rank ? m_window.askName(m_table->proposedName(), rank, offer.score) : std::string();
    m_table->enter(offer, name);
}

void Game::ng_click() {
    act([this] { newGame(); });
}

// The day is taken before, by whoever starts the challenge (ChallengeBook).
bool Game::startChallenge(Days day) {
    if (m_running != 0 || !keptDay(day) || (m_challenge && m_challenge->day == day)) {
        m_window.beep();
        return false;
    }
    act([this, day] {
        m_random.chooseNextGame(challengeNumber(day));
        newGame();
        m_challenge = Challenge{day, 0};
        offerHistoryCommands();
    });
    return true;
}

void Game::newGame() {
    m_newGameRan = true;
    leaveChallenge();
    m_challenge.reset();
    if (m_table) m_table->gameEnded(m_scores.Score());
    m_random.newGame();
    m_history.clear();
    m_hints = 0;
    offerHistoryCommands();
    m_scores.resetScore();
    m_scores.LoadHiScore();
    m_window.setBoardEnabled(false);
    // The marks stay: a settle interrupted by this new game closes them like gaps.
    m_tables.Board.fill(piece::Empty);
    m_dealer.DealBoard();
}

// A transform may run at any moment, inside a move or another transform included: it works
// on the board as it stands, treats every empty cell as a gap and leaves the board settled.
void Game::transformBoard(void (*permute)(BoardTables&), PlayerAction action) {
    if (playOver()) return m_window.beep();
    act(
        [this, permute] {
            m_window.setBoardEnabled(false);
            m_window.setPointer(Pointer::Busy);
            m_tables.clearMarks();
            permute(m_tables);
            m_settler.RedrawAndSettle();
            m_window.setBoardEnabled(true);
            m_window.setPointer(Pointer::Custom);
        },
        action);
}

void Game::Picture6_Click() {
    transformBoard(MirrorBoard, {PlayerAction::kMirror});
}
void Game::Picture7_Click() {
    transformBoard(RotateBoardCounterClockwise, {PlayerAction::kLeft});
}
void Game::picture8_click() {
    transformBoard(RotateBoardClockwise, {PlayerAction::kRight});
}

void Game::undo_Click() {
    if (refuseHistoryStep(m_history.canUndo())) return;
    const GameState before = state();
    restore(m_history.undo());
    tell(GameAction::Undo, before);
}

void Game::redo_Click() {
    if (refuseHistoryStep(m_history.canRedo())) return;
    const GameState before = state();
    restore(m_history.redo());
    tell(GameAction::Redo, before);
}

void Game::countHint() {
    m_hints = std::min(m_hints + 1, kMaxHints);
    if (m_listener) m_listener->hintCounted(m_hints);
}

void Game::resume(const GameState& state, History history, int hints) {
    m_window.setBoardEnabled(false);
    m_history = std::move(history);
    m_hints = std::clamp(hints, 0, kMaxHints);
    m_scores.LoadHiScore();
    m_tables.Board = state.board;
    m_tables.clearMarks();
    m_scores.restoreScore(state.score, state.label4);
    m_random.restore(state.random);
    m_dealer.LayOutBoard();
    offerHistoryCommands();
}

// Every result of a challenge is a first try: nothing is taken back during it.
bool Game::refuseHistoryStep(bool possible) {
    if (possible && !m_challenge && m_running == 0 && m_window.boardEnabled()) return false;
    m_window.beep();
    return true;
}

// Every cell is drawn and the score label set, so screen readers hear the new names and the
// score as after a move; nothing falls, no clip plays, and the high score stays as it is.
void Game::restore(const GameState& state) {
    m_tables.Board = state.board;
    m_tables.clearMarks();
    for (int cell = 0; cell < kCellCount; ++cell)
        m_settler.DrawCell(cell);
    m_scores.restoreScore(state.score, state.label4);
    m_random.restore(state.random);
    offerHistoryCommands();
}

void Game::offerHistoryCommands() {
    const bool free = !m_challenge;
    m_window.enableHistoryCommands(free && m_history.canUndo(), free && m_history.canRedo());
    m_window.showChallenge(m_challenge);
}

}  // namespace varn
