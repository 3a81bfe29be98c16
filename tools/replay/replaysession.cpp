// replaysession.cpp: parsing and running the replay commands.
#include "replaysession.h"

#include <iostream>
#include <istream>
#include <ostream>
#include <stdexcept>

#include "codecommands.h"
#include "gamenumber.h"
#include "hintline.h"
#include "savedgamefile.h"
#include "scriptwords.h"

namespace varn {

namespace {

// The player's command that a script names `name`, if any.
const CommandRow* playerCommand(const std::string& name) {
    for (const CommandRow& row : kCommands) {
        if (row.replay && row.replay == name) return &row;
    }
    return nullptr;
}

}  // namespace

ReplaySession::ReplaySession(std::ostream& out)
    : m_out(out), m_headless(m_random), m_window(m_headless.window), m_game(m_headless.game) {
    m_window.setEventHook([this](int call) { onEvents(call); });
    m_commands = {
        {"board", [this](const Words& words) { setBoard(words); }},
        {"random", [this](const Words& words) { queueNumbers(words); }},
        {"nest", [this](const Words& words) { nest(words); }},
        {"save", [this](const Words& words) { save(words); }},
        {"load", [this](const Words& words) { load(words); }},
        {"game", [this](const Words& words) { playGame(words); }},
        {"challenge", [this](const Words& words) { playChallenge(words); }},
        {"code", [this](const Words& words) { printCode(words); }},
        {"watch", [this](const Words& words) { watch(words); }},
        {"review", [this](const Words& words) { review(words); }},
        {"par", [this](const Words& words) { par(words); }},
        // Named by the command table too, but answered here: it is no action of the rules.
        {commandRow(Command::hint_Click).replay, [this](const Words& words) { hint(words); }},
    };
    // The player's commands, as the command table names them; a click names its cell.
    for (const CommandRow& row : kCommands) {
        if (!row.replay || !row.rules) continue;
        m_commands.try_emplace(row.replay, [this, id = row.id](const Words& words) {
            const bool click = id == Command::Element_Click;
            expectCount(words, click ? 2 : 1);
            runAction(words, id, click ? parseInteger(words[1], 0, kCellCount - 1, "cell") : 0);
        });
    }
}

int ReplaySession::run(std::istream& in) {
    m_in = &in;
    try {
        // A program that drives the script through a pipe may wait for each answer.
        for (Words words; readWords(words); m_out.flush())
            execute(words);
    } catch (const BadInput& error) {
        m_out << "error: line " << m_lineNumber << ": " << error.what() << '\n';
        return 2;
    } catch (const RandomNumbersExhausted& error) {
        m_out << "error: line " << m_lineNumber << ": " << error.what() << '\n';
        return 2;
    } catch (const std::out_of_range& fault) {
        // The rules asked the window for a cell or a picture that it does not have.
        m_out << "fault: line " << m_lineNumber << ": " << fault.what() << '\n';
        return 3;
    }
    return 0;
}

// The words of the next line that is neither blank nor a comment; false at the end.
bool ReplaySession::readWords(Words& words) {
    for (std::string line; std::getline(*m_in, line);) {
        ++m_lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        words = splitWords(line);
        if (!words.empty() && words[0][0] != '#') return true;
    }
    return false;
}

void ReplaySession::execute(const Words& words) {
    const auto command = m_commands.find(words[0]);
    if (command == m_commands.end()) throw BadInput("unknown command '" + words[0] + "'");
    command->second(words);
}

// `board` followed by the 100 cells on its own line, or alone and followed by ten rows of ten.
void ReplaySession::setBoard(const Words& words) {
    BoardTables& tables = m_game.tables();
    if (words.size() == kCellCount + 1) {
        for (int cell = 0; cell < kCellCount; ++cell)
            setCell(tables, cell, words[cell + 1]);
        showBoard();
        return;
    }
    if (words.size() != 1) {
        throw BadInput("'board' takes 100 cells, or ten rows of ten on the lines below, not " +
                       std::to_string(words.size() - 1));
    }
    Words row;
    for (int r = 0; r < kBoardSide; ++r) {
        if (!readWords(row)) throw BadInput("the board ends after " + std::to_string(r) + " rows");
        if (row.size() != kBoardSide) {
            throw BadInput("a board row holds ten cells, not " + std::to_string(row.size()));
        }
        for (int column = 0; column < kBoardSide; ++column)
            setCell(tables, cellAt(r, column), row[column]);
    }
    showBoard();
}

// The board in place as a dealt board is: every cell shown with its piece.
void ReplaySession::showBoard() {
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_window.showPattern(cell, m_game.tables().Board[cell]);
        m_window.setCellVisible(cell, true);
    }
}

