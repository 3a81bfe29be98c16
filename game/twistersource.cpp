// twistersource.cpp: uniform floats in [0, 1) from a Mersenne Twister, in blocks.
#include "twistersource.h"

#include <chrono>

namespace varn {

namespace {

// Numbers in a block: enough for some seventy moves, and skipped through in microseconds.
constexpr std::uint64_t kBlockSize = 4096;

std::uint32_t timeOfDaySeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count());
}

}  // namespace

TwisterSource::TwisterSource() {
    startBlock(timeOfDaySeed(), 0);
}

void TwisterSource::seedFromClock() {
    startBlock(timeOfDaySeed(), 0);
}

void TwisterSource::startBlock(std::uint32_t seed, std::uint64_t drawn) {
    const std::uint64_t block = drawn / kBlockSize;
    std::seed_seq blockSeed{seed, static_cast<std::uint32_t>(block),
                            static_cast<std::uint32_t>(block >> 32)};
    m_engine.seed(blockSeed);
    m_engine.discard(drawn % kBlockSize);
    m_seed = seed;
    m_drawn = drawn;
}

float TwisterSource::next() {
    // The top 24 bits fill a float's mantissa exactly, so the result can never round up to 1.
    const float u = static_cast<float>(m_engine() >> 8) * 0x1p-24f;
    // The engine always stands in the block of the next number.
    if (++m_drawn % kBlockSize == 0) startBlock(m_seed, m_drawn);
    return u;
}

void TwisterSource::restore(const SourceState& state) {
    // A redo within the block only skips ahead; anything else starts its block over.
    if (state.seed == m_seed && state.drawn >= m_drawn &&
        state.drawn / kBlockSize == m_drawn / kBlockSize) {
        m_engine.discard(state.drawn - m_drawn);
        m_drawn = state.drawn;
    } else {
        startBlock(state.seed, state.drawn);
    }
}

}  // namespace varn
