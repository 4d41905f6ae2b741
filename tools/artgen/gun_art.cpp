// Gun preset buttons and sight pictures. Guns 1 to 5 are side views of the rifles they stand for
// (muzzle to the right), guns 6 and 7 show cartridges of their calibre, as many as the preset
// has columns. The sights are seen through the lens, the reticle in the accent colour.

#include "art_kit.h"
#include "artwork.h"

#include <QtMath>

namespace orln7a::artgen {

namespace {

constexpr qreal kButtonWidth = 120, kButtonHeight = 56;

QPainterPath Box(qreal l, qreal t, qreal r, qreal b) {
    QPainterPath path;
    path.addRect(QRectF(QPointF(l, t), QPointF(r, b)));
    return path;
}

QPainterPath United(std::initializer_list<QPainterPath> parts) {
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const QPainterPath& part : parts)
        all = all.united(part);
    return all;
}

// Engraved detail: seams, ribs and rail teeth drawn dark over the silhouette.
QPainterPath Lines(std::initializer_list<QLineF> lines) {
    QPainterPath path;
    for (const QLineF& line : lines) {
        path.moveTo(line.p1());
        path.lineTo(line.p2());
    }
    return path;
}

QPainterPath RailTeeth(qreal left, qreal right, qreal top, qreal bottom) {
    QPainterPath path;
    for (qreal x = left + 2; x < right - 1; x += 3.5) {
        path.moveTo(x, top);
        path.lineTo(x, bottom);
    }
    return path;
}

QPainterPath Both(QPainterPath first, const QPainterPath& second) {
    first.addPath(second);
    return first;
}

struct GunDrawing {
    QPainterPath shape, details;
};

QPainterPath Akm() {
    return United({
        Polygon({{6, 21}, {31, 20}, {33, 27}, {30, 29.5}, {8, 35}, {5, 33}}),
        Box(30, 19, 66, 29),
        Polygon({{30, 19}, {34, 17.5}, {62, 17.5}, {66, 19}}),
        Polygon({{40, 29}, {48, 29}, {45, 41}, {38.5, 40}}),
        Polygon({{56, 29}, {64.5, 29}, {69, 36}, {75, 44}, {67.5, 48}, {61, 39}}),
        Polygon({{66, 20}, {88, 21}, {88, 28}, {66, 29}}),
        Box(66, 17.5, 88, 20),
        Box(88, 22.5, 108, 25),
        Polygon({{99, 22.5}, {100, 16.5}, {102, 16.5}, {103, 22.5}}),
        Box(106, 21.5, 113, 26),
        Box(62, 15.5, 65, 17.5),
    });
}

QPainterPath M16() {
    return United({
        Polygon({{5, 18.5}, {28, 21}, {28, 29}, {5, 33.5}}),
        Box(28, 20, 58, 30),
        Box(33, 12, 53, 14.5),
        Box(34, 14, 37, 20),
        Box(49, 14, 52, 20),
        Polygon({{37, 30}, {44, 30}, {41.5, 41.5}, {35, 40}}),
        Polygon({{48, 30}, {56, 30}, {57, 46}, {49.5, 46.5}}),
        Polygon({{58, 19}, {88, 20.5}, {88, 26.5}, {58, 28}}),
        Polygon({{85, 20.5}, {87, 12}, {89.5, 12}, {91, 21}}),
        Box(88, 22, 110, 24.5),
        Box(108, 21, 115, 25.5),
    });
}

QPainterPath M4() {
    return United({
        Polygon({{10, 18}, {24, 19}, {24, 31}, {12, 33}, {10, 31}}),
        Box(24, 21, 32, 25),
        Box(32, 19, 60, 29),
        Box(33, 16, 80, 19),
        Polygon({{40, 29}, {47, 29}, {44.5, 40.5}, {38, 39}}),
        Polygon({{50, 29}, {58, 29}, {59, 44}, {51.5, 44.5}}),
        Box(60, 18, 82, 28),
        Polygon({{79, 16}, {80.5, 11}, {83, 11}, {84, 18}}),
        Box(82, 22, 102, 24.5),
        Box(100, 20.5, 107, 26),
    });
}

QPainterPath Ump9() {
    const QPainterPath stock =
        Polygon({{12, 17}, {32, 19}, {32, 31}, {14, 35}, {11, 33}})
            .subtracted(Polygon({{16, 21}, {28, 22.5}, {28, 27.5}, {17, 30}}));
    const QPainterPath body = Polygon({{32, 17}, {80, 17}, {82, 20}, {82, 30}, {32, 31}});
    const QPainterPath grip = Polygon({{44, 30}, {58, 30}, {58, 37}, {52, 37}, {50, 43}, {43, 42}})
                                  .subtracted(Box(50, 31.5, 55.5, 35));
    return United({
        stock,
        body,
        grip,
        Box(36, 13.5, 76, 17),
        Polygon({{62, 30}, {70, 30}, {70.5, 47}, {62.5, 47}}),
        Box(82, 21.5, 95, 25),
        Box(93, 20, 100, 26.5),
    });
}

QPainterPath ScarL() {
    const QPainterPath stock = Polygon({{5, 17}, {28, 18}, {30, 31}, {10, 35}, {5, 33}})
                                   .subtracted(Polygon({{11, 22}, {24, 22.5}, {25, 28}, {13, 30}}));
    return United({
        stock,
        Box(28, 17, 90, 25),
        Box(30, 13.5, 88, 17),
        Polygon({{30, 25}, {60, 25}, {60, 31}, {32, 31}}),
        Polygon({{37, 31}, {44, 31}, {41.5, 42}, {35, 41}}),
        Polygon({{49, 31}, {57, 31}, {60.5, 45}, {53, 46.5}}),
        Polygon({{60, 25}, {88, 25}, {86, 29}, {62, 29}}),
        Box(90, 19.5, 107, 22.5),
        Box(105, 18.5, 113, 23.5),
        Box(66, 15.5, 71, 19.5),
    });
}

// One cartridge standing on its base; neck is the neck's width as a share of the case's.
QPainterPath Cartridge(qreal cx, qreal bottom, qreal height, qreal width, qreal neck,
                       qreal shoulder) {
    const qreal half = width / 2, neckHalf = half * neck;
    const qreal rim = bottom - height * 0.06, groove = bottom - height * 0.1;
    const qreal shoulderTop = bottom - height * shoulder;
    const qreal mouth = shoulderTop - height * 0.1, tip = bottom - height;
    QPainterPath c;
    c.moveTo(cx - half, bottom);
    c.lineTo(cx + half, bottom);
    c.lineTo(cx + half, rim);
    c.lineTo(cx + half * 0.82, rim);
    c.lineTo(cx + half * 0.82, groove);
    c.lineTo(cx + half * 0.98, groove);
    c.lineTo(cx + half * 0.9, shoulderTop + height * 0.05);
    c.lineTo(cx + neckHalf, shoulderTop);
    c.lineTo(cx + neckHalf, mouth);
    c.cubicTo(cx + neckHalf, mouth - height * 0.12, cx + 0.6, tip + height * 0.05, cx, tip);
    c.cubicTo(cx - 0.6, tip + height * 0.05, cx - neckHalf, mouth - height * 0.12, cx - neckHalf,
              mouth);
    c.lineTo(cx - neckHalf, shoulderTop);
    c.lineTo(cx - half * 0.9, shoulderTop + height * 0.05);
    c.lineTo(cx - half * 0.98, groove);
    c.lineTo(cx - half * 0.82, groove);
    c.lineTo(cx - half * 0.82, rim);
    c.lineTo(cx - half, rim);
    c.closeSubpath();
    return c;
}

void Cartridges(QPainter& p, int count, bool stout, bool highlighted) {
    const qreal height = stout ? 40 : 44, width = stout ? 12 : 9.5;
    const qreal pitch = stout ? 20 : 22;
    const qreal first = kButtonWidth / 2 - (count - 1) * pitch / 2;
    for (int i = 0; i < count; ++i) {
        const qreal cx = first + i * pitch;
        const qreal bottom = 50;
        const QPainterPath round =
            Cartridge(cx, bottom, height, width, stout ? 0.7 : 0.6, stout ? 0.52 : 0.62);
        const QRectF box = round.boundingRect();
        QLinearGradient metal(box.topLeft(), box.topRight());
        metal.setColorAt(0, highlighted ? QColor(120, 126, 138) : QColor(84, 89, 100));
        metal.setColorAt(0.35, highlighted ? QColor(236, 238, 242) : QColor(178, 183, 192));
        metal.setColorAt(1, highlighted ? QColor(96, 101, 112) : QColor(64, 68, 77));
        if (highlighted)
            Glow(p, round, WithAlpha(tone::Accent, 110), 3);
        p.fillPath(round, metal);
        // The bullet above the case mouth takes the accent.
        const qreal mouth = bottom - height * (stout ? 0.62 : 0.72);
        p.save();
        p.setClipRect(
            QRectF(box.left() - 1, box.top() - 1, box.width() + 2, mouth - box.top() + 1));
        QLinearGradient copper(box.topLeft(), box.topRight());
        copper.setColorAt(0, tone::AccentDim);
        copper.setColorAt(0.35, highlighted ? QColor(255, 170, 120) : tone::AccentHot);
        copper.setColorAt(1, QColor(110, 30, 14));
        p.fillPath(round, copper);
        p.restore();
        p.setPen(QPen(tone::Void, 0.8));
        p.drawPath(round);
    }
}

GunDrawing Gun(int gun) {
    switch (gun) {
    case 1:
        return {Akm(), Lines({{30.5, 19.5, 31.5, 29},
                              {66, 19, 66, 29},
                              {70, 22, 86, 22.5},
                              {70, 25.5, 86, 26},
                              {59, 33, 66, 32},
                              {62, 38, 69, 36.5},
                              {36, 22, 52, 22}})};
    case 2:
        return {M16(), Both(Lines({{28, 21, 28, 29.5}, {58, 19.5, 58, 28}, {31, 24.5, 57, 24.5}}),
                            RailTeeth(60, 86, 21, 26.5))};
    case 3:
        return {M4(), Both(Lines({{32, 19.5, 32, 28.5},
                                  {60, 18.5, 60, 27.5},
                                  {62, 23, 80, 23},
                                  {33, 23.5, 58, 23.5},
                                  {13, 23, 22, 23}}),
                           RailTeeth(33, 80, 16, 18.5))};
    case 4:
        return {Ump9(), Both(Lines({{34, 23.5, 78, 23.5},
                                    {60, 19, 72, 19},
                                    {60, 21.5, 72, 21.5},
                                    {63, 34, 69.5, 34},
                                    {63, 40, 70, 40}}),
                             RailTeeth(36, 76, 13.5, 16.5))};
    case 5:
        return {
            ScarL(),
            Both(
                Lines({{28, 25, 88, 25}, {30, 21, 60, 21}, {62, 27, 86, 27}, {52, 37, 58.5, 36.5}}),
                RailTeeth(30, 88, 13.5, 16.5))};
    default:
        return {};
    }
}

} // namespace

