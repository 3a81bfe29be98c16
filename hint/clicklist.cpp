// clicklist.cpp: finding the groups and special pieces of a board, bit-parallel.
#include "clicklist.h"

#include <bit>
#include <cstdint>

namespace varn {

namespace {

constexpr int kStride = kBoardSide + 1;

template <typename Bits>
const std::array<Bits, kCellCount>& cellBits() {
    static const auto bits = [] {
        std::array<Bits, kCellCount> table;
        for (int cell = 0; cell < kCellCount; ++cell)
            table[cell] = Bits{1} << (rowOf(cell) * kStride + columnOf(cell));
        return table;
    }();
    return bits;
}

// Counts the bits without the processor's own instruction, which not every machine has and
// which the library would call in its place.
int ones(std::uint64_t word) {
    word -= (word >> 1) & 0x5555555555555555u;
    word = (word & 0x3333333333333333u) + ((word >> 2) & 0x3333333333333333u);
    word = (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((word * 0x0101010101010101u) >> 56);
}

// The cell of the lowest bit set.
template <typename Bits>
int cellOf(Bits bit) {
    const auto low = static_cast<std::uint64_t>(bit);
    const int index = low != 0 ? std::countr_zero(low)
                               : 64 + std::countr_zero(static_cast<std::uint64_t>(bit >> 64));
    return cellAt(index / kStride, index % kStride);
}

template <typename Bits>
int count(Bits bits) {
    return ones(static_cast<std::uint64_t>(bits)) + ones(static_cast<std::uint64_t>(bits >> 64));
}

// The cells next to any of `bits`, edge to edge, and the cells themselves.
template <typename Bits>
Bits spread(Bits bits) {
    return bits | bits << 1 | bits >> 1 | bits << kStride | bits >> kStride;
}

}  // namespace

ClickList::ClickList(const BoardTables& tables) {
    const std::array<Bits, kCellCount>& bitOf = cellBits<Bits>();
    std::array<Bits, piece::PatternCount> byCode{};
    for (int cell = 0; cell < kCellCount; ++cell)
        byCode[tables.Board[cell]] |= bitOf[cell];
    for (Code code = 0; code < piece::OrdinaryKinds; ++code)
        addGroups(code, byCode[code], byCode[piece::Joker]);
    addGroups(piece::Gem, byCode[piece::Gem], byCode[piece::Joker]);
    // A click on a joker gathers jokers alone.
    addGroups(piece::Joker, byCode[piece::Joker], 0);
    for (Code special : {piece::Bomb, piece::RowLadder, piece::ColumnLadder}) {
        for (Bits cells = byCode[special]; cells != 0; cells &= cells - 1)
            add({cellOf(cells), 0, special});
    }
    const Bits jokers = byCode[piece::Joker];
    Bits grouping = jokers | byCode[piece::Gem];
    for (Code code = 0; code < piece::OrdinaryKinds; ++code)
        grouping |= byCode[code];
    for (Code code = 0; code < piece::OrdinaryKinds; ++code)
        m_joiningPairs += pairsOf(byCode[code], byCode[code]);
    m_joiningPairs += pairsOf(byCode[piece::Gem], byCode[piece::Gem]);
    // A pair of jokers is found from either side: once more than it should.
    m_joiningPairs +=
        pairsOf(jokers, grouping) + pairsOf(grouping, jokers) - pairsOf(jokers, jokers);
}

// The cells of `one` with a cell of `other` to their right or below.
int ClickList::pairsOf(Bits one, Bits other) {
    return count(one & (other >> 1)) + count(one & (other >> kStride));
}

void ClickList::addGroups(Code code, Bits own, Bits joining) {
    const Bits region = own | joining;
    // Three cells joined have one among them that touches two: only the groups of such a cell
    // need growing, and most pairs and lone pieces are passed over at once.
    const Bits up = region << kStride, down = region >> kStride;
    const Bits left = region << 1, right = region >> 1;
    Bits seeds = region & ((up & (down | left | right)) | (down & (left | right)) | (left & right));
    while (seeds != 0) {
        Bits group = seeds & (~seeds + 1);
        for (Bits grown = spread(group) & region; grown != group; grown = spread(group) & region)
            group = grown;
        seeds &= ~group;
        // Jokers alone are no group of this kind; the group is clicked at its first own piece.
        const Bits mine = group & own;
        if (mine != 0) add({cellOf(mine & (~mine + 1)), count(group), code});
    }
}

// In the order of their cells, as a player reads the board.
void ClickList::add(const Click& click) {
    int at = m_count++;
    for (; at > 0 && m_clicks[at - 1].cell > click.cell; --at)
        m_clicks[at] = m_clicks[at - 1];
    m_clicks[at] = click;
}

}  // namespace varn
