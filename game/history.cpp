// history.cpp: packing, recording and walking the states.
#include "history.h"

#include <algorithm>
#include <stdexcept>

namespace varn {

namespace {
// A byte holds cell i in its low half and cell i + 50 in its high half: codes are 0 to 14.
constexpr std::size_t kHalfBoard = kCellCount / 2;
}  // namespace

History::History(const std::vector<GameState>& states, std::size_t position,
                 const std::vector<Arrival>& arrivals) {
    if (states.empty() ? position != 0 : position >= states.size())
        throw std::out_of_range("no state " + std::to_string(position) + " in the history");
    if (!arrivals.empty() && arrivals.size() != states.size())
        throw std::invalid_argument("the history's arrivals are not one a state");
    for (std::size_t index = 0; index < states.size(); ++index) {
        const GameState& state = states[index];
        if (!std::all_of(state.board.begin(), state.board.end(), isBoardCode))
            throw std::invalid_argument("a state of the history holds a code no cell can hold");
        pushArrival(state, arrivals.empty() ? Arrival() : arrivals[index]);
    }
    if (!states.empty()) moveTo(position);
}

History::History(const History& other)
    : m_count(other.m_count),
      m_labels(other.m_labels),
      m_nested(other.m_nested),
      m_deal(other.m_deal),
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

Arrival History::arrival(std::size_t index) const {
    Arrival arrival;
    const std::uint8_t how = packedAt(index).how;
    if (how == kHowStart) {
        arrival.kind = Arrival::Kind::Start;
    } else if (how != kHowUnknown) {
        arrival.kind = Arrival::Kind::Action;
        arrival.action.action = PlayerAction{how};
        const auto first = std::lower_bound(m_nested.begin(), m_nested.end(), index,
                                            [](const std::pair<std::size_t, NestedAction>& n,
                                               std::size_t i) { return n.first < i; });
        for (auto nested = first; nested != m_nested.end() && nested->first == index; ++nested)
            arrival.action.nested.push_back(nested->second);
    }
    return arrival;
}

std::vector<Arrival> History::arrivals() const {
    std::vector<Arrival> all;
    all.reserve(m_count);
    for (std::size_t index = 0; index < m_count; ++index)
        all.push_back(arrival(index));
    return all;
}

std::optional<std::vector<RecordedAction>> History::playedActions() const {
    if (m_count == 0 || packedAt(0).how != kHowStart) return std::nullopt;
    std::vector<RecordedAction> actions;
    actions.reserve(m_position);
    for (std::size_t index = 1; index <= m_position; ++index) {
        Arrival how = arrival(index);
        if (how.kind != Arrival::Kind::Action) return std::nullopt;
        actions.push_back(std::move(how.action));
    }
    return actions;
}

void History::beginDeal(const GameState& deal) {
    clear();
    m_deal = deal;
}

void History::record(const GameState& before, const GameState& after,
                     const std::optional<RecordedAction>& action) {
    if (m_count != 0) {
        m_count = m_position + 1;
        while (!m_labels.empty() && m_labels.back().first > m_position)
            m_labels.pop_back();
        while (!m_nested.empty() && m_nested.back().first > m_position)
            m_nested.pop_back();
    }
    if (m_count == 0 || before != m_current)
        push(before, m_count == 0 && m_deal == before ? kHowStart : kHowUnknown);
    m_deal.reset();
    if (action) {
        pushArrival(after, {.kind = Arrival::Kind::Action, .action = *action});
    } else {
        push(after, kHowUnknown);
    }
    m_position = m_count - 1;
    m_current = after;
}

void History::clear() {
    m_blocks.clear();
    m_count = 0;
    m_labels.clear();
    m_nested.clear();
    m_deal.reset();
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

void History::pushArrival(const GameState& state, const Arrival& arrival) {
    if (arrival.kind == Arrival::Kind::Start) {
        // Only the first state can be a game's start.
        push(state, m_count == 0 ? kHowStart : kHowUnknown);
    } else if (arrival.kind == Arrival::Kind::Action &&
               arrival.action.action.code < PlayerAction::kCount) {
        for (const NestedAction& nested : arrival.action.nested)
            m_nested.emplace_back(m_count, nested);
        push(state, arrival.action.action.code);
    } else {
        push(state, kHowUnknown);
    }
}

void History::push(const GameState& state, std::uint8_t how) {
    Packed packed{};
    packed.how = how;
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
