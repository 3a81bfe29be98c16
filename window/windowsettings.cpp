// windowsettings.cpp: the settings read into the window and written from it.
#include "windowsettings.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "designview.h"
#include "settings.h"
#include "soundplayers.h"
#include "windowzoom.h"

namespace varn {

WindowSettings::WindowSettings(QMainWindow& window, DesignView& view, WindowZoom& zoom,
                               SoundPlayers& sound, QAction& soundItem, QAction& continueItem)
    : m_window(window),
      m_view(view),
      m_zoom(zoom),
      m_sound(sound),
      m_soundItem(soundItem),
      m_continueItem(continueItem) {
    m_sizeRest.setSingleShot(true);
    m_sizeRest.setInterval(500);
    QObject::connect(&zoom, &WindowZoom::normalSizeChanged, &m_sizeRest,
                     qOverload<>(&QTimer::start));
    QObject::connect(&m_sizeRest, &QTimer::timeout, &m_sizeRest, [this] { save(); });
}

void WindowSettings::restore() {
    const QSize room = m_window.screen()->availableGeometry().size();
    const int menu = m_window.menuBar()->sizeHint().height();
    const Settings settings(m_zoom.windowSizeFor(DesignScale()), room);
    m_soundItem.setChecked(settings.sound());
    m_sound.setOn(settings.sound());
    m_continueItem.setChecked(settings.continueGame());
    QSize size = settings.windowSize();
    if (size.isEmpty())
        size = m_zoom.windowSizeFor(DesignScale(DesignScale::firstStart(room, menu)));
    // Known before the window takes it, so that taking it writes nothing.
    m_zoom.setNormalSize(size);
    m_window.resize(size);
    m_view.applyScale(DesignScale::fitting(size - QSize(0, menu)));
    if (settings.fullScreen())
        m_window.setWindowState(m_window.windowState() | Qt::WindowFullScreen);
}

void WindowSettings::save() const {
    Settings::save(m_zoom.normalSize(), m_window.isFullScreen(), m_sound.isOn(),
                   m_continueItem.isChecked());
}

}  // namespace varn
