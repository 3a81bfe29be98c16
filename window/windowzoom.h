// windowzoom.h: the window's size in quarter steps of the design, and full screen.
#pragma once

#include <QObject>
#include <QSize>
#include <vector>

class QAction;
class QMainWindow;

namespace varn {

class DesignScale;
class DesignView;

// The design follows the window's size; zooming sizes the window to the design at a step, as
// far as the screen has room. Out of full screen the window keeps its size, to go back to.
class WindowZoom : public QObject {
    Q_OBJECT

  public:
    // `fullScreenItem` is kept checked while the window fills the screen, and `zoomItems`
    // are offered only while it does not.
    WindowZoom(QMainWindow& window, const DesignView& view, QAction& fullScreenItem,
               std::vector<QAction*> zoomItems);

    void zoomIn();
    void zoomOut();
    void actualSize();
    void setFullScreen(bool on);

    // The window with its menu bar around the design at `scale`.
    QSize windowSizeFor(const DesignScale& scale) const;
    // The window's size out of full screen, which the settings keep.
    QSize normalSize() const { return m_normalSize; }
    void setNormalSize(QSize size) { m_normalSize = size; }

  signals:
    // The window was sized out of full screen: by a zoom, or by the player dragging its edge.
    void normalSizeChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void zoomTo(double factor);

    QMainWindow& m_window;
    const DesignView& m_view;
    QAction& m_fullScreenItem;
    std::vector<QAction*> m_zoomItems;
    QSize m_normalSize;
};

}  // namespace varn
