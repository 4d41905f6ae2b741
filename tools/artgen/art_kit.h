#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>

namespace orln7a::artgen {

// The skin's palette: graphite surfaces from near black to a light edge, one hot orange-red
// accent. Every picture takes its colours from here so the families stay of one piece.
namespace tone {
inline const QColor Void(9, 10, 12);
inline const QColor Deep(14, 15, 18);
inline const QColor Base(20, 22, 26);
inline const QColor Surface(27, 29, 35);
inline const QColor Raised(36, 39, 46);
inline const QColor Graphite(48, 52, 61);
inline const QColor Edge(64, 69, 80);
inline const QColor Steel(104, 110, 122);
inline const QColor Silver(176, 181, 190);
inline const QColor Bright(226, 229, 235);
inline const QColor Accent(255, 70, 28);
inline const QColor AccentHot(255, 128, 72);
inline const QColor AccentDim(120, 34, 16);
inline const QColor AccentDeep(52, 18, 12);
} // namespace tone

// The colour key of shaped windows: these pixels are cut out of the window.
inline constexpr QRgb kColourKey = 0xFF800000;

QColor WithAlpha(QColor colour, int alpha);
QColor Mix(const QColor& a, const QColor& b, qreal t);

// A transparent canvas to draw on; pictures are premultiplied while drawing and saved straight.
QImage NewCanvas(int width, int height);
QPainter::RenderHints Smooth();

// A rectangle with 45-degree corner cuts (top-left, top-right, bottom-right, bottom-left).
QPainterPath Chamfered(const QRectF& r, qreal tl, qreal tr, qreal br, qreal bl);
QPainterPath Chamfered(const QRectF& r, qreal cut);
QPainterPath Polygon(std::initializer_list<QPointF> points);

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom);
QLinearGradient Horizontal(const QRectF& r, const QColor& left, const QColor& right);

// A soft halo around a path: wide faint strokes under narrow stronger ones.
void Glow(QPainter& p, const QPainterPath& path, const QColor& colour, int radius);
// A one-pixel bevel: light along the top of the outline, dark along the bottom.
void Bevel(QPainter& p, const QPainterPath& path, const QRectF& box, const QColor& light,
           const QColor& dark);
// Short L-shaped marks at the four corners of a box, the HUD touch of the skin.
void CornerBrackets(QPainter& p, const QRectF& box, qreal arm, const QPen& pen);
// Outlines of flat-topped hexagons filling an area.
void HexGrid(QPainter& p, const QRectF& area, qreal radius, const QPen& pen);
// Parallel diagonal strokes, for grip and vent details.
void Hatch(QPainter& p, const QRectF& area, qreal pitch, const QPen& pen);

// Fine grain on the opaque pixels of an area; it keeps large gradients from banding. The
// generator is seeded, so the same call always gives the same pixels.
void Grain(QImage& image, const QRect& area, int amplitude, std::uint32_t seed);

// Cuts a window shape out of a picture: every pixel outside the outline becomes the colour key,
// every pixel inside becomes opaque. The outline is filled without anti-aliasing, since edge
// pixels blended with the key would show as a dark red fringe; an inside pixel that happens to
// equal the key is nudged off it so it does not become a hole.
void CutToWindowShape(QImage& image, const QPainterPath& outline);

// A stable hash of a name, for seeds (QHash is seeded per process and would change pictures).
std::uint32_t StableHash(const QString& text);

} // namespace orln7a::artgen
