// soundplayers.cpp: playing the design's clips, resting the device, and the sound switch.
#include "soundplayers.h"

#include "embeddedsounddesign.h"
#include "embedsoundarray.h"

namespace varn {

namespace {

constexpr int kClipCount = 3;
// After this long without a clip the sound device is given back to the system. Reopening it
// costs a few milliseconds, so a short pause in the game is enough.
constexpr int kRestMs = 5'000;

}  // namespace

SoundPlayers::SoundPlayers(SoundOutput& output, std::function<void()> doEvents, QObject* parent)
    : QObject(parent), m_output(output), m_doEvents(std::move(doEvents)) {
    // Started by every clip. A clip that still plays (asynchronous or looped) keeps the device,
    // and the rest is tried again a spell later.
    m_rest.setParent(this);
    m_rest.setObjectName(QStringLiteral("soundRest"));
    m_rest.setSingleShot(true);
    m_rest.setInterval(kRestMs);
    connect(&m_rest, &QTimer::timeout, this, [this] {
        if (!m_output.rest()) m_rest.start();
    });
}

SoundPlayers::~SoundPlayers() = default;

void SoundPlayers::play(int clip, bool wait) {
    if (!m_on) {
        m_doEvents();
        return;
    }
    if (!m_players)
        m_players = std::make_unique<EmbedSoundArray>(embeddedSoundDesign(), m_output, m_doEvents);
    EmbedSound& player = (*m_players)[clip];
    const bool sync = player.SyncSnd();
    if (!wait) player.SyncSnd(false);
    player.PlaySound();
    player.SyncSnd(sync);
    m_rest.start();
}

void SoundPlayers::stopAll() {
    if (!m_on || !m_players) return;
    for (int clip = 1; clip <= kClipCount; ++clip)
        (*m_players)[clip].StopSound();
}

void SoundPlayers::setOn(bool on) {
    if (on == m_on) return;
    if (!on && m_players) {
        stopAll();
        m_players.reset();
        m_rest.stop();
        m_output.rest();
    }
    m_on = on;
}

}  // namespace varn