void DrawGunButton(QImage& canvas, int gun, bool highlighted) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    p.scale(canvas.width() / kButtonWidth, canvas.height() / kButtonHeight);
    const QRectF box(0.5, 0.5, kButtonWidth - 1, kButtonHeight - 1);
    const QPainterPath card = Chamfered(box, 8, 0, 8, 0);
    p.fillPath(card, highlighted ? Vertical(box, QColor(52, 30, 24), QColor(26, 18, 16))
                                 : Vertical(box, QColor(36, 39, 46), QColor(21, 22, 26)));
    p.save();
    p.setClipPath(card);
    QRadialGradient light(QPointF(60, 30), 70);
    light.setColorAt(0, WithAlpha(highlighted ? tone::Accent : Qt::white, highlighted ? 50 : 12));
    light.setColorAt(1, WithAlpha(tone::Accent, 0));
    p.fillRect(box, light);
    p.restore();
    p.setPen(QPen(highlighted ? tone::Accent : tone::Graphite, 1));
    p.drawPath(card);
    p.setPen(QPen(highlighted ? tone::AccentHot : tone::AccentDim, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(box.left(), box.top() + 8), QPointF(box.left() + 8, box.top()));
    p.drawLine(QPointF(box.right(), box.bottom() - 8), QPointF(box.right() - 8, box.bottom()));

    if (gun == 6 || gun == 7) {
        Cartridges(p, gun == 6 ? 2 : 3, gun == 7, highlighted);
        return;
    }
    // Centre the side view in the card, a touch above the middle.
    GunDrawing drawing = Gun(gun);
    const QRectF bounds = drawing.shape.boundingRect();
    const QPointF shift(kButtonWidth / 2 - bounds.center().x(), 27 - bounds.center().y());
    const QPainterPath shape = drawing.shape.translated(shift);
    const QRectF placed = shape.boundingRect();
    if (highlighted)
        Glow(p, shape, WithAlpha(tone::Accent, 150), 4);
    else
        Glow(p, shape.translated(0, 2), WithAlpha(tone::Void, 200), 3);
    p.fillPath(shape, highlighted ? Vertical(placed, QColor(244, 246, 250), QColor(150, 156, 168))
                                  : Vertical(placed, QColor(170, 176, 187), QColor(88, 93, 104)));
    p.setPen(QPen(WithAlpha(tone::Void, highlighted ? 110 : 150), 0.8));
    p.drawPath(drawing.details.translated(shift));
    p.setPen(QPen(highlighted ? tone::AccentHot : tone::Void, 0.8));
    p.drawPath(shape);
}

