// history.h: the list of completed actions that undo and redo walk through.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "boardtables.h"
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

// Each entry holds the state before and after one top-level action. Undo steps back over an
// entry, redo forward again; a new entry drops every entry that could still have been redone.
// Entries are small values, copied whole; a game keeps them all.
class History {
  public:
    bool canUndo() const { return m_position > 0; }
    bool canRedo() const { return m_position < m_entries.size(); }
    // Entries behind the position, which undo can take back, and ahead of it, for redo.
    std::size_t undoCount() const { return m_position; }
    std::size_t redoCount() const { return m_entries.size() - m_position; }

    void record(GameState before, GameState after);
    void clear();
    // Both need an entry on their side (canUndo, canRedo); they return the state to put back.
    const GameState& undo();
    const GameState& redo();

  private:
    struct Entry {
        GameState before;
        GameState after;
    };
    std::vector<Entry> m_entries;
    std::size_t m_position = 0;
};

}  // namespace varn
