// lazysoundoutput.h: the game's sound output, loaded from its module at the first clip.
#pragma once

#include <QStringList>
#include <memory>

#include "soundoutput.h"

namespace varn {

// Nothing needs the sound libraries before the first clip, and mapping them costs start-up a
// good part of its time. Without the module the game is silent, as it is without a device.
class LazySoundOutput : public SoundOutput {
  public:
    // The module's file names, tried in order.
    explicit LazySoundOutput(QStringList modules);
    ~LazySoundOutput() override;

    // Beside the program (a build tree), then in the library folder of the installation that
    // holds the program.
    static QStringList defaultModules();

    bool play(std::span<const std::uint8_t> image, std::uint32_t flags) override;
    void stop() override;
    bool rest() override;

  private:
    SoundOutput* loaded();

    QStringList m_modules;
    std::unique_ptr<SoundOutput> m_output;
    bool m_tried = false;
};

}  // namespace varn
