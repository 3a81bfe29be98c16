// padglyphs.cpp: the controller's buttons drawn with QPainter. Each is laid out in a box one
// unit high round its centre, so one drawing serves every size; letters come from a hinted
// font at a whole pixel size, which keeps them legible at 12 pixels.
#include "padglyphs.h"

#include <QFontMetricsF>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace varn {

namespace {

const QColor kBody(0x34, 0x34, 0x38);  // the dark plastic of most buttons
const QColor kEdge(0x0e, 0x0e, 0x10);  // an outline that holds on light and dark backgrounds
const QColor kInk(0xf4, 0xf4, 0xf4);
constexpr qreal kRadius = 0.47;
constexpr qreal kEdgeWidth = 0.06;
constexpr qreal kWide = 1.75;  // the width of shoulders and triggers, in heights

bool isShoulder(PadButton button) {
    return button >= PadButton::LeftShoulder && button <= PadButton::RightTrigger;
}

// The face buttons of each style, in PadButton's order A, B, X, Y: body, ink and mark.
struct Face {
    QColor body;
    QColor ink;
    const char* mark;
};
const Face kLettered[] = {{QColor(0x2e, 0x9e, 0x3e), kInk, "A"},
                          {QColor(0xd6, 0x39, 0x2b), kInk, "B"},
                          {QColor(0x2f, 0x6c, 0xcb), kInk, "X"},
                          {QColor(0xe6, 0xb0, 0x00), QColor(0x1a, 0x1a, 0x1a), "Y"}};
// Nintendo prints B below, A to the right, Y to the left and X on top.
const Face kNintendo[] = {
    {kBody, kInk, "B"}, {kBody, kInk, "A"}, {kBody, kInk, "Y"}, {kBody, kInk, "X"}};
// Cross, circle, square and triangle.
const QColor kShapeInk[] = {QColor(0x7d, 0xb3, 0xf0), QColor(0xf0, 0x6a, 0x70),
                            QColor(0xe9, 0x8f, 0xd3), QColor(0x3f, 0xd0, 0xa4)};
// The shoulders and triggers, in PadButton's order LB, RB, LT, RT.
const char* const kShoulderText[][4] = {
    {"LB", "RB", "LT", "RT"}, {"L1", "R1", "L2", "R2"}, {"L", "R", "ZL", "ZR"}};

// A capital's outline centred on `centre`, `size` heights of `height` tall.
void drawMark(QPainter& painter, QPointF centre, qreal height, const QString& text, QColor ink,
              qreal size) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, int(std::lround(height * size))));
    const QRectF bounds = QFontMetricsF(font).tightBoundingRect(text);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(centre - bounds.center(), text);
}

