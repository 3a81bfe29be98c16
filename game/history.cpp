// history.cpp: recording, undoing and redoing entries.
#include "history.h"

#include <utility>

namespace varn {

void History::record(GameState before, GameState after) {
    m_entries.resize(m_position);
    m_entries.push_back({std::move(before), std::move(after)});
    m_position = m_entries.size();
}

void History::clear() {
    m_entries.clear();
    m_position = 0;
}

const GameState& History::undo() {
    return m_entries[--m_position].before;
}

const GameState& History::redo() {
    return m_entries[m_position++].after;
}

}  // namespace varn
