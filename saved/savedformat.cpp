// savedformat.cpp: writing and reading the lines of a saved game.
#include "savedformat.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "arrivaltext.h"
#include "bestgames.h"
#include "savedline.h"
#include "scorekeeper.h"

namespace varn {

namespace {

constexpr std::string_view kHeader = "varn saved game ";
// Ten rows of ten codes and the nine '/' between them.
constexpr std::size_t kBoardWidth = kCellCount + kBoardSide - 1;

[[noreturn]] void fail(const std::string& why) {
    throw SavedFormatError(why);
}

void appendLabel(std::string& text, const std::string& label) {
    for (const char c : label) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            text += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            text += "\\x";
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0xF];
        } else {
            text += c;
        }
    }
}

std::string stateText(const GameState& state) {
    std::string text;
    text.reserve(kBoardWidth + 64 + state.label4.size());
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (cell > 0 && cell % kBoardSide == 0) text += '/';
        text += kHexDigits[state.board[cell] & 0xF];
    }
    text += " score " + std::to_string(state.score) + " random " +
            std::to_string(state.random.seed) + ' ' + std::to_string(state.random.drawn) +
            " label ";
    appendLabel(text, state.label4);
    return text;
}

void parseBoard(std::string_view text, std::array<Code, kCellCount>& board) {
    if (text.size() != kBoardWidth) fail("the board is not ten rows of ten");
    for (std::size_t at = 0; at < kBoardWidth; ++at) {
        const std::size_t cell = at - at / (kBoardSide + 1);
        if (at % (kBoardSide + 1) == kBoardSide) {
            if (text[at] != '/') fail("the board is not ten rows of ten");
        } else if (!isBoardCode(hexValue(text[at]))) {
            fail("cell " + std::to_string(cell) + " holds " + excerpt(text.substr(at, 1)) +
                 ", which is no piece");
        } else {
            board[cell] = static_cast<Code>(hexValue(text[at]));
        }
    }
}

std::string parseLabel(std::string_view text) {
    std::string label;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (label.size() == ScoreKeeper::kMaxLabelLength)
            fail("the label is longer than any score");
        if (text[at] != '\\') {
            label += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == '\\') {
            label += '\\';
            ++at;
        } else if (at + 3 < text.size() && text[at + 1] == 'x' && hexValue(text[at + 2]) >= 0 &&
                   hexValue(text[at + 3]) >= 0) {
            label += static_cast<char>(hexValue(text[at + 2]) << 4 | hexValue(text[at + 3]));
            at += 3;
        } else {
            fail("the label holds a broken escape");
        }
    }
    return label;
}

GameState parseState(std::string_view rest) {
    GameState state;
    parseBoard(word(rest), state.board);
    expectWord(rest, "score");
    state.score = number<std::int64_t>(word(rest), "score");
    if (state.score < 0) fail("the score is below zero");
    if (state.score > ScoreKeeper::kMaxScore) fail("the score is beyond what its label can show");
    expectWord(rest, "random");
    state.random.seed = number<std::uint32_t>(word(rest), "seed");
    state.random.drawn = number<std::uint64_t>(word(rest), "random position");
    expectWord(rest, "label");
    state.label4 = parseLabel(rest);
    return state;
}

// The position an undo or a redo went to must be where the history's own step leads.
void step(SavedGame& game, bool undo, std::string_view rest) {
    const auto position = number<std::size_t>(rest, "position");
    const History& history = game.history;
    if (undo ? !history.canUndo() || position + 1 != history.position()
             : !history.canRedo() || position != history.position() + 1)
        fail("the history has no step to position " + std::to_string(position));
    game.current = undo ? game.history.undo() : game.history.redo();
}

// A new game starts with an empty history, no challenge and no hints used.
void newGame(SavedGame& game, std::string_view rest) {
    const bool dealt = parseArrival(rest).kind == Arrival::Kind::Start;
    game.current = parseState(rest);
    game.history.clear();
    game.challenge.reset();
    game.hints = 0;
    if (dealt) game.history.beginDeal(game.current);
}

Challenge parseChallenge(std::string_view rest) {
    const std::string_view day = word(rest);
    const std::optional<Days> parsed = parseDay(day);
    if (!parsed) fail("the challenge's day " + excerpt(day) + " is no day");
    const int moves = number<int>(rest, "moves");
    if (moves < 0 || moves > kChallengeMoves) fail("the challenge's moves are out of range");
    return {*parsed, moves};
}

}  // namespace

namespace {

// Walks the lines of a file and counts them, for the reasons given.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : m_rest(text) {}

    bool atEnd() const { return m_rest.empty(); }
    std::size_t number() const { return m_number; }
    // The next line without its newline; `complete` tells whether the newline was there.
    std::string_view next(bool& complete) {
        ++m_number;
        const std::size_t end = m_rest.find('\n');
        complete = end != std::string_view::npos;
        const std::string_view line = m_rest.substr(0, end);
        m_rest = complete ? m_rest.substr(end + 1) : std::string_view();
        return line;
    }
    // A line of the snapshot, which was written whole: its content, checksum checked.
    std::string_view snapshotLine(std::string_view kind) {
        bool complete = false;
        std::string_view rest = atEnd() ? std::string_view() : next(complete);
        if (!complete) fail("the file ends inside its snapshot");
        rest = checked(rest);
        expectWord(rest, kind);
        return rest;
    }

  private:
    std::string_view m_rest;
    std::size_t m_number = 0;
};

