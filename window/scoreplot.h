// scoreplot.h: a small plot of the last entered scores over time.
#pragma once

#include <QWidget>
#include <vector>

#include "scoretable.h"

namespace varn {

// The scores stand as dots joined by a line, at their time across and their height up, from
// 0 at the bottom to the highest at the top; the axes are titled, the score's with 0 and the
// highest, the time's with the first and the last date. A screen reader hears their count, their
// span of dates, the lowest, the highest and the last. It takes the keyboard, so that a player who
// cannot see it can stop on it and hear that, and it draws only when Qt asks it to.
class ScorePlot : public QWidget {
    Q_OBJECT

  public:
    explicit ScorePlot(std::vector<EnteredScore> scores, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString description() const;
    // The area inside the axes, and the axes with their titles and marks drawn round it.
    QRectF plotArea() const;
    void drawAxes(QPainter& painter, const QRectF& area) const;
    QString date(std::size_t index) const;
    std::int64_t highest() const;
    // Where each score stands inside `area`, oldest first.
    QPolygonF points(const QRectF& area) const;

    std::vector<EnteredScore> m_scores;
};

}  // namespace varn