void DrawSight(QImage& canvas, int mode) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const qreal size = std::min(canvas.width(), canvas.height());
    const QPointF c(canvas.width() / 2.0, canvas.height() / 2.0);
    const qreal outer = size / 2 - 1;
    const qreal rimWidth = mode == 5 ? size * 0.12 : size * 0.08;
    const qreal lens = outer - rimWidth;

    // Housing, then the glass with a cool tint and a reflection.
    QRadialGradient housing(c - QPointF(0, outer * 0.5), outer * 1.6);
    housing.setColorAt(0, QColor(80, 85, 97));
    housing.setColorAt(1, QColor(22, 24, 28));
    p.setPen(QPen(tone::Void, 1));
    p.setBrush(housing);
    p.drawEllipse(c, outer, outer);
    QRadialGradient glass(c + QPointF(-lens * 0.3, -lens * 0.35), lens * 1.4);
    glass.setColorAt(0, QColor(34, 40, 50));
    glass.setColorAt(0.7, QColor(14, 16, 21));
    glass.setColorAt(1, QColor(6, 7, 9));
    p.setBrush(glass);
    p.setPen(QPen(tone::Void, 1.2));
    p.drawEllipse(c, lens, lens);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Qt::white, 50), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - lens * 0.8, c.y() - lens * 0.8, lens * 1.6, lens * 1.6), 100 * 16,
              60 * 16);

    const QColor red(255, 62, 34);
    const auto line = [&](QPointF a, QPointF b, qreal width) {
        QPainterPath path;
        path.moveTo(c + a * lens);
        path.lineTo(c + b * lens);
        Glow(p, path, WithAlpha(red, 120), 2);
        p.setPen(QPen(red, width, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    };
    const auto dot = [&](qreal radius) {
        QPainterPath d;
        d.addEllipse(c, radius, radius);
        Glow(p, d, WithAlpha(red, 170), 3);
        p.fillPath(d, QColor(255, 190, 160));
    };
    switch (mode) {
    case 1: // red dot
        dot(size * 0.05);
        break;
    case 2: { // holographic: ring, dot and four ticks
        QPainterPath ring;
        ring.addEllipse(c, lens * 0.55, lens * 0.55);
        Glow(p, ring, WithAlpha(red, 120), 2);
        p.setPen(QPen(red, 1.3));
        p.drawPath(ring);
        for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
            line(d * 0.55, d * 0.72, 1.3);
        dot(size * 0.035);
        break;
    }
    case 3: // crosshair with an open centre
        for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
            line(d * 0.18, d * 0.95, 1.1);
        dot(size * 0.025);
        break;
    case 4: // chevron with side stadia
        line({-0.16, 0.16}, {0, 0}, 1.4);
        line({0, 0}, {0.16, 0.16}, 1.4);
        line({-0.95, 0}, {-0.4, 0}, 1.1);
        line({0.4, 0}, {0.95, 0}, 1.1);
        line({0, 0.3}, {0, 0.95}, 1.1);
        break;
    default: // magnified optic: chevron, drop marks and a lit lens ring
        line({-0.13, 0.13}, {0, 0}, 1.5);
        line({0, 0}, {0.13, 0.13}, 1.5);
        for (int mark = 1; mark <= 4; ++mark) {
            const qreal y = 0.16 + mark * 0.14;
            const qreal half = 0.16 - mark * 0.025;
            line({-half, y}, {half, y}, 1.0);
        }
        line({-0.95, 0}, {-0.3, 0}, 1.0);
        line({0.3, 0}, {0.95, 0}, 1.0);
        p.setPen(QPen(WithAlpha(tone::Accent, 140), 1));
        p.drawEllipse(c, lens + 1.5, lens + 1.5);
        break;
    }
}

} // namespace orln7a::artgen
