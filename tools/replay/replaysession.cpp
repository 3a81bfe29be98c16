// replaysession.cpp: parsing and running the replay commands.
#include "replaysession.h"

#include <charconv>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace varn {

namespace {

class BadInput : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

int parseInteger(const std::string& word, int low, int high, const char* what) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high) {
        throw BadInput(std::string(what) + " '" + word + "' is out of range");
    }
    return value;
}

float parseUniform(const std::string& word) {
    char* end = nullptr;
    const double value = std::strtod(word.c_str(), &end);
    const auto u = static_cast<float>(value);
    // Checked after the rounding to single precision: 0.999999999 would become 1.
    if (word.empty() || *end != '\0' || !(u >= 0.0f && u < 1.0f)) {
        throw BadInput("random number '" + word + "' is not a decimal with 0 <= u < 1");
    }
    return u;
}

void expectCount(const std::vector<std::string>& words, std::size_t count) {
    if (words.size() != count) {
        throw BadInput("'" + words[0] + "' takes " + std::to_string(count - 1) +
                       " argument(s), not " + std::to_string(words.size() - 1));
    }
}

std::string joined(const std::vector<int>& values, std::size_t from, const char* none) {
    if (from >= values.size()) return none;
    std::string text;
    for (std::size_t i = from; i < values.size(); ++i) {
        if (i > from) text += ',';
        text += std::to_string(values[i]);
    }
    return text;
}

}  // namespace

ReplaySession::ReplaySession(std::ostream& out)
    : m_out(out), m_headless(m_random), m_window(m_headless.window), m_game(m_headless.game) {
    m_window.setEventHook([this](int call) { onEvents(call); });
}

int ReplaySession::run(std::istream& in) {
    try {
        for (std::string line; std::getline(in, line);) {
            ++m_lineNumber;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const auto words = splitWords(line);
            if (words.empty() || words[0][0] == '#') continue;
            execute(words);
        }
    } catch (const BadInput& error) {
        m_out << "error: line " << m_lineNumber << ": " << error.what() << '\n';
        return 2;
    } catch (const RandomNumbersExhausted& error) {
        m_out << "error: " << error.what() << '\n';
        return 2;
    }
    return 0;
}

void ReplaySession::execute(const std::vector<std::string>& words) {
    const std::string& command = words[0];
    static const std::pair<const char*, PlayerAction> kSimple[] = {
        {"mirror", PlayerAction::Mirror},
        {"left", PlayerAction::Left},
        {"right", PlayerAction::Right},
        {"newgame", PlayerAction::NewGame},
        {"enter", PlayerAction::Enter}};
    for (const auto& [name, action] : kSimple) {
        if (command == name) {
            expectCount(words, 1);
            runAction(action, 0);
            return;
        }
    }
    if (command == "click") {
        expectCount(words, 2);
        runAction(PlayerAction::Click, parseInteger(words[1], 0, kCellCount - 1, "cell"));
    } else if (command == "nest") {
        expectCount(words, 3);
        const int call = parseInteger(words[1], 1, 1'000'000'000, "call number");
        for (const auto& [name, action] : kSimple) {
            if (words[2] == name) {
                m_nextNests.push_back({call, action});
                return;
            }
        }
        throw BadInput("'" + words[2] + "' cannot run nested");
    } else if (command == "board") {
        expectCount(words, kCellCount + 1);
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int code = parseInteger(words[cell + 1], 0, piece::Gem, "code");
            if (!isBoardCode(code)) throw BadInput("code '" + words[cell + 1] + "' is no piece");
            m_game.tables().Board[cell] = static_cast<Code>(code);
        }
        m_game.tables().clearMarks();
        m_out << "ok\n";
    } else if (command == "random") {
        if (words.size() < 2) throw BadInput("'random' needs at least one number");
        for (std::size_t i = 1; i < words.size(); ++i)
            m_random.append(parseUniform(words[i]));
        m_out << "ok\n";
    } else {
        throw BadInput("unknown command '" + command + "'");
    }
}

void ReplaySession::runAction(PlayerAction action, int cell) {
    m_window.resetCounters();
    m_activeNests = std::move(m_nextNests);
    m_nextNests.clear();
    perform(m_game, action, cell);
    report(0, 0, 0);
    m_activeNests.clear();
}

void ReplaySession::onEvents(int call) {
    for (const Nested& nested : m_activeNests) {
        if (nested.call != call) continue;
        const auto firstClip = static_cast<int>(m_window.clips().size());
        const int ticksBefore = m_window.ticks();
        const int beepsBefore = m_window.beeps();
        perform(m_game, nested.action);
        report(firstClip, ticksBefore, beepsBefore);
    }
}

void ReplaySession::report(int firstClip, int ticksBefore, int beepsBefore) {
    const auto& tables = m_game.tables();
    m_out << "score=" << m_game.scores().Score()
          << " label4=" << m_window.labelText(ScoreLabel::Label4)
          << " label8=" << m_window.labelText(ScoreLabel::Label8)
          << " ticks=" << m_window.ticks() - ticksBefore
          << " clips=" << joined(m_window.clips(), static_cast<std::size_t>(firstClip), "-")
          << " beeps=" << m_window.beeps() - beepsBefore
          << " enabled=" << (m_window.boardEnabled() ? 1 : 0) << " marked=" << tables.markedCount()
          << " board=";
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_out << (cell ? "," : "") << tables.Board[cell];
    }
    m_out << '\n';
}

}  // namespace varn
