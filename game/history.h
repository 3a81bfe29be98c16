// history.h: the states the game has passed through, which undo and redo walk.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "boardtables.h"
#include "playeraction.h"
#include "uniformsource.h"

namespace varn {

// What an undo or a redo puts back: the board, the score with the text that shows it, and
// where the deal's random source stands, so that a move made again deals the same pieces.
// Marks and the high score are not part of it.
struct GameState {
    std::array<Code, kCellCount> board{};
    std::int64_t score = 0;
    std::string label4;
    SourceState random;
    bool operator==(const GameState&) const = default;
};

// A list of states and a position in it. Each completed action adds the state after it; undo
// and redo move the position, and an action after an undo drops the states ahead of it. A
// state is kept once, packed: a game keeps them all, each with how the game came to it.
class History {
  public:
    History() = default;
    // Rebuilds a history from what states(), position() and arrivals() gave; without arrivals,
    // how the game came to each state is unknown. Throws std::out_of_range unless the position
    // names one of the states, or both are empty and 0, and std::invalid_argument for a board
    // that holds a code no cell can hold, or arrivals that are not one a state.
    History(const std::vector<GameState>& states, std::size_t position,
            const std::vector<Arrival>& arrivals = {});
    // A copy holds the states in use, in blocks of its own.
    History(const History& other);
    History& operator=(const History& other) { return *this = History(other); }
    History(History&&) noexcept = default;
    History& operator=(History&&) noexcept = default;

    bool canUndo() const { return m_position > 0; }
    bool canRedo() const { return m_position + 1 < m_count; }
    // Steps behind the position, which undo can take back, and ahead of it, for redo.
    std::size_t undoCount() const { return m_position; }
    std::size_t redoCount() const { return m_count == 0 ? 0 : m_count - 1 - m_position; }

    std::vector<GameState> states() const;
    std::size_t position() const { return m_position; }
    // State `index`, which must be there.
    GameState at(std::size_t index) const { return unpack(index); }
    // The state at the position; of an empty history, a state no game has.
    const GameState& current() const { return m_current; }
    bool empty() const { return m_count == 0; }
    Arrival arrival(std::size_t index) const;
    std::vector<Arrival> arrivals() const;
    // The actions from the game's deal to the position, undone ones left out; none unless the
    // first state is a deal and each state up to the position was reached by an action.
    std::optional<std::vector<RecordedAction>> playedActions() const;

    // A new game was dealt in `deal`: the history is empty, and when the first action leaves
    // that state, it is kept as the deal that the game's actions start from.
    void beginDeal(const GameState& deal);
    // The deal kept by beginDeal while the history is empty.
    const std::optional<GameState>& pendingDeal() const { return m_deal; }
    // An action took the game from `before` to `after`; `action` is what the player did, when
    // known. An empty history keeps `before` as its first state; so does one that stands at
    // another state (the board was laid out from outside, as tests do), and an undo then steps
    // back to it on its own. How the game came to such a state is unknown.
    void record(const GameState& before, const GameState& after,
                const std::optional<RecordedAction>& action = std::nullopt);
    void clear();
    // Both need a state on their side (canUndo, canRedo); they return the state to put back.
    const GameState& undo();
    const GameState& redo();

  private:
    // Two codes a byte (codes are 0 to 14). The score's label nearly always shows the score's own
    // digits; any other text is kept beside, in m_labels.
    struct Packed {
        std::array<std::uint8_t, kCellCount / 2> cells;
        bool ownLabel;
        std::uint8_t how;  // a PlayerAction's code, kHowStart or kHowUnknown
        std::uint32_t seed;
        std::int64_t score;
        std::uint64_t drawn;
    };

    // States are kept in blocks that never move once made: one allocation serves a few hundred
    // moves, and the last block is the only spare room.
    static constexpr std::size_t kBlockStates = 256;
    using Block = std::array<Packed, kBlockStates>;

    static constexpr std::uint8_t kHowStart = 0xFE;
    static constexpr std::uint8_t kHowUnknown = 0xFF;

    void push(const GameState& state, std::uint8_t how);
    void pushArrival(const GameState& state, const Arrival& arrival);
    GameState unpack(std::size_t index) const;
    void moveTo(std::size_t index);
    const Packed& packedAt(std::size_t index) const {
        return (*m_blocks[index / kBlockStates])[index % kBlockStates];
    }

    // Blocks past the states in use stay for the moves that follow an undo, until clear().
    std::vector<std::unique_ptr<Block>> m_blocks;
    std::size_t m_count = 0;
    // The labels that are not their score's digits, with the index of their state, in order.
    std::vector<std::pair<std::size_t, std::string>> m_labels;
    // What ran inside the actions, with the index of the state each action led to, in order.
    std::vector<std::pair<std::size_t, NestedAction>> m_nested;
    std::optional<GameState> m_deal;
    std::size_t m_position = 0;
    // The state at the position, unpacked.
    GameState m_current;
};

}  // namespace varn
