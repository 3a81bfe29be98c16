// windowsettings.cpp: the settings read into the window and written from it.
#include "windowsettings.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <set>

#include "designview.h"
#include "settings.h"
#include "soundplayers.h"
#include "windowzoom.h"

namespace varn {

WindowSettings::WindowSettings(QMainWindow& window, DesignView& view, WindowZoom& zoom,
                               SoundPlayers& sound, QAction* soundItem, QAction* continueItem)
    : m_window(window),
      m_view(view),
      m_zoom(zoom),
      m_sound(sound),
      m_soundItem(soundItem),
      m_continueItem(continueItem) {}

void WindowSettings::restore() {
    const QSize room = m_window.screen()->availableGeometry().size();
    const int menu = m_window.menuBar()->sizeHint().height();
    const Settings settings(m_zoom.windowSizeFor(DesignScale()), room);
    m_soundItem->setChecked(settings.sound());
    m_sound.setOn(settings.sound());
    m_continueItem->setChecked(settings.continueGame());
    QSize size = settings.windowSize();
    if (size.isEmpty())
        size = m_zoom.windowSizeFor(DesignScale(DesignScale::firstStart(room, menu)));
    m_window.resize(size);
    m_zoom.setNormalSize(size);
    m_view.applyScale(DesignScale::fitting(size - QSize(0, menu)));
    if (settings.fullScreen())
        m_window.setWindowState(m_window.windowState() | Qt::WindowFullScreen);
}

void WindowSettings::save() const {
    Settings::save(m_zoom.normalSize(), m_window.isFullScreen(), m_sound.isOn(),
                   m_continueItem->isChecked());
}

bool WindowSettings::changedBy(std::string_view handler) {
    static const std::set<std::string_view> settings = {
        "sound_Click",      "zoomIn_Click",     "zoomOut_Click",
        "actualSize_Click", "fullScreen_Click", "continue_Click",
    };
    return settings.contains(handler);
}

}  // namespace varn
