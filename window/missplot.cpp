// missplot.cpp: drawing the misses of a review and describing them.
#include "missplot.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace varn {

MissPlot::MissPlot(const GameReview& review, QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    for (const ActionReview& action : review.actions)
        m_missed.push_back(action.missed);
    const auto most = std::max_element(m_missed.begin(), m_missed.end());
    m_most = most == m_missed.end() ? 0 : *most;
    const auto missing = std::count_if(m_missed.begin(), m_missed.end(),
                                       [](std::int64_t missed) { return missed > 0; });
    const QLocale locale;
    setAccessibleName(tr("Points missed along the game"));
    setAccessibleDescription(
        m_most == 0 ? tr("No action missed a point.")
                    : tr("%1 of %2 actions missed points; the most, %3, at action %4.")
                          .arg(locale.toString(qlonglong(missing)),
                               locale.toString(qlonglong(m_missed.size())),
                               locale.toString(qlonglong(m_most)),
                               locale.toString(qlonglong(most - m_missed.begin() + 1))));
}

void MissPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    if (m_missed.empty() || m_most == 0) return;
    const qreal width = area.width() / qreal(m_missed.size());
    for (std::size_t i = 0; i < m_missed.size(); ++i) {
        const qreal height = area.height() * qreal(m_missed[i]) / qreal(m_most);
        painter.fillRect(QRectF(area.left() + width * qreal(i), area.bottom() - height,
                                std::max<qreal>(width - 1, 1), height),
                         palette().color(QPalette::Highlight));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace varn
