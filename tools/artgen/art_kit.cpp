#include "art_kit.h"

#include <QtMath>

#include <algorithm>

namespace orln7a::artgen {

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(std::clamp(alpha, 0, 255));
    return colour;
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    const auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QImage NewCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainter::RenderHints Smooth() {
    return QPainter::Antialiasing | QPainter::SmoothPixmapTransform;
}

QPainterPath Chamfered(const QRectF& r, qreal tl, qreal tr, qreal br, qreal bl) {
    QPainterPath path;
    path.moveTo(r.left() + tl, r.top());
    path.lineTo(r.right() - tr, r.top());
    path.lineTo(r.right(), r.top() + tr);
    path.lineTo(r.right(), r.bottom() - br);
    path.lineTo(r.right() - br, r.bottom());
    path.lineTo(r.left() + bl, r.bottom());
    path.lineTo(r.left(), r.bottom() - bl);
    path.lineTo(r.left(), r.top() + tl);
    path.closeSubpath();
    return path;
}

QPainterPath Chamfered(const QRectF& r, qreal cut) {
    return Chamfered(r, cut, cut, cut, cut);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient Horizontal(const QRectF& r, const QColor& left, const QColor& right) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, left);
    g.setColorAt(1, right);
    return g;
}

void Glow(QPainter& p, const QPainterPath& path, const QColor& colour, int radius) {
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = radius; i >= 1; --i) {
        const qreal fade = 1.0 - static_cast<qreal>(i) / (radius + 1);
        const int alpha = qRound(colour.alpha() * fade * fade / std::max(1, radius / 2));
        p.setPen(
            QPen(WithAlpha(colour, alpha), 2.0 * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.restore();
}

void Bevel(QPainter& p, const QPainterPath& path, const QRectF& box, const QColor& light,
           const QColor& dark) {
    p.save();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, light);
    g.setColorAt(0.45, Mix(light, dark, 0.6));
    g.setColorAt(1, dark);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(g), 1.0));
    p.drawPath(path);
    p.restore();
}

void CornerBrackets(QPainter& p, const QRectF& box, qreal arm, const QPen& pen) {
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    p.drawPolyline(QPolygonF({{l, t + arm}, {l, t}, {l + arm, t}}));
    p.drawPolyline(QPolygonF({{r - arm, t}, {r, t}, {r, t + arm}}));
    p.drawPolyline(QPolygonF({{r, b - arm}, {r, b}, {r - arm, b}}));
    p.drawPolyline(QPolygonF({{l + arm, b}, {l, b}, {l, b - arm}}));
    p.restore();
}

void HexGrid(QPainter& p, const QRectF& area, qreal radius, const QPen& pen) {
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal h = radius * qSqrt(3.0) / 2;
    const qreal stepX = radius * 1.5;
    int column = 0;
    for (qreal cx = area.left() - radius; cx < area.right() + radius; cx += stepX, ++column) {
        const qreal offset = (column % 2) ? h : 0;
        for (qreal cy = area.top() - 2 * h + offset; cy < area.bottom() + 2 * h; cy += 2 * h) {
            QPolygonF hexagon;
            for (int k = 0; k < 6; ++k) {
                const qreal a = qDegreesToRadians(60.0 * k);
                hexagon << QPointF(cx + radius * qCos(a), cy + radius * qSin(a));
            }
            hexagon << hexagon.front();
            p.drawPolyline(hexagon);
        }
    }
    p.restore();
}

void Hatch(QPainter& p, const QRectF& area, qreal pitch, const QPen& pen) {
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setPen(pen);
    for (qreal x = area.left() - area.height(); x < area.right(); x += pitch)
        p.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    p.restore();
}

void Grain(QImage& image, const QRect& area, int amplitude, std::uint32_t seed) {
    std::uint32_t state = seed ? seed : 0x9E3779B9u;
    const QRect box = area.intersected(image.rect());
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            if (qAlpha(line[x]) != 255)
                continue;
            const int d = static_cast<int>(state % (2 * amplitude + 1)) - amplitude;
            const auto shift = [d](int c) { return std::clamp(c + d, 0, 255); };
            line[x] = qRgb(shift(qRed(line[x])), shift(qGreen(line[x])), shift(qBlue(line[x])));
        }
    }
}

void CutToWindowShape(QImage& image, const QPainterPath& outline) {
    QImage mask(image.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing, false);
        m.fillPath(outline, Qt::black);
    }
    const QRgb key = kColourKey;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* inside = mask.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (inside[x] == 0) {
                line[x] = key;
                continue;
            }
            // Premultiplied pixels over black: the colour channels stay, the alpha becomes full.
            QRgb pixel = line[x] | 0xFF000000u;
            if (pixel == key)
                pixel = qRgb(129, 0, 0);
            line[x] = pixel;
        }
    }
}

std::uint32_t StableHash(const QString& text) {
    std::uint32_t hash = 2166136261u;
    for (const QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

} // namespace orln7a::artgen
