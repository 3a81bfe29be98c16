// settings.h: what the window keeps from run to run, read once and held within its bounds.
#pragma once

#include <QSize>
#include <QString>

namespace varn {

// Kept as INI in $XDG_CONFIG_HOME/varn/varn.conf (~/.config/varn/varn.conf without it). Each
// value is read once, when the window starts, and written as soon as it changes; a value that
// is missing, damaged or out of bounds costs only itself: it falls back to its default. A file that
// cannot be written is not an error; the game just forgets.
class Settings {
  public:
    // Reads the file. A saved window size is held between `smallest` and `largest`.
    Settings(QSize smallest, QSize largest);

    static QString path();

    // The window's size as last closed; invalid when none was kept.
    QSize windowSize() const { return m_windowSize; }
    bool fullScreen() const { return m_fullScreen; }
    bool sound() const { return m_sound; }
    // Start-up puts the saved game back, or deals a new one.
    bool continueGame() const { return m_continueGame; }

    static void save(QSize windowSize, bool fullScreen, bool sound, bool continueGame);

  private:
    QSize m_windowSize;
    bool m_fullScreen = false;
    bool m_sound = true;
    bool m_continueGame = true;
};

}  // namespace varn
