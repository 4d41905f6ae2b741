// Check boxes, radio buttons, level-bar segments, the colour swatch frame and the slider parts:
// small pictures that sit next to captions or in rows, so they are drawn at pixel precision.

#include "art_kit.h"
#include "artwork.h"

#include <QtMath>

namespace orln7a::artgen {

void DrawCheckBox(QImage& canvas, bool on) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const qreal w = canvas.width(), h = canvas.height();
    const QRectF box(1.5, 1.5, w - 3, h - 3);
    const QPainterPath frame = Chamfered(box, 3, 0, 3, 0);
    if (on) {
        p.fillPath(frame, Vertical(box, tone::AccentHot, tone::Accent));
        p.setPen(QPen(QColor(255, 170, 130), 1));
        p.drawPath(frame);
        p.setPen(QPen(QColor(255, 250, 246), 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(
            QPolygonF({{w * 0.27, h * 0.52}, {w * 0.44, h * 0.69}, {w * 0.74, h * 0.32}}));
    } else {
        p.fillPath(frame, Vertical(box, tone::Void, tone::Surface));
        p.setPen(QPen(tone::Edge, 1));
        p.drawPath(frame);
    }
}

void DrawRadio(QImage& canvas, bool on) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QPointF c(canvas.width() / 2.0, canvas.height() / 2.0);
    const qreal r = std::min(canvas.width(), canvas.height()) / 2.0 - 1.0;
    QRadialGradient well(c - QPointF(0, r * 0.4), r * 1.4);
    well.setColorAt(0, tone::Void);
    well.setColorAt(1, tone::Surface);
    p.setBrush(well);
    p.setPen(QPen(on ? tone::Accent : tone::Edge, 1.2));
    p.drawEllipse(c, r - 0.3, r - 0.3);
    if (on) {
        QRadialGradient dot(c - QPointF(0.8, 0.8), r * 0.6);
        dot.setColorAt(0, QColor(255, 190, 150));
        dot.setColorAt(0.6, tone::AccentHot);
        dot.setColorAt(1, tone::Accent);
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(tone::Accent, 70));
        p.drawEllipse(c, r * 0.72, r * 0.72);
        p.setBrush(dot);
        p.drawEllipse(c, r * 0.46, r * 0.46);
    }
}

void DrawLevelSegment(QImage& canvas, bool lit) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const qreal w = canvas.width(), h = canvas.height();
    const qreal slant = h * 0.3;
    const QPainterPath segment =
        Polygon({{1 + slant, 1.5}, {w - 1, 1.5}, {w - 1 - slant, h - 1.5}, {1, h - 1.5}});
    const QRectF box(0, 0, w, h);
    if (lit) {
        QLinearGradient g = Vertical(box, QColor(255, 160, 110), tone::AccentDim);
        g.setColorAt(0.45, tone::Accent);
        p.fillPath(segment, g);
        p.setPen(QPen(QColor(255, 150, 100), 1));
        p.drawPath(segment);
        p.setPen(QPen(QColor(255, 230, 210, 170), 1));
        p.drawLine(QPointF(2 + slant, 3), QPointF(w - 3, 3));
    } else {
        p.fillPath(segment, Vertical(box, QColor(38, 41, 48), QColor(22, 23, 27)));
        p.setPen(QPen(tone::Graphite, 1));
        p.drawPath(segment);
        p.setPen(QPen(WithAlpha(tone::Edge, 90), 1));
        p.drawLine(QPointF(2 + slant, 3), QPointF(w - 3, 3));
    }
}

void DrawSwatchFrame(QImage& canvas) {
    // Only the rim is painted; the colour swatch under the frame shows through the centre.
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const qreal w = canvas.width(), h = canvas.height();
    QPainterPath rim;
    rim.setFillRule(Qt::OddEvenFill);
    rim.addRect(QRectF(0, 0, w, h));
    rim.addRect(QRectF(3, 3, w - 6, h - 6));
    p.fillPath(rim, Vertical(QRectF(0, 0, w, h), tone::Edge, tone::Surface));
    p.setPen(QPen(tone::Void, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.setPen(QPen(WithAlpha(tone::Void, 200), 1));
    p.drawRect(QRectF(2.5, 2.5, w - 5, h - 5));
    p.fillPath(Polygon({{0, 0}, {6, 0}, {0, 6}}), tone::Accent);
}

void DrawSliderRuler(QImage& canvas) {
    // Every column is the same, so the track can be stretched or tiled along the slider.
    QPainter p(&canvas);
    const qreal w = canvas.width();
    const qreal mid = canvas.height() / 2.0;
    p.fillRect(QRectF(0, mid - 3, w, 1), tone::Void);
    p.fillRect(QRectF(0, mid - 2, w, 4),
               Vertical(QRectF(0, mid - 2, w, 4), tone::Deep, tone::Base));
    p.fillRect(QRectF(0, mid - 0.5, w, 1), WithAlpha(tone::AccentDim, 200));
    p.fillRect(QRectF(0, mid + 2, w, 1), WithAlpha(tone::Edge, 150));
}

void DrawSliderThumb(QImage& canvas) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QPointF c(canvas.width() / 2.0, canvas.height() / 2.0);
    const qreal r = std::min(canvas.width(), canvas.height()) / 2.0 - 2.0;
    const auto hexagon = [&c](qreal radius) {
        QPolygonF points;
        for (int k = 0; k < 6; ++k) {
            const qreal a = qDegreesToRadians(60.0 * k - 90.0);
            points << c + QPointF(radius * qCos(a), radius * qSin(a));
        }
        QPainterPath path;
        path.addPolygon(points);
        path.closeSubpath();
        return path;
    };
    const QPainterPath outer = hexagon(r);
    Glow(p, outer, WithAlpha(tone::Void, 200), 2);
    const QRectF box = outer.boundingRect();
    p.fillPath(outer, Vertical(box, QColor(74, 79, 92), QColor(34, 37, 44)));
    p.setPen(QPen(QColor(120, 126, 140), 1));
    p.drawPath(outer);
    const QPainterPath core = hexagon(r * 0.42);
    Glow(p, core, WithAlpha(tone::Accent, 150), 3);
    p.fillPath(core, Vertical(core.boundingRect(), tone::AccentHot, tone::Accent));
}

} // namespace orln7a::artgen
