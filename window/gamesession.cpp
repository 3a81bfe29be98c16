// gamesession.cpp: the game's parts, and what ties them to a window.
#include "gamesession.h"

#include <iostream>

#include "designtable.h"
#include "gamesaver.h"
#include "savedgamefile.h"
#include "soundplayers.h"

namespace varn {

GameSession::GameSession(SoundOutput& output, UniformSource* random)
    : m_output(output), m_injectedRandom(random) {
    m_fallTimer.setInterval(designTable().fallMilliseconds);
    m_fallTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_fallTimer, &QTimer::timeout, [this] {
        if (m_game) m_game->Timer1_Timer();
    });
}

GameSession::~GameSession() {
    detach();
}

void GameSession::attach(GameWindow& window) {
    m_game.emplace(window, m_injectedRandom ? *m_injectedRandom : m_ownRandom, HighScoreFile(),
                   ScoreTableFile());
    m_sound = std::make_unique<SoundPlayers>(
        m_output, [&window] { window.doEvents(); }, nullptr);
}

void GameSession::detach() {
    m_fallTimer.stop();
    m_saver.reset();
    m_sound.reset();
    m_game.reset();
}

void GameSession::beginGame(bool continueLast) {
    std::optional<SavedGame> saved;
    if (continueLast && !m_numberChosen && !m_savedGamePath.empty())
        saved = loadSavedGame(m_savedGamePath, std::cerr);
    if (saved) {
        m_game->resume(saved->current, std::move(saved->history));
    } else {
        m_game->ng_click();
    }
    if (!m_savedGamePath.empty()) m_saver = std::make_unique<GameSaver>(*m_game, m_savedGamePath);
}

}  // namespace varn
