// designscale.h: the one scale that turns the design's twips into the window's pixels.
#pragma once

#include <QRect>
#include <QSize>

namespace varn {

// The design is measured in twips, 1/1440 inch, a whole number of them to a pixel at scale 1
// as the design table says. Every length the window shows goes through one DesignScale, and
// the rules keep their twips.
class DesignScale {
  public:
    explicit DesignScale(double factor = 1.0);

    double factor() const { return m_factor; }
    int toPixels(int twips) const;
    // Edges are rounded, never sizes, so that neighbours share an edge at every scale and the
    // cells tile the board without a gap or an overlap.
    QRect toPixels(const QRect& twips) const;
    // The smallest inside that holds the whole design at this scale.
    QSize designSize() const;

    // The largest scale, in steps of 1/64, at which the design fits `inside`; at least 1. The
    // step keeps a window sized to a scale from rounding to just below that scale.
    static DesignScale fitting(QSize inside);
    // The next quarter step above or below `factor`, never below 1.
    static double zoomedIn(double factor);
    static double zoomedOut(double factor);
    // First start: the largest quarter step whose window, with its `menuHeight`, fits in three
    // quarters of the screen's `available` area; at least 1.
    static double firstStart(QSize available, int menuHeight);

    friend bool operator==(const DesignScale&, const DesignScale&) = default;

  private:
    double m_factor;
};

}  // namespace varn
