// windowzoom.cpp: zoom steps, full screen and the size the window goes back to.
#include "windowzoom.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "designview.h"

namespace varn {

WindowZoom::WindowZoom(QMainWindow& window, const DesignView& view, QAction& fullScreenItem,
                       std::vector<QAction*> zoomItems)
    : QObject(&window),
      m_window(window),
      m_view(view),
      m_fullScreenItem(fullScreenItem),
      m_zoomItems(std::move(zoomItems)) {
    window.installEventFilter(this);
}

void WindowZoom::zoomIn() {
    zoomTo(DesignScale::zoomedIn(m_view.scale().factor()));
}

void WindowZoom::zoomOut() {
    zoomTo(DesignScale::zoomedOut(m_view.scale().factor()));
}

void WindowZoom::actualSize() {
    zoomTo(1.0);
}

void WindowZoom::setFullScreen(bool on) {
    if (on) {
        m_window.showFullScreen();
    } else {
        // A window that started in full screen has no size of its own to go back to.
        m_window.showNormal();
        m_window.resize(m_normalSize);
    }
}

QSize WindowZoom::windowSizeFor(const DesignScale& scale) const {
    return scale.designSize() + QSize(0, m_window.menuBar()->sizeHint().height());
}

// Sizes the window to the design at `factor`, as far as the screen has room for it.
void WindowZoom::zoomTo(double factor) {
    if (m_window.isFullScreen()) return;
    const QSize size = windowSizeFor(DesignScale(factor));
    const QSize room = m_window.screen()->availableGeometry().size();
    if (factor > m_view.scale().factor() &&
        (size.width() > room.width() || size.height() > room.height()))
        return;
    m_window.resize(size);
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Resize &&
        m_window.windowState() == Qt::WindowNoState && m_window.size() != m_normalSize) {
        m_normalSize = m_window.size();
        emit normalSizeChanged();
    }
    if (watched == &m_window && event->type() == QEvent::WindowStateChange) {
        m_fullScreenItem.setChecked(m_window.isFullScreen());
        for (QAction* zoom : m_zoomItems)
            zoom->setEnabled(!m_window.isFullScreen());
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace varn
