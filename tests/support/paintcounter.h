// paintcounter.h: which widgets the application paints, and how many pixels, while it watches.
#pragma once

#include <QApplication>
#include <QPaintEvent>
#include <QWidget>
#include <set>

namespace varn::test {

// Watches every paint event from its construction to its destruction.
class PaintCounter : public QObject {
  public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    std::set<QWidget*> widgets;
    int paints = 0;
    qint64 pixels = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            ++paints;
            widgets.insert(static_cast<QWidget*>(watched));
            for (const QRect& rect : static_cast<QPaintEvent*>(event)->region())
                pixels += qint64(rect.width()) * rect.height();
        }
        return false;
    }
};

}  // namespace varn::test
