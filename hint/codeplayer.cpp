// codeplayer.cpp: playing a code's actions one after another on a game of its own.
#include "codeplayer.h"

namespace varn {

CodePlayer::CodePlayer(const Replay& replay) : m_replay(replay) {
    m_self = &m_game;
    m_game.startReplay(m_replay);
}

bool CodePlayer::playNext() {
    if (m_broken || done()) return false;
    m_broken = !m_game.replay(m_replay.code.actions[m_next++]);
    return !m_broken;
}

bool playable(const Replay& replay) {
    CodePlayer player(replay);
    while (!player.done()) {
        if (!player.playNext()) return false;
    }
    return true;
}

}  // namespace varn
