// rulescopy.h: a copy of the game's rules on a silent window, for a search to play.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "boardtables.h"
#include "dealer.h"
#include "hint.h"
#include "history.h"
#include "move.h"
#include "scorekeeper.h"
#include "settler.h"
#include "silentwindow.h"
#include "uniformsource.h"

namespace varn {

// What a search keeps of a position between actions: the board is settled and unmarked.
struct Position {
    std::array<Code, kCellCount> board{};
    std::int64_t score = 0;
    SourceState random;
    bool operator==(const Position&) const = default;
};

// Where a game stands between actions, as its history keeps it.
Position positionOf(const GameState& state);

// The same rules as the game's, put together on a silent window and a source of their own, so
// that nothing played here reaches the game, its window or its random source.
class RulesCopy {
  public:
    // The copy deals what `random` would deal from each position loaded.
    explicit RulesCopy(const UniformSource& random);
    RulesCopy(const RulesCopy&) = delete;
    RulesCopy& operator=(const RulesCopy&) = delete;

    void load(const Position& position);
    Position position() const;
    const BoardTables& tables() const { return m_tables; }

    // Plays a click on `cell`, or a transform, on the position loaded last and what followed.
    // False when the source ran out of numbers (a list given in advance): that line of play
    // ends there, and the copy must be loaded again.
    bool play(HintAction action, int cell = -1);
    // Plays a click and returns the cells it removed, in the order of the board.
    std::vector<int> removedBy(int cell);

  private:
    void transform(void (*permute)(BoardTables&));

    std::unique_ptr<UniformSource> m_random;
    SilentWindow m_window;
    BoardTables m_tables;
    ScoreKeeper m_scores;
    Dealer m_dealer;
    Settler m_settler;
    Move m_move;
};

}  // namespace varn
