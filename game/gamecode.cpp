// gamecode.cpp: writing and reading game codes.
#include "gamecode.h"

#include "scorekeeper.h"

#include <array>
#include <charconv>
#include <optional>

namespace varn {

namespace {

constexpr std::string_view kDigits =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr std::uint64_t kBase = 62;
constexpr std::size_t kGroupBytes = 8;
// The digits of a group of k bytes, k from 0 to 8: the fewest n with 62^n >= 256^k.
constexpr std::array<std::size_t, kGroupBytes + 1> kGroupDigits = {0, 2, 3, 5, 6, 7, 9, 10, 11};
constexpr std::uint8_t kHasNested = 0x80;
constexpr std::size_t kNumberBytes = 4;
constexpr std::size_t kChecksumBytes = 4;

std::uint32_t crc32(std::string_view prefix, const std::vector<std::uint8_t>& bytes,
                    std::size_t count) {
    std::uint32_t crc = 0xFFFFFFFFu;
    const auto add = [&crc](std::uint8_t byte) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    };
    for (const char c : prefix)
        add(static_cast<std::uint8_t>(c));
    for (std::size_t i = 0; i < count; ++i)
        add(bytes[i]);
    return ~crc;
}

void putBigEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putVarint(std::vector<std::uint8_t>& bytes, std::uint64_t value) {
    while (value >= 0x80) {
        bytes.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    bytes.push_back(static_cast<std::uint8_t>(value));
}

std::string versionPrefix() {
    return std::string(kCodePrefix) + std::to_string(kCodeVersion);
}

std::string toDigits(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::size_t first = 0; first < bytes.size(); first += kGroupBytes) {
        const std::size_t count = std::min(kGroupBytes, bytes.size() - first);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < count; ++i)
            value = value << 8 | bytes[first + i];
        std::string group(kGroupDigits[count], '0');
        for (std::size_t at = group.size(); at-- > 0; value /= kBase)
            group[at] = kDigits[value % kBase];
        text += group;
    }
    return text;
}

// The bytes that the digits write; none when they are no layout that toDigits writes.
std::optional<std::vector<std::uint8_t>> fromDigits(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    const std::size_t fullDigits = kGroupDigits[kGroupBytes];
    for (std::size_t first = 0; first < text.size(); first += fullDigits) {
        const std::string_view group = text.substr(first, fullDigits);
        std::size_t count = 0;
        while (kGroupDigits[count] < group.size())
            ++count;
        if (kGroupDigits[count] != group.size()) return std::nullopt;
        std::uint64_t value = 0;
        for (const char c : group) {
            const std::size_t digit = kDigits.find(c);
            if (digit == std::string_view::npos) return std::nullopt;
            if (__builtin_mul_overflow(value, kBase, &value) ||
                __builtin_add_overflow(value, digit, &value))
                return std::nullopt;
        }
        if (count < kGroupBytes && value >> (8 * count) != 0) return std::nullopt;
        for (std::size_t i = count; i-- > 0;)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    return bytes;
}

// Reads the bytes of the actions, strictly as formatGameCode writes them.
class ActionReader {
  public:
    ActionReader(const std::vector<std::uint8_t>& bytes, std::size_t end)
        : m_bytes(bytes), m_end(end) {}

    bool read(std::vector<RecordedAction>& actions) {
        m_at = kNumberBytes;
        std::size_t total = 0;
        while (m_at < m_end) {
            const std::uint8_t byte = m_bytes[m_at++];
            RecordedAction action{{static_cast<std::uint8_t>(byte & ~kHasNested)}, {}};
            if (action.action.code >= PlayerAction::kCount) return false;
            if ((byte & kHasNested) && !readNested(action.nested)) return false;
            total += 1 + action.nested.size();
            if (total > kMaxCodeActions) return false;
            actions.push_back(std::move(action));
        }
        return true;
    }

  private:
    bool readNested(std::vector<NestedAction>& nested) {
        std::uint64_t count = 0;
        if (!varint(count) || count == 0 || count > kMaxNestedActions) return false;
        std::uint64_t last = 0;
        for (std::uint64_t i = 0; i < count; ++i) {
            std::uint64_t moment = 0;
            if (!varint(moment) || moment <= last || moment > UINT32_MAX || m_at == m_end)
                return false;
            last = moment;
            const std::uint8_t code = m_bytes[m_at++];
            if (code >= PlayerAction::kCount) return false;
            nested.push_back({static_cast<std::uint32_t>(moment), {code}});
        }
        return true;
    }

    // Unsigned LEB128 in its fewest bytes, up to 63 bits.
    bool varint(std::uint64_t& value) {
        value = 0;
        for (int shift = 0; shift < 63; shift += 7) {
            if (m_at == m_end) return false;
            const std::uint8_t byte = m_bytes[m_at++];
            value |= std::uint64_t(byte & 0x7F) << shift;
            if (!(byte & 0x80)) return byte != 0 || shift == 0;
        }
        return false;
    }

    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_end;
    std::size_t m_at = 0;
};

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::string sealCode(const std::vector<std::uint8_t>& bytes) {
    const std::string prefix = versionPrefix();
    std::vector<std::uint8_t> sealed = bytes;
    putBigEndian(sealed, crc32(prefix, bytes, bytes.size()));
    return prefix + toDigits(sealed);
}

bool withinCodeBounds(const std::vector<RecordedAction>& actions) {
    std::size_t total = 0;
    for (const RecordedAction& action : actions) {
        if (action.nested.size() > kMaxNestedActions) return false;
        total += 1 + action.nested.size();
    }
    return total <= kMaxCodeActions;
}

std::string formatGameCode(const GameCode& code) {
    std::vector<std::uint8_t> bytes;
    putBigEndian(bytes, code.number);
    for (const RecordedAction& action : code.actions) {
        if (action.nested.empty()) {
            bytes.push_back(action.action.code);
            continue;
        }
        bytes.push_back(action.action.code | kHasNested);
        putVarint(bytes, action.nested.size());
        for (const NestedAction& nested : action.nested) {
            putVarint(bytes, nested.moment);
            bytes.push_back(nested.action.code);
        }
    }
    return sealCode(bytes);
}

GameCode parseGameCode(std::string_view text, CodeProblem& problem) {
    text = trimmed(text);
    problem = CodeProblem::Foreign;
    if (!text.starts_with(kCodePrefix)) return {};
    const std::string prefix = versionPrefix();
    if (!text.starts_with(prefix)) {
        const bool digit = text.size() > kCodePrefix.size() && text[kCodePrefix.size()] > '1' &&
                           text[kCodePrefix.size()] <= '9';
        problem = digit ? CodeProblem::Newer : CodeProblem::Damaged;
        return {};
    }
    problem = CodeProblem::Damaged;
    if (text.size() - prefix.size() > kMaxCodeBytes / kGroupBytes * kGroupDigits[kGroupBytes])
        return {};
    const auto bytes = fromDigits(text.substr(prefix.size()));
    if (!bytes || bytes->size() < kNumberBytes + kChecksumBytes) return {};
    const std::size_t end = bytes->size() - kChecksumBytes;
    std::uint32_t sum = 0;
    for (std::size_t i = end; i < bytes->size(); ++i)
        sum = sum << 8 | (*bytes)[i];
    if (sum != crc32(prefix, *bytes, end)) return {};
    GameCode code;
    for (std::size_t i = 0; i < kNumberBytes; ++i)
        code.number = code.number << 8 | (*bytes)[i];
    if (code.number == 0 || !ActionReader(*bytes, end).read(code.actions)) return {};
    problem = CodeProblem::None;
    return code;
}

}  // namespace varn

