// The panel plate and groups shared by every page, the button assignment panel and the insert
// panel backgrounds of the macro page.
//
// Button assignment panel, 600 x 400: the mouse seen from above fills the middle third; nine
// recessed slots for the 170 x 27 button labels lie beside it, each tied to its button by a
// leader line: left column x 16, y 46, 114, 182, 250, 318 (left button, DPI up, forward, back,
// fire); right column x 414, y 46, 114, 182, 250 (right button, DPI down, wheel, mode).

#include "panel_kit.h"

#include "art_kit.h"
#include "artwork.h"

#include <QtMath>

namespace orln7a::artgen {

void PanelPlate(QPainter& p, qreal width, qreal height) {
    const QRectF box(0.5, 0.5, width - 1, height - 1);
    const QPainterPath plate = Chamfered(box, 16, 4, 16, 4);
    p.fillPath(plate, Vertical(box, QColor(29, 31, 37), QColor(17, 18, 22)));
    p.save();
    p.setClipPath(plate);
    QRadialGradient sheen(QPointF(width * 0.3, 0), width * 0.8);
    sheen.setColorAt(0, WithAlpha(Qt::white, 14));
    sheen.setColorAt(1, WithAlpha(Qt::white, 0));
    p.fillRect(box, sheen);
    p.restore();
    Bevel(p, plate, box, tone::Edge, tone::Void);
    p.setPen(QPen(tone::Accent, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(box.left(), box.top() + 16), QPointF(box.left() + 16, box.top()));
    p.drawLine(QPointF(box.right(), box.bottom() - 16), QPointF(box.right() - 16, box.bottom()));
}

void Section(QPainter& p, const QRectF& box) {
    const QPainterPath frame = Chamfered(box, 8, 0, 8, 0);
    p.fillPath(frame, WithAlpha(tone::Void, 90));
    p.setPen(QPen(WithAlpha(tone::Graphite, 220), 1));
    p.drawPath(frame);
    p.fillRect(QRectF(box.left() + 8, box.top() + 8, 3, 12), tone::Accent);
    QLinearGradient rule(box.left(), 0, box.right(), 0);
    rule.setColorAt(0, WithAlpha(tone::Edge, 200));
    rule.setColorAt(1, WithAlpha(tone::Edge, 0));
    p.setPen(QPen(QBrush(rule), 1));
    p.drawLine(QPointF(box.left() + 8, box.top() + 28.5),
               QPointF(box.right() - 8, box.top() + 28.5));
}

namespace {

QPainterPath MouseBody() {
    QPainterPath body;
    body.moveTo(300, 36);
    body.cubicTo(348, 36, 384, 58, 388, 118);
    body.cubicTo(392, 170, 400, 250, 394, 300);
    body.cubicTo(386, 352, 346, 374, 300, 374);
    body.cubicTo(254, 374, 214, 352, 206, 300);
    body.cubicTo(200, 250, 208, 170, 212, 118);
    body.cubicTo(216, 58, 252, 36, 300, 36);
    body.closeSubpath();
    return body;
}

QPainterPath Pill(const QRectF& r) {
    QPainterPath pill;
    const qreal radius = std::min(r.width(), r.height()) / 2;
    pill.addRoundedRect(r, radius, radius);
    return pill;
}

void SideButton(QPainter& p, const QRectF& r) {
    const QPainterPath button = Pill(r);
    p.fillPath(button, Horizontal(r, QColor(92, 98, 112), QColor(34, 36, 43)));
    p.setPen(QPen(tone::Void, 1));
    p.drawPath(button);
    p.fillRect(QRectF(r.left() + 2.5, r.top() + 8, 1.5, r.height() - 16),
               WithAlpha(tone::Accent, 200));
}

void Mouse(QPainter& p) {
    const QPainterPath body = MouseBody();
    const QRectF box = body.boundingRect();

    // Side buttons stand out of the left flank; the body is drawn over their inner halves.
    SideButton(p, QRectF(196, 179, 17, 34));
    SideButton(p, QRectF(195, 247, 17, 34));
    SideButton(p, QRectF(202, 317, 15, 30));

    Glow(p, body.translated(0, 8), WithAlpha(tone::Void, 200), 14);
    QLinearGradient across(box.topLeft(), box.topRight());
    across.setColorAt(0, QColor(24, 26, 31));
    across.setColorAt(0.5, QColor(50, 54, 63));
    across.setColorAt(1, QColor(22, 24, 29));
    p.fillPath(body, across);
    p.save();
    p.setClipPath(body);
    QRadialGradient sheen(QPointF(276, 110), 130);
    sheen.setColorAt(0, WithAlpha(Qt::white, 34));
    sheen.setColorAt(1, WithAlpha(Qt::white, 0));
    p.fillRect(box, sheen);
    // The palm is a darker, softer shell behind the buttons.
    QPainterPath palm;
    palm.moveTo(190, 170);
    palm.quadTo(300, 198, 410, 170);
    palm.lineTo(410, 390);
    palm.lineTo(190, 390);
    palm.closeSubpath();
    p.fillPath(palm, Vertical(QRectF(190, 170, 220, 210), WithAlpha(tone::Void, 40),
                              WithAlpha(tone::Void, 150)));
    HexGrid(p, QRectF(190, 250, 220, 140), 7, QPen(WithAlpha(tone::Void, 120), 1));
    p.restore();
    p.setPen(QPen(QColor(86, 92, 105), 1.4));
    p.drawPath(body);

    // Seams: between the two main buttons and between the buttons and the palm.
    QPainterPath seams;
    seams.moveTo(208, 166);
    seams.quadTo(300, 194, 392, 166);
    seams.moveTo(300, 37);
    seams.lineTo(300, 70);
    seams.moveTo(300, 130);
    seams.lineTo(300, 180);
    p.setPen(QPen(tone::Void, 2.2));
    p.drawPath(seams);
    p.setPen(QPen(WithAlpha(tone::Edge, 120), 1));
    p.drawPath(seams.translated(0, 1.6));

    // Wheel with ribs and a lit rim.
    const QRectF wheel(290, 72, 20, 56);
    const QPainterPath wheelPath = Pill(wheel);
    Glow(p, wheelPath, WithAlpha(tone::Accent, 140), 4);
    p.fillPath(wheelPath, Horizontal(wheel, QColor(20, 21, 25), QColor(58, 62, 72)));
    p.save();
    p.setClipPath(wheelPath);
    p.setPen(QPen(WithAlpha(tone::Void, 200), 1.2));
    for (qreal y = wheel.top() + 4; y < wheel.bottom(); y += 4.5)
        p.drawLine(QPointF(wheel.left(), y), QPointF(wheel.right(), y));
    p.restore();
    p.setPen(QPen(tone::Accent, 1.2));
    p.drawPath(wheelPath);

    // DPI buttons on the outer edges of the main buttons.
    for (const qreal x : {214.0, 376.0}) {
        const QRectF r(x, 112, 10, 32);
        p.fillPath(Pill(r), Vertical(r, QColor(66, 71, 82), QColor(30, 32, 38)));
        p.setPen(QPen(tone::Void, 1));
        p.drawPath(Pill(r));
        p.fillRect(QRectF(x + 4, 122, 2, 12), tone::Accent);
    }

    // Mode button with its lamp ring on the top of the palm.
    const QPointF mode(300, 214);
    p.setPen(QPen(tone::Void, 1.5));
    p.setBrush(Vertical(QRectF(292, 206, 16, 16), QColor(66, 71, 82), QColor(28, 30, 36)));
    p.drawEllipse(mode, 8, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tone::Accent, 1.2));
    p.drawEllipse(mode, 10.5, 10.5);

    // Light strips along both flanks.
    QPainterPath strips;
    strips.moveTo(222, 196);
    strips.cubicTo(214, 250, 216, 306, 246, 346);
    strips.moveTo(378, 196);
    strips.cubicTo(386, 250, 384, 306, 354, 346);
    Glow(p, strips, WithAlpha(tone::Accent, 180), 6);
    p.setPen(QPen(tone::AccentHot, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strips);

    // The brand's hexagon on the palm.
    QPolygonF hexagon;
    for (int k = 0; k <= 6; ++k) {
        const qreal a = qDegreesToRadians(60.0 * k - 90.0);
        hexagon << QPointF(300 + 13 * qCos(a), 306 + 13 * qSin(a));
    }
    p.setPen(QPen(WithAlpha(tone::Accent, 200), 1.4));
    p.drawPolyline(hexagon);
}

struct Leader {
    QRectF slot;
    QPolygonF route; // from the slot's inner end to the button
};

void Leaders(QPainter& p) {
    const QSizeF slot(170, 27);
    const Leader leaders[] = {
        {{{16, 46}, slot}, {{186, 59.5}, {252, 59.5}}},
        {{{16, 114}, slot}, {{186, 127.5}, {216, 127.5}}},
        {{{16, 182}, slot}, {{186, 195.5}, {197, 195.5}}},
        {{{16, 250}, slot}, {{186, 263.5}, {196, 263.5}}},
        {{{16, 318}, slot}, {{186, 331.5}, {203, 331.5}}},
        {{{414, 46}, slot}, {{414, 59.5}, {348, 59.5}}},
        {{{414, 114}, slot}, {{414, 127.5}, {388, 127.5}}},
        {{{414, 182}, slot}, {{414, 195.5}, {380, 195.5}, {312, 127.5}}},
        {{{414, 250}, slot}, {{414, 263.5}, {350, 263.5}, {307, 220.5}}},
    };
    for (const Leader& leader : leaders) {
        const QPainterPath well = Chamfered(leader.slot.adjusted(0.5, 0.5, -0.5, -0.5), 5, 0, 5, 0);
        p.fillPath(well, Vertical(leader.slot, tone::Void, tone::Deep));
        p.setPen(QPen(WithAlpha(tone::Graphite, 200), 1));
        p.drawPath(well);

        const QPolygonF& line = leader.route;
        p.setPen(QPen(WithAlpha(tone::Void, 200), 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(line);
        p.setPen(QPen(QColor(120, 126, 140), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(line);
        p.setPen(Qt::NoPen);
        p.setBrush(tone::Void);
        p.drawEllipse(line.back(), 3.6, 3.6);
        p.setBrush(tone::AccentHot);
        p.drawEllipse(line.back(), 2.2, 2.2);
        const QPointF port = line.front();
        p.setBrush(tone::Accent);
        p.drawRect(QRectF(port.x() - 1.5, port.y() - 4, 3, 8));
        p.setBrush(Qt::NoBrush);
    }
}

} // namespace

void DrawKeysPanel(QImage& canvas) {
    constexpr qreal w = 600, h = 400;
    {
        QPainter p(&canvas);
        p.setRenderHints(Smooth());
        p.scale(canvas.width() / w, canvas.height() / h);
        PanelPlate(p, w, h);
        // A faint target behind the mouse.
        p.setPen(QPen(WithAlpha(tone::Edge, 60), 1));
        p.setBrush(Qt::NoBrush);
        for (const qreal r : {120.0, 160.0, 200.0})
            p.drawEllipse(QPointF(300, 205), r, r);
        p.drawLine(QPointF(300, 8), QPointF(300, 30));
        p.drawLine(QPointF(300, 380), QPointF(300, 392));
        Mouse(p);
        Leaders(p);
    }
    Grain(canvas, canvas.rect(), 1, StableHash("Back1"));
}

void DrawInsertBase(QImage& canvas, bool keyVariant) {
    const qreal w = canvas.width(), h = canvas.height();
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QRectF box(0.5, 0.5, w - 1, h - 1);
    const QPainterPath plate = Chamfered(box, 10, 2, 10, 2);
    p.fillPath(plate, Vertical(box, QColor(34, 37, 44), QColor(20, 21, 25)));
    Bevel(p, plate, box, tone::Edge, tone::Void);
    p.setPen(QPen(tone::Accent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(box.left(), box.top() + 10), QPointF(box.left() + 10, box.top()));
    p.drawLine(QPointF(box.right(), box.bottom() - 10), QPointF(box.right() - 10, box.bottom()));

    // A watermark in the lower right tells the two variants apart at a glance.
    p.setPen(QPen(WithAlpha(tone::Edge, 110), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c(w - 34, h - 32);
    if (keyVariant) {
        const QRectF cap(c.x() - 17, c.y() - 15, 34, 30);
        p.drawRoundedRect(cap, 4, 4);
        p.drawRoundedRect(cap.adjusted(5, 4, -5, -8), 2, 2);
    } else {
        p.drawEllipse(c, 16, 16);
        p.drawLine(c, c + QPointF(0, -10));
        p.drawLine(c, c + QPointF(7, 4));
        p.setPen(QPen(WithAlpha(tone::Accent, 150), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - 21, c.y() - 21, 42, 42), 40 * 16, 70 * 16);
    }
}

} // namespace orln7a::artgen
