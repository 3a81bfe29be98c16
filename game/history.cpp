// history.cpp: packing, recording and walking the states.
#include "history.h"

#include <algorithm>
#include <stdexcept>

namespace varn {

namespace {
// A byte holds cell i in its low half and cell i + 50 in its high half: codes are 0 to 14.
constexpr std::size_t kHalfBoard = kCellCount / 2;
}  // namespace

History::History(const std::vector<GameState>& states, std::size_t position) {
    if (states.empty() ? position != 0 : position >= states.size())
        throw std::out_of_range("no state " + std::to_string(position) + " in the history");
    for (const GameState& state : states) {
        if (!std::all_of(state.board.begin(), state.board.end(), isBoardCode))
            throw std::invalid_argument("a state of the history holds a code no cell can hold");
        push(state);
    }
    if (!states.empty()) moveTo(position);
}

History::History(const History& other)
    : m_count(other.m_count),
      m_labels(other.m_labels),
      m_position(other.m_position),
      m_current(other.m_current) {
    for (std::size_t first = 0; first < m_count; first += kBlockStates)
        m_blocks.push_back(std::make_unique<Block>(*other.m_blocks[first / kBlockStates]));
}

std::vector<GameState> History::states() const {
    std::vector<GameState> all;
    all.reserve(m_count);
    for (std::size_t index = 0; index < m_count; ++index)
        all.push_back(unpack(index));
    return all;
}

void History::record(const GameState& before, const GameState& after) {
    if (m_count != 0) {
        m_count = m_position + 1;
        while (!m_labels.empty() && m_labels.back().first > m_position)
            m_labels.pop_back();
    }
    if (m_count == 0 || before != m_current) push(before);
    push(after);
    m_position = m_count - 1;
    m_current = after;
}

void History::clear() {
    m_blocks.clear();
    m_count = 0;
    m_labels.clear();
    m_position = 0;
}

const GameState& History::undo() {
    moveTo(m_position - 1);
    return m_current;
}

const GameState& History::redo() {
    moveTo(m_position + 1);
    return m_current;
}

void History::moveTo(std::size_t index) {
    m_position = index;
    m_current = unpack(index);
}

void History::push(const GameState& state) {
    Packed packed{};
    for (std::size_t low = 0; low < kHalfBoard; ++low) {
        packed.cells[low] =
            static_cast<std::uint8_t>(state.board[low] | (state.board[low + kHalfBoard] << 4));
    }
    packed.ownLabel = state.label4 != std::to_string(state.score);
    if (packed.ownLabel) m_labels.emplace_back(m_count, state.label4);
    packed.seed = state.random.seed;
    packed.score = state.score;
    packed.drawn = state.random.drawn;
    if (m_count == m_blocks.size() * kBlockStates)
        m_blocks.push_back(std::make_unique_for_overwrite<Block>());
    (*m_blocks[m_count / kBlockStates])[m_count % kBlockStates] = packed;
    ++m_count;
}

GameState History::unpack(std::size_t index) const {
    const Packed& packed = packedAt(index);
    GameState state;
    for (std::size_t low = 0; low < kHalfBoard; ++low) {
        state.board[low] = static_cast<Code>(packed.cells[low] & 0xf);
        state.board[low + kHalfBoard] = static_cast<Code>(packed.cells[low] >> 4);
    }
    state.score = packed.score;
    if (packed.ownLabel) {
        const auto own = std::lower_bound(m_labels.begin(), m_labels.end(), index,
                                          [](const std::pair<std::size_t, std::string>& label,
                                             std::size_t i) { return label.first < i; });
        state.label4 = own->second;
    } else {
        state.label4 = std::to_string(packed.score);
    }
    state.random = {packed.seed, packed.drawn};
    return state;
}

}  // namespace varn
