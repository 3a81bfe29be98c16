// missplot.h: a small plot of the points missed along a reviewed game.
#pragma once

#include <QWidget>
#include <vector>

#include "judgement.h"

namespace varn {

// A bar for each action, as high against the highest as the points it missed; a screen reader
// hears how many actions missed points and the largest miss. It takes the keyboard, so that a
// player who cannot see it can stop on it and hear that.
class MissPlot : public QWidget {
    Q_OBJECT

  public:
    explicit MissPlot(const GameReview& review, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {320, 80}; }
    QSize minimumSizeHint() const override { return {160, 48}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<std::int64_t> m_missed;
    std::int64_t m_most = 0;
};

}  // namespace varn
