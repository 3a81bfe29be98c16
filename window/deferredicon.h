// deferredicon.h: an icon that asks for its pictures only when it is first drawn.
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>

namespace varn {

// Stands for the icon that `make` gives, which is made the first time the icon is drawn or its
// pictures are asked for. An icon that the window may never show then costs nothing at start-up.
class DeferredIcon : public QIconEngine {
  public:
    explicit DeferredIcon(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

  private:
    const QIcon& icon();

    std::function<QIcon()> m_make;
    QIcon m_icon;
    bool m_made = false;
};

}  // namespace varn
