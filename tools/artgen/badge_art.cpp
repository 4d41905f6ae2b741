// The web link badge: a plate hanging from the top edge of the window with the brand's mark, a
// claw in a hexagon between two swept wings. It carries no lettering, so one picture serves
// every brand's texts.

#include "art_kit.h"
#include "artwork.h"

#include <QtMath>

namespace orln7a::artgen {

namespace {

constexpr qreal kWidth = 260, kHeight = 80;

QPainterPath Hexagon(const QPointF& c, qreal r) {
    QPolygonF points;
    for (int k = 0; k < 6; ++k) {
        const qreal a = qDegreesToRadians(60.0 * k - 90.0);
        points << c + QPointF(r * qCos(a), r * qSin(a));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// Three tapered slashes, the claw mark.
QPainterPath Claw(const QPointF& c) {
    QPainterPath claw;
    for (int i = -1; i <= 1; ++i) {
        const qreal x = c.x() + i * 8.5;
        const qreal lift = i == 0 ? 3 : 0;
        claw.addPath(Polygon({{x + 5, c.y() - 15 - lift},
                              {x + 8.5, c.y() - 13 - lift},
                              {x - 3, c.y() + 15 - lift},
                              {x - 6, c.y() + 11 - lift}}));
    }
    return claw;
}

// Swept bars on one side of the mark; side is -1 for the left wing and 1 for the right.
QPainterPath Wing(const QPointF& c, int side) {
    QPainterPath wing;
    const qreal lengths[] = {74, 60, 46};
    for (int i = 0; i < 3; ++i) {
        const qreal y = c.y() - 11 + i * 9;
        const qreal inner = c.x() + side * (32 - i * 1.5);
        const qreal outer = inner + side * lengths[i];
        wing.addPath(Polygon(
            {{inner, y}, {outer + side * 6, y}, {outer, y + 5}, {inner - side * 3, y + 5}}));
    }
    return wing;
}

} // namespace

void DrawWebBadge(QImage& canvas, State state) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    p.scale(canvas.width() / kWidth, canvas.height() / kHeight);
    const bool over = state == State::Over;
    const bool pressed = state == State::Pressed;

    const QRectF box(0.5, 0, kWidth - 1, kHeight - 0.5);
    const QPainterPath plate = Chamfered(box, 0, 0, 28, 28);
    p.fillPath(plate, Vertical(box, pressed ? QColor(24, 25, 30) : QColor(44, 47, 56),
                               pressed ? QColor(16, 17, 20) : QColor(22, 24, 28)));
    p.save();
    p.setClipPath(plate);
    HexGrid(p, box, 9, QPen(WithAlpha(tone::Edge, over ? 70 : 45), 1));
    QRadialGradient light(QPointF(130, 38), 120);
    light.setColorAt(0, WithAlpha(tone::Accent, over ? 60 : pressed ? 14 : 30));
    light.setColorAt(1, WithAlpha(tone::Accent, 0));
    p.fillRect(box, light);
    p.restore();
    p.setPen(QPen(tone::Edge, 1));
    p.drawPath(plate);

    // The accent follows the two lower cuts, like the lip of the window's header.
    QPainterPath rim;
    rim.moveTo(box.left() + 0.5, box.bottom() - 28);
    rim.lineTo(box.left() + 28, box.bottom() - 0.5);
    rim.lineTo(box.right() - 28, box.bottom() - 0.5);
    rim.lineTo(box.right() - 0.5, box.bottom() - 28);
    if (over)
        Glow(p, rim, WithAlpha(tone::Accent, 150), 4);
    p.setPen(QPen(pressed ? tone::AccentDim : tone::Accent, 1.6));
    p.drawPath(rim);

    const QPointF centre(130, pressed ? 39 : 38);
    const QColor wingTop = over      ? QColor(150, 156, 168)
                           : pressed ? QColor(70, 74, 84)
                                     : QColor(112, 118, 130);
    for (const int side : {-1, 1}) {
        const QPainterPath wing = Wing(centre, side);
        p.fillPath(wing, Horizontal(QRectF(centre.x(), 0, side * 110.0, 1), wingTop,
                                    WithAlpha(wingTop, 30)));
    }
    const QPainterPath hexagon = Hexagon(centre, 25);
    const QPainterPath claw = Claw(centre);
    if (over) {
        Glow(p, hexagon, WithAlpha(tone::Accent, 170), 5);
        Glow(p, claw, WithAlpha(tone::AccentHot, 150), 3);
    }
    p.fillPath(hexagon, Vertical(hexagon.boundingRect(), QColor(30, 32, 38), QColor(14, 15, 18)));
    p.setPen(QPen(pressed ? tone::AccentDim : tone::Accent, 2.2));
    p.drawPath(hexagon);
    p.setPen(QPen(WithAlpha(tone::Edge, 160), 1));
    p.drawPath(Hexagon(centre, 20.5));
    const QColor clawTop = pressed ? tone::AccentDim
                           : over  ? QColor(255, 200, 170)
                                   : tone::AccentHot;
    p.fillPath(claw,
               Vertical(claw.boundingRect(), clawTop, pressed ? QColor(80, 24, 12) : tone::Accent));

    // Rivets in the upper corners.
    for (const qreal x : {10.0, kWidth - 10.0}) {
        p.setPen(QPen(tone::Void, 1));
        p.setBrush(Vertical(QRectF(x - 3, 7, 6, 6), tone::Steel, tone::Graphite));
        p.drawEllipse(QPointF(x, 10), 2.6, 2.6);
    }
}

} // namespace orln7a::artgen