// `random u1 u2 ...`, optionally ended by `*N`: the numbers of the line, N times over.
void ReplaySession::queueNumbers(const Words& words) {
    std::size_t end = words.size();
    int times = 1;
    if (end > 2 && words.back()[0] == '*') {
        times = parseInteger(words.back().substr(1), 1, 10'000, "repeat count");
        --end;
    }
    if (end < 2) throw BadInput("'random' needs at least one number");
    std::vector<float> numbers;
    for (std::size_t i = 1; i < end; ++i)
        numbers.push_back(parseUniform(words[i]));
    for (int i = 0; i < times; ++i) {
        for (float u : numbers)
            m_random.append(u);
    }
}

// `game N`: a new game that deals from game N's numbers, as the game started with --game N does.
void ReplaySession::playGame(const Words& words) {
    expectCount(words, 2);
    const auto number = parseGameNumber(words[1]);
    if (!number) {
        throw BadInput("game number '" + words[1] + "' is not from 1 to " +
                       std::to_string(kLastGameNumber));
    }
    m_random.chooseNextGame(*number);
    runAction(words, Command::ng_click, 0);
}

// `challenge YYYY-MM-DD`: that day's challenge, as the window starts it on that day.
void ReplaySession::playChallenge(const Words& words) {
    expectCount(words, 2);
    const Days day = challengeDay(words[1]);
    runAction(words, [this, day] { m_game.startChallenge(day); });
}

// `code`: the game's code as the last word of the line, or "none" for a game that has none.
void ReplaySession::printCode(const Words& words) {
    expectCount(words, 1);
    m_out << codeLine(m_game) << '\n';
}

// `watch CODE`: game N of the code, then each of its actions with what ran inside it.
void ReplaySession::watch(const Words& words) {
    expectCount(words, 2);
    const GameCode code = watchedCode(words[1]);
    playGame({"game", std::to_string(code.number)});
    for (const RecordedAction& action : code.actions) {
        m_window.resetCounters();
        m_game.replay(action);
        report(actionText(action), 0, 0, 0);
    }
    m_out.flush();
}

// `review CODE [HORIZON WIDTH]`: the review of the code's game, with the search's own settings
// or those given, which a test keeps small.
void ReplaySession::review(const Words& words) {
    if (words.size() != 2 && words.size() != 4) expectCount(words, 2);
    ReviewSettings settings;
    if (words.size() == 4) {
        settings.horizon = parseInteger(words[2], 1, 50, "horizon");
        settings.width = parseInteger(words[3], 1, 4096, "width");
    }
    m_out << reviewLines(watchedCode(words[1]), settings) << '\n';
}

// `par YYYY-MM-DD [WIDTH]`: the day's par, with the search's own width or the one given.
void ReplaySession::par(const Words& words) {
    if (words.size() != 2 && words.size() != 3) expectCount(words, 2);
    ParSettings settings;
    if (words.size() == 3) settings.width = parseInteger(words[2], 1, 4096, "width");
    m_out << parLine(challengeDay(words[1]), settings) << '\n';
}

void ReplaySession::nest(const Words& words) {
    expectCount(words, 3);
    const int call = parseInteger(words[1], 1, 1'000'000'000, "call number");
    const CommandRow* row = playerCommand(words[2]);
    if (words[2] == "show") {
        m_nextNests.push_back({call, std::nullopt, joined(words, ' ', "")});
    } else if (row && row->rules && row->id != Command::Element_Click) {
        m_nextNests.push_back({call, row->id, joined(words, ' ', "")});
    } else {
        throw BadInput("'" + words[2] + "' cannot run nested");
    }
}

// `save PATH`: saves the game as it stands and after every action from now on, as the window
// saves the game in progress.
void ReplaySession::save(const Words& words) {
    expectCount(words, 2);
    m_saver.reset();
    m_savePath = words[1];
    m_saver = std::make_unique<GameSaver>(m_game, m_savePath);
    // The snapshot is in place before the script goes on, so the actions after it are records.
    m_saver->flush();
}

// `load PATH`: puts the game saved there back, as the window does at start. A damaged file
// leaves the game as it is, with the window's line on stderr.
void ReplaySession::load(const Words& words) {
    expectCount(words, 2);
    m_window.resetCounters();
    std::optional<SavedGame> saved = loadSavedGame(words[1], std::cerr);
    if (saved) {
        m_game.resume(saved->current, std::move(saved->history), saved->hints);
        m_game.continueChallenge(saved->challenge);
        // The file being saved follows the game it now holds.
        if (m_saver) save({"save", m_savePath});
    }
    report(joined(words, ' ', ""), 0, 0, 0);
}

void ReplaySession::runAction(const Words& words, Command command, int cell) {
    runAction(words, [this, command, cell] { perform(m_game, command, cell); });
}

void ReplaySession::runAction(const Words& words, const std::function<void()>& action) {
    m_window.resetCounters();
    m_activeNests = std::move(m_nextNests);
    m_nextNests.clear();
    action();
    report(joined(words, ' ', ""), 0, 0, 0);
    m_activeNests.clear();
}

// `hint`: the action that the hint suggests, which changes nothing.
// Refused during a challenge, as the window refuses it.
void ReplaySession::hint(const Words& words) {
    expectCount(words, 1);
    if (m_game.challenge()) {
        m_out << "hint refused\n";
        return;
    }
    m_out << hintLine(m_game.state(), m_random) << '\n';
}

void ReplaySession::onEvents(int call) {
    for (const Nested& nested : m_activeNests) {
        if (nested.call != call) continue;
        if (!nested.command) {
            // The outer command's counts so far, as a player would see them at this moment.
            report(nested.text, 0, 0, 0);
            continue;
        }
        const auto firstClip = static_cast<int>(m_window.clips().size());
        const int ticksBefore = m_window.ticks();
        const int beepsBefore = m_window.beeps();
        perform(m_game, *nested.command);
        report(nested.text, firstClip, ticksBefore, beepsBefore);
    }
}

void ReplaySession::report(const std::string& title, int firstClip, int ticksBefore,
                           int beepsBefore) {
    const BoardTables& tables = m_game.tables();
    std::vector<std::string> clips;
    for (std::size_t i = static_cast<std::size_t>(firstClip); i < m_window.clips().size(); ++i)
        clips.push_back(std::to_string(m_window.clips()[i]));
    // Cells whose picture is not their piece: effect pictures, and anything left undrawn.
    std::vector<std::string> shown;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_window.shownPattern(cell) == tables.Board[cell]) continue;
        shown.push_back(std::to_string(cell) + ':' + std::to_string(m_window.shownPattern(cell)));
    }
    m_out << title << ": score=" << m_game.scores().Score()
          << " label4=" << m_window.labelText(ScoreLabel::Label4)
          << " label8=" << m_window.labelText(ScoreLabel::Label8)
          << " ticks=" << m_window.ticks() - ticksBefore << " clips=" << joined(clips, ',', "-")
          << " beeps=" << m_window.beeps() - beepsBefore
          << " enabled=" << (m_window.boardEnabled() ? 1 : 0)
          << " pointer=" << (m_window.pointer() == Pointer::Busy ? "busy" : "custom")
          << " focus=" << m_window.focusCount() << " random=" << m_random.remaining();
    if (m_game.challenge()) m_out << " moves=" << m_game.challenge()->movesLeft();
    if (!shown.empty()) m_out << " shown=" << joined(shown, ',', "");
    m_out << '\n';
    if (const std::optional<ChallengeResult> result = m_window.takeResult())
        m_out << "result: " << resultLine(*result) << '\n'
              << "code: " << (result->code.empty() ? "none" : result->code) << '\n';
    printBoard(m_out, tables);
}

}  // namespace varn
