// windowsettings.h: the window opens as the player left it.
#pragma once

#include <string_view>

class QAction;
class QMainWindow;

namespace varn {

class DesignView;
class SoundPlayers;
class WindowZoom;

// Brings the window's size, full screen, the sound switch and the choice to continue the last
// game back from the settings, and keeps them there whenever one changes and when the window
// closes.
class WindowSettings {
  public:
    WindowSettings(QMainWindow& window, DesignView& view, WindowZoom& zoom, SoundPlayers& sound,
                   QAction* soundItem, QAction* continueItem);

    // The first time the window opens as large as fits comfortably.
    void restore();
    void save() const;
    // Whether the design's handler changes a setting, which is then written at once, so that a
    // game that is killed keeps it too.
    static bool changedBy(std::string_view handler);

  private:
    QMainWindow& m_window;
    DesignView& m_view;
    WindowZoom& m_zoom;
    SoundPlayers& m_sound;
    QAction* m_soundItem;
    QAction* m_continueItem;
};

}  // namespace varn
