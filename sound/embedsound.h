// embedsound.h: the sound-player control: one clip carried in memory, played on request.
#pragma once

#include <cstdint>
#include <string>

#include "propertyvalue.h"
#include "soundhost.h"
#include "soundoutput.h"

namespace varn {

inline constexpr const char* kEmbedSoundClass = "Varn.EmbedSound";

// Platform-free: it reaches the window or designer only through its SoundHost and the speaker
// only through a SoundOutput shared by all players. Errors are SoundError exceptions.
class EmbedSound {
  public:
    // The face is this many screen pixels wide and high, whatever size the host asks for.
    static constexpr int kFacePixels = 32;

    EmbedSound(SoundHost& host, SoundOutput& output);
    EmbedSound(const EmbedSound&) = delete;
    EmbedSound& operator=(const EmbedSound&) = delete;

    // Plays the clip with the options of the three flags. True when the clip was handed to the
    // output, false when there is no clip or anything failed; never throws.
    bool PlaySound();
    // Stops whatever clip the program plays, from any player. Always true.
    bool StopSound();

    // Design mode only: in run mode get throws SoundError 393 and let throws 382. Setting it
    // loads the file into MemWav and reports the outcome in a message box, never to the caller.
    std::string SndFile() const;
    void SndFile(const std::string& path);

    bool LoopSnd() const { return m_loopSnd; }
    void LoopSnd(bool value);
    bool SyncSnd() const { return m_syncSnd; }
    void SyncSnd(bool value);
    bool StopSnd() const { return m_stopSnd; }
    void StopSnd(bool value);

    // The clip: a whole RIFF/WAVE file image followed by one 0 byte, or empty.
    const ByteArray& MemWav() const { return m_memWav; }

    // Handlers of the control's own events, called by the host.
    void UserControl_InitProperties();
    // Throws SoundError 13 when a saved value has a type that cannot be converted.
    void UserControl_ReadProperties();
    void UserControl_WriteProperties();
    void UserControl_Resize();
    void UserControl_Terminate();

  private:
    void EmbedSndFile();
    std::uint32_t playFlags() const;

    SoundHost& m_host;
    SoundOutput& m_output;
    std::string m_sndFile;
    bool m_loopSnd = false;
    bool m_syncSnd = false;
    bool m_stopSnd = false;
    ByteArray m_memWav;
    bool m_resizing = false;
};

}  // namespace varn
