// padhintline.cpp: laying out and painting the hints.
#include "padhintline.h"

#include <QFontInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "padglyphs.h"

namespace varn {

namespace {
constexpr int kSmallestPixels = 12;
}

// Read from a couch or on a handheld held at arm's length: a quarter larger than the
// desktop's text.
PadHintLine::PadHintLine(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_largest = std::max(15, QFontInfo(font()).pixelSize() * 5 / 4);
}

void PadHintLine::fit() {
    QFont fitted = font();
    for (int pixels = m_largest; pixels >= kSmallestPixels; --pixels) {
        fitted.setPixelSize(pixels);
        setFont(fitted);
        if (fullWidth() <= width()) return;
    }
}

void PadHintLine::resizeEvent(QResizeEvent*) {
    fit();
}

void PadHintLine::setHints(std::vector<Hint> hints) {
    m_hints = std::move(hints);
    fit();
    QStringList said;
    for (const Hint& hint : m_hints)
        said << hint.text;
    // A screen reader reads what the buttons do; the glyphs show what it cannot say better.
    setAccessibleName(said.join(QStringLiteral(", ")));
    updateGeometry();
    update();
}

void PadHintLine::setStyle(PadStyle style) {
    m_style = style;
    update();
}

int PadHintLine::glyphHeight() const {
    return fontMetrics().height() * 5 / 4;
}

int PadHintLine::gap() const {
    return fontMetrics().height();
}

std::vector<int> PadHintLine::widths() const {
    const int height = glyphHeight();
    const int room = height / 4;
    std::vector<int> widths;
    for (const Hint& hint : m_hints) {
        qreal glyphs = 0;
        for (const PadButton button : hint.buttons)
            glyphs += padGlyphSize(button, height).width() + room;
        widths.push_back(int(std::ceil(glyphs)) + fontMetrics().horizontalAdvance(hint.text));
    }
    return widths;
}

int PadHintLine::shownCount() const {
    int used = 0;
    int shown = 0;
    for (const int each : widths()) {
        used += (shown ? gap() : 0) + each;
        if (used > width() - gap()) break;
        ++shown;
    }
    return shown;
}

int PadHintLine::fullWidth() const {
    const std::vector<int> all = widths();
    const int gaps = all.empty() ? 0 : gap() * int(all.size() - 1);
    return std::accumulate(all.begin(), all.end(), 0) + gaps + gap();
}

// As high as the preferred font needs, whatever the font fitted: the line keeps its height.
QSize PadHintLine::sizeHint() const {
    const std::vector<int> all = widths();
    QFont largest = font();
    largest.setPixelSize(m_largest);
    const int line = QFontMetrics(largest).height();
    return {(all.empty() ? 0 : all.front()) + gap(), line * 5 / 4 + line / 2};
}

QSize PadHintLine::minimumSizeHint() const {
    return sizeHint();
}

void PadHintLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int height = glyphHeight();
    const int room = height / 4;
    const int top = (this->height() - height) / 2;
    qreal x = gap() / 2;
    const int shown = shownCount();
    for (int i = 0; i < shown; ++i) {
        const Hint& hint = m_hints[std::size_t(i)];
        for (const PadButton button : hint.buttons) {
            const QSizeF size = padGlyphSize(button, height);
            paintPadGlyph(painter, QRectF(QPointF(x, top), size), button, m_style);
            x += size.width() + room;
        }
        painter.setPen(palette().color(QPalette::WindowText));
        const QRectF text(x, 0, fontMetrics().horizontalAdvance(hint.text) + 1, this->height());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, hint.text);
        x = text.right() + gap();
    }
}

}  // namespace varn
