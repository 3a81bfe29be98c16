// soundplayers.h: the window's three sound players, their rest and the player's sound switch.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "soundoutput.h"

namespace varn {

class EmbedSoundArray;

// The players are restored from the embedded design at the first clip. While the sound is off
// they never touch the output, so the device stays closed; a clip's pass of window events
// still runs, and the game goes on as it would with the sound on.
class SoundPlayers : public QObject {
    Q_OBJECT

  public:
    // `output` must outlive the players; `doEvents` lets pending window events run once.
    SoundPlayers(SoundOutput& output, std::function<void()> doEvents, QObject* parent);
    ~SoundPlayers() override;

    // With `wait`, the game goes on once the clip has played, as the design's players ask; a
    // watch played faster goes on at once.
    void play(int clip, bool wait = true);
    // Stops whatever a player plays.
    void stopAll();
    bool isOn() const { return m_on; }
    // Turning the sound off ends a clip that plays and gives the device back at once.
    void setOn(bool on);

  private:
    SoundOutput& m_output;
    std::function<void()> m_doEvents;
    std::unique_ptr<EmbedSoundArray> m_players;  // EmbedSound1
    QTimer m_rest;                               // gives the sound device back after a quiet spell
    bool m_on = true;
};

}  // namespace varn