QPen line(QColor colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawDisc(QPainter& painter, QColor body) {
    painter.setPen(QPen(kEdge, kEdgeWidth));
    painter.setBrush(body);
    painter.drawEllipse(QPointF(0, 0), kRadius, kRadius);
}

void drawShape(QPainter& painter, int face) {
    painter.setPen(line(kShapeInk[face], 0.085));
    painter.setBrush(Qt::NoBrush);
    switch (face) {
        case 0:
            painter.drawLine(QPointF(-0.19, -0.19), QPointF(0.19, 0.19));
            painter.drawLine(QPointF(-0.19, 0.19), QPointF(0.19, -0.19));
            break;
        case 1:
            painter.drawEllipse(QPointF(0, 0), 0.21, 0.21);
            break;
        case 2:
            painter.drawRect(QRectF(-0.18, -0.18, 0.36, 0.36));
            break;
        default: {
            const QPointF corners[] = {{0, -0.23}, {0.22, 0.15}, {-0.22, 0.15}};
            painter.drawPolygon(corners, 3);
        }
    }
}

// The d-pad's cross, lit from the pressed arm's tip to the middle, so that the direction
// still shows at 12 pixels.
void drawDpad(QPainter& painter, PadButton button) {
    constexpr qreal arm = 0.19;
    QPainterPath cross;
    cross.setFillRule(Qt::WindingFill);
    cross.addRect(QRectF(-arm, -kRadius, 2 * arm, 2 * kRadius));
    cross.addRect(QRectF(-kRadius, -arm, 2 * kRadius, 2 * arm));
    painter.setPen(QPen(kEdge, kEdgeWidth));
    painter.setBrush(kBody);
    painter.drawPath(cross.simplified());
    constexpr qreal inset = 0.05;
    constexpr qreal across = 2 * (arm - inset);
    constexpr qreal along = kRadius - inset;
    const QRectF lit[] = {
        QRectF(-arm + inset, -along, across, along), QRectF(-arm + inset, 0, across, along),
        QRectF(-along, -arm + inset, along, across), QRectF(0, -arm + inset, along, across)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRect(lit[int(button) - int(PadButton::DpadUp)]);
}

// Start and Back: the menu's three lines and Xbox's two windows, PlayStation's share arrow,
// Nintendo's plus and minus.
void drawSystemButton(QPainter& painter, PadButton button, PadStyle style) {
    drawDisc(painter, kBody);
    painter.setPen(line(kInk, 0.07));
    painter.setBrush(Qt::NoBrush);
    const bool start = button == PadButton::Start;
    if (style == PadStyle::Nintendo) {
        painter.drawLine(QPointF(-0.22, 0), QPointF(0.22, 0));
        if (start) painter.drawLine(QPointF(0, -0.22), QPointF(0, 0.22));
    } else if (start) {
        for (const qreal y : {-0.14, 0.0, 0.14})
            painter.drawLine(QPointF(-0.19, y), QPointF(0.19, y));
    } else if (style == PadStyle::Lettered) {
        painter.setPen(line(kInk, 0.055));
        painter.drawRoundedRect(QRectF(-0.22, -0.2, 0.28, 0.24), 0.04, 0.04);
        painter.setBrush(kBody);
        painter.drawRoundedRect(QRectF(-0.06, -0.04, 0.28, 0.24), 0.04, 0.04);
    } else {
        painter.drawLine(QPointF(0, 0.1), QPointF(0, -0.24));
        const QPointF head[] = {{-0.12, -0.12}, {0, -0.24}, {0.12, -0.12}};
        painter.drawPolyline(head, 3);
        const QPointF tray[] = {{-0.2, 0.0}, {-0.2, 0.2}, {0.2, 0.2}, {0.2, 0.0}};
        painter.drawPolyline(tray, 4);
    }
}

// A bumper is a low bar, a trigger a tall rounded tab.
void drawShoulder(QPainter& painter, PadButton button) {
    const bool trigger = button == PadButton::LeftTrigger || button == PadButton::RightTrigger;
    const qreal half = kWide / 2 - kEdgeWidth;
    const QRectF body = trigger ? QRectF(-half, -kRadius, 2 * half, 2 * kRadius)
                                : QRectF(-half, -0.36, 2 * half, 0.72);
    const qreal round = trigger ? 0.34 : 0.2;
    painter.setPen(QPen(kEdge, kEdgeWidth));
    painter.setBrush(kBody);
    painter.drawRoundedRect(body, round, round);
}

class GlyphEngine : public QIconEngine {
  public:
    GlyphEngine(PadButton button, PadStyle style) : m_button(button), m_style(style) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QSizeF unit = padGlyphSize(m_button, 1);
        const qreal height = std::min(qreal(rect.height()), rect.width() / unit.width());
        QRectF glyph(QPointF(0, 0), unit * height);
        glyph.moveCenter(QRectF(rect).center());
        painter->save();
        if (mode == QIcon::Disabled) painter->setOpacity(0.4);
        paintPadGlyph(*painter, glyph, m_button, m_style);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QIconEngine* clone() const override { return new GlyphEngine(m_button, m_style); }

  private:
    PadButton m_button;
    PadStyle m_style;
};

}  // namespace

QSizeF padGlyphSize(PadButton button, qreal height) {
    return {isShoulder(button) ? kWide * height : height, height};
}

void paintPadGlyph(QPainter& painter, const QRectF& box, PadButton button, PadStyle style) {
    const qreal height = box.height();
    const QPointF centre = box.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centre);
    painter.scale(height, height);
    const int place = int(button);
    QString mark;
    QColor ink = kInk;
    qreal markSize = 0.56;
    if (button <= PadButton::Y) {
        if (style == PadStyle::Shapes) {
            drawDisc(painter, kBody);
            drawShape(painter, place);
        } else {
            const Face& face = (style == PadStyle::Nintendo ? kNintendo : kLettered)[place];
            drawDisc(painter, face.body);
            mark = QString::fromLatin1(face.mark);
            ink = face.ink;
        }
    } else if (isDirection(button)) {
        drawDpad(painter, button);
    } else if (isShoulder(button)) {
        drawShoulder(painter, button);
        mark = QString::fromLatin1(kShoulderText[int(style)][place - int(PadButton::LeftShoulder)]);
        markSize = 0.46;
    } else {
        drawSystemButton(painter, button, style);
    }
    painter.restore();
    if (!mark.isEmpty()) {
        painter.save();
        painter.setRenderHint(QPainter::TextAntialiasing);
        drawMark(painter, centre, height, mark, ink, markSize);
        painter.restore();
    }
}

QPixmap padGlyph(PadButton button, PadStyle style, int height, qreal pixelRatio) {
    const QSizeF size = padGlyphSize(button, height);
    QPixmap picture((size * pixelRatio).toSize());
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paintPadGlyph(painter, QRectF(QPointF(0, 0), size), button, style);
    return picture;
}

QIcon padGlyphIcon(PadButton button, PadStyle style) {
    return QIcon(new GlyphEngine(button, style));
}

}  // namespace varn
