// windowsettings.h: the window opens as the player left it.
#pragma once

#include <QTimer>

class QAction;
class QMainWindow;

namespace varn {

class DesignView;
class SoundPlayers;
class WindowZoom;

// Brings the window's size, full screen, the sound switch and the choice to continue the last
// game back from the settings, and keeps them there whenever one changes and when the window
// closes. A size that the player drags is written once the drag has rested half a second, so
// that a game that is killed keeps it, without a write for each step of the drag.
class WindowSettings {
  public:
    WindowSettings(QMainWindow& window, DesignView& view, WindowZoom& zoom, SoundPlayers& sound,
                   QAction& soundItem, QAction& continueItem);

    // The first time the window opens as large as fits comfortably.
    void restore();
    void save() const;

  private:
    QMainWindow& m_window;
    DesignView& m_view;
    WindowZoom& m_zoom;
    SoundPlayers& m_sound;
    QAction& m_soundItem;
    QAction& m_continueItem;
    QTimer m_sizeRest;  // runs only from a change of size until it is written
};

}  // namespace varn