namespace varn {

namespace {

constexpr std::string_view kFrom = " from ";
constexpr std::string_view kHex = "0123456789abcdef";

template <typename Number>
bool readNumber(std::string_view& rest, Number& value) {
    const std::size_t blank = std::min(rest.find(' '), rest.size());
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + blank, value);
    if (blank == 0 || error != std::errc() || end != rest.data() + blank || blank == rest.size())
        return false;
    rest.remove_prefix(blank + 1);
    return true;
}

std::optional<GameState> parseStart(std::string_view rest, std::uint32_t number) {
    GameState start;
    start.random.seed = number;
    if (!readNumber(rest, start.score) || start.score < 0 || start.score > ScoreKeeper::kMaxScore ||
        !readNumber(rest, start.random.drawn) || rest.size() != kCellCount)
        return std::nullopt;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const std::size_t code = kHex.find(rest[cell]);
        if (code == std::string_view::npos || !isBoardCode(int(code))) return std::nullopt;
        start.board[cell] = static_cast<Code>(code);
    }
    start.label4 = std::to_string(start.score);
    return start;
}

}  // namespace

std::string formatReplay(const Replay& replay) {
    std::string text = formatGameCode(replay.code);
    if (!replay.start) return text;
    text += std::string(kFrom) + std::to_string(replay.start->score) + ' ' +
            std::to_string(replay.start->random.drawn) + ' ';
    for (const Code code : replay.start->board)
        text += kHex[code & 0xF];
    return text;
}

std::optional<Replay> parseReplay(std::string_view text, CodeProblem& problem) {
    const std::size_t from = text.find(kFrom);
    Replay replay{parseGameCode(text.substr(0, from), problem), std::nullopt};
    if (problem != CodeProblem::None) return std::nullopt;
    if (from == std::string_view::npos) return replay;
    replay.start = parseStart(text.substr(from + kFrom.size()), replay.code.number);
    if (replay.start) return replay;
    problem = CodeProblem::Damaged;
    return std::nullopt;
}

}  // namespace varn
