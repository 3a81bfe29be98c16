// scoreplot.cpp: drawing the last entered scores and describing them for a screen reader.
#include "scoreplot.h"

#include <QDateTime>
#include <QLocale>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace varn {

ScorePlot::ScorePlot(std::vector<EnteredScore> scores, QWidget* parent)
    : QWidget(parent), m_scores(std::move(scores)) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Recent scores: %1").arg(QLocale().toString(int(m_scores.size()))));
    setAccessibleDescription(description());
}

QString ScorePlot::description() const {
    if (m_scores.empty()) return tr("No score has been entered yet.");
    const auto [lowest, highest] = std::minmax_element(
        m_scores.begin(), m_scores.end(), [](auto& a, auto& b) { return a.score < b.score; });
    const QLocale locale;
    const auto date = [&](const EnteredScore& entry) {
        const auto seconds = entry.time.time_since_epoch().count();
        return locale.toString(QDateTime::fromSecsSinceEpoch(seconds).date(), QLocale::ShortFormat);
    };
    return tr("From %1 to %2: lowest %3, highest %4, last %5.")
        .arg(date(m_scores.front()), date(m_scores.back()), locale.toString(lowest->score),
             locale.toString(highest->score), locale.toString(m_scores.back().score));
}

// Across by time, so that a week without a game shows as a gap; scores entered all in one
// second stand side by side in their order instead.
QPolygonF ScorePlot::points(const QRectF& area) const {
    const auto first = m_scores.front().time;
    const double span = double((m_scores.back().time - first).count());
    std::int64_t highest = 1;
    for (const EnteredScore& entry : m_scores)
        highest = std::max(highest, entry.score);
    QPolygonF points;
    const double last = double(std::max<std::size_t>(m_scores.size() - 1, 1));
    for (std::size_t i = 0; i < m_scores.size(); ++i) {
        const double across =
            span > 0 ? double((m_scores[i].time - first).count()) / span : double(i) / last;
        const double up = double(m_scores[i].score) / double(highest);
        points << QPointF(area.left() + across * area.width(), area.bottom() - up * area.height());
    }
    return points;
}

void ScorePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
    if (m_scores.empty()) return;
    const qreal dot = 3;
    const QPolygonF line = points(frame.adjusted(4 * dot, 4 * dot, -4 * dot, -4 * dot));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
    painter.drawPolyline(line);
    painter.setBrush(palette().color(QPalette::Highlight));
    for (const QPointF& point : line)
        painter.drawEllipse(point, dot, dot);
}

}  // namespace varn
