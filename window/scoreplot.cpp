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

QSize ScorePlot::sizeHint() const {
    return {320, 120 + 2 * fontMetrics().height()};
}
QSize ScorePlot::minimumSizeHint() const {
    return {160, 60 + 2 * fontMetrics().height()};
}

std::int64_t ScorePlot::highest() const {
    std::int64_t highest = 0;
    for (const EnteredScore& entry : m_scores)
        highest = std::max(highest, entry.score);
    return highest;
}

QString ScorePlot::date(std::size_t index) const {
    const auto seconds = m_scores[index].time.time_since_epoch().count();
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds).date(), QLocale::ShortFormat);
}

QString ScorePlot::description() const {
    if (m_scores.empty()) return tr("No score has been entered yet.");
    const auto [lowest, highest] = std::minmax_element(
        m_scores.begin(), m_scores.end(), [](auto& a, auto& b) { return a.score < b.score; });
    const QLocale locale;
    return tr("From %1 to %2: lowest %3, highest %4, last %5.")
        .arg(date(0), date(m_scores.size() - 1), locale.toString(lowest->score),
             locale.toString(highest->score), locale.toString(m_scores.back().score));
}

// Room on the left for the score's title and its largest mark, below for the dates and the
// time's title.
QRectF ScorePlot::plotArea() const {
    const QFontMetrics metrics = fontMetrics();
    const int marks = metrics.horizontalAdvance(QLocale().toString(qlonglong(highest())));
    const qreal left = metrics.height() + marks + 8;
    return QRectF(rect()).adjusted(left, 4, -4, -2 * metrics.height() - 4);
}

void ScorePlot::drawAxes(QPainter& painter, const QRectF& area) const {
    const QFontMetrics metrics = fontMetrics();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(area.bottomLeft(), area.topLeft());
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    const QRectF below(area.left(), area.bottom() + 2, area.width(), metrics.height());
    const QRectF titleBelow = below.translated(0, metrics.height());
    painter.drawText(titleBelow, Qt::AlignHCenter | Qt::AlignTop, tr("Date"));
    const QRectF marks(metrics.height(), area.top(), area.left() - metrics.height() - 4,
                       area.height());
    painter.drawText(marks, Qt::AlignRight | Qt::AlignBottom, QLocale().toString(0));
    if (!m_scores.empty()) {
        painter.drawText(marks, Qt::AlignRight | Qt::AlignTop,
                         QLocale().toString(qlonglong(highest())));
        painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, date(0));
        painter.drawText(below, Qt::AlignRight | Qt::AlignTop, date(m_scores.size() - 1));
    }
    // The score's title reads upwards along its axis.
    painter.save();
    painter.translate(2, area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-area.height() / 2, 0, area.height(), metrics.height()),
                     Qt::AlignCenter, tr("Score"));
    painter.restore();
}

// Across by time, so that a week without a game shows as a gap; scores entered all in one
// second stand side by side in their order instead.
QPolygonF ScorePlot::points(const QRectF& area) const {
    const auto first = m_scores.front().time;
    const double span = double((m_scores.back().time - first).count());
    const std::int64_t top = std::max<std::int64_t>(highest(), 1);
    QPolygonF points;
    const double last = double(std::max<std::size_t>(m_scores.size() - 1, 1));
    for (std::size_t i = 0; i < m_scores.size(); ++i) {
        const double across =
            span > 0 ? double((m_scores[i].time - first).count()) / span : double(i) / last;
        const double up = double(m_scores[i].score) / double(top);
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
    const QRectF area = plotArea();
    drawAxes(painter, area);
    if (m_scores.empty()) return;
    const qreal dot = 3;
    const QPolygonF line = points(area.adjusted(2 * dot, 2 * dot, -2 * dot, -2 * dot));
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
    painter.drawPolyline(line);
    painter.setBrush(palette().color(QPalette::Highlight));
    for (const QPointF& point : line)
        painter.drawEllipse(point, dot, dot);
}

}  // namespace varn