void checkVersion(LineCursor& lines) {
    bool complete = false;
    const std::string_view line = lines.next(complete);
    if (!line.starts_with(kHeader)) fail("it is no saved game of Varn");
    std::string_view rest = line.substr(kHeader.size());
    const std::string_view version = word(rest);
    int found = 0;
    const auto [end, error] =
        std::from_chars(version.data(), version.data() + version.size(), found);
    if (error == std::errc() && end == version.data() + version.size() && found > kSavedVersion)
        fail("it comes from a newer version of Varn (" + excerpt(version) + ")");
    if (!complete || checked(line) != std::string(kHeader) + std::to_string(kSavedVersion))
        fail("it is no saved game of Varn");
}

SavedGame readSnapshot(LineCursor& lines) {
    checkVersion(lines);
    std::string_view rest = lines.snapshotLine("history");
    const auto count = number<std::size_t>(word(rest), "count");
    const auto position = number<std::size_t>(rest, "position");
    if (count > kMaxSavedStates)
        fail("its history of " + std::to_string(count) + " states is longer than " +
             std::to_string(kMaxSavedStates));
    std::string_view currentLine = lines.snapshotLine("current");
    const bool dealt = parseArrival(currentLine).kind == Arrival::Kind::Start;
    const GameState current = parseState(currentLine);
    // Room for the states grows as their lines come: a count is only a claim.
    std::vector<GameState> states;
    std::vector<Arrival> arrivals;
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view line = lines.snapshotLine("state");
        arrivals.push_back(parseArrival(line));
        states.push_back(parseState(line));
    }
    try {
        SavedGame game{current, History(states, position, arrivals), std::nullopt};
        if (dealt && count == 0) game.history.beginDeal(current);
        return game;
    } catch (const std::logic_error& error) {
        fail(error.what());
    }
}

// The records: the last one may have been cut short by a crash, and is then left out.
void readRecords(LineCursor& lines, SavedGame& game) {
    while (!lines.atEnd()) {
        bool complete = false;
        const std::string_view line = lines.next(complete);
        if (!lines.atEnd()) {
            applyRecord(game, line);
            continue;
        }
        if (!complete) return;
        try {
            applyRecord(game, line);
        } catch (const SavedFormatError&) {
            return;
        }
    }
}

}  // namespace

std::string formatSnapshot(const SavedGame& game) {
    const std::vector<GameState> states = game.history.states();
    const std::size_t position = game.history.position();
    const std::size_t first =
        states.size() > kMaxSavedStates ? std::min(states.size() - kMaxSavedStates, position) : 0;
    const std::size_t count = std::min(states.size() - first, kMaxSavedStates);
    std::string text = closed(std::string(kHeader) + std::to_string(kSavedVersion));
    text += closed("history " + std::to_string(count) + ' ' + std::to_string(position - first));
    const bool dealt = states.empty() && game.history.pendingDeal() == game.current;
    text += closed(std::string("current ") + (dealt ? "@deal " : "") + stateText(game.current));
    for (std::size_t i = first; i < first + count; ++i)
        text += closed("state " + arrivalText(game.history.arrival(i)) + stateText(states[i]));
    // A game that is no challenge is written as before challenges were kept.
    if (game.challenge) text += formatRecord(*game.challenge);
    // A game without hints is written as before they were counted.
    if (game.hints > 0) text += formatHints(game.hints);
    return text;
}

std::string formatRecord(RecordKind kind, const GameState& state, const Arrival& how) {
    const char* name = kind == RecordKind::Act ? "act " : kind == RecordKind::Lay ? "lay " : "new ";
    return closed(name + arrivalText(how) + stateText(state));
}

std::string formatRecord(RecordKind kind, std::size_t position) {
    return closed((kind == RecordKind::Undo ? "undo " : "redo ") + std::to_string(position));
}

std::string formatRecord(const Challenge& challenge) {
    return closed("challenge " + dayText(challenge.day) + ' ' +
                  std::to_string(challenge.movesUsed));
}

std::string formatHints(int hints) {
    return closed("hints " + std::to_string(hints));
}

void applyRecord(SavedGame& game, std::string_view line) {
    std::string_view rest = checked(line);
    const std::string_view kind = word(rest);
    if (kind == "act") {
        const Arrival how = parseArrival(rest);
        const GameState after = parseState(rest);
        game.history.record(game.current, after,
                            how.kind == Arrival::Kind::Action
                                ? std::optional<RecordedAction>(how.action)
                                : std::nullopt);
        game.current = after;
    } else if (kind == "lay") {
        game.current = parseState(rest);
    } else if (kind == "new") {
        newGame(game, rest);
    } else if (kind == "challenge") {
        game.challenge = parseChallenge(rest);
    } else if (kind == "hints") {
        game.hints = number<int>(rest, "hints");
        if (game.hints < 0 || game.hints > kMaxHints) fail("the count of hints is out of range");
    } else if (kind == "undo" || kind == "redo") {
        step(game, kind == "undo", rest);
    } else {
        fail(excerpt(kind) + " is no record");
    }
}

SavedGame parseSavedGame(std::string_view text) {
    if (text.empty()) fail("the file is empty");
    LineCursor lines(text);
    try {
        SavedGame game = readSnapshot(lines);
        readRecords(lines, game);
        return game;
    } catch (const SavedFormatError& error) {
        fail("line " + std::to_string(lines.number()) + ": " + error.what());
    }
}

}  // namespace varn
