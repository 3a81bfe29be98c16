// neighbours.h: the cells next to a cell, never wrapping from one edge of the board to the other.
#pragma once

#include <array>

namespace varn {

// Up to four cells, in a fixed visiting order.
class NeighbourList {
  public:
    void add(int cell) { m_cells[m_count++] = cell; }
    const int* begin() const { return m_cells.data(); }
    const int* end() const { return m_cells.data() + m_count; }
    int size() const { return m_count; }

  private:
    std::array<int, 4> m_cells{};
    int m_count = 0;
};

// Above, below, left, right: each only where it exists.
NeighbourList orthogonalNeighbours(int cell);

// Up-left, up-right, down-right, down-left: each only where it exists.
NeighbourList diagonalNeighbours(int cell);

}  // namespace varn
