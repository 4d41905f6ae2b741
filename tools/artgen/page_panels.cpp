// Content panels of the settings, lighting, macro and gun preset pages. Each is a plate with
// framed groups; the controls and their captions are placed on top by the layout tables.
//
// Settings and lighting panels, 800 x 378: groups (12, 12)-(318, 366) and (330, 12)-(788, 366);
// the settings panel's right group (the DPI levels) has seven rows of 44 pixels from y 48.
// Macro panel, 800 x 378: groups x 12..262, 274..534 and 546..788, y 12..366; the insert panel
// (207 x 162 plus its 10-pixel frame) fits the third.
// Gun preset panel, 720 x 650:
//   header    (0, 0)-(720, 56), accent rule at y 56.
//   gun rail  (12, 68)-(152, 586): seven 120 x 56 gun buttons at x 22, y 78 + 72 i (i = 0..6).
//   values    (164, 68)-(708, 586): row captions x 176..352; three value columns 106 wide at
//             x 362, 478, 594; sight row y 78..146 (sights centred at y 112 over each column);
//             seven value rows 56 high from y 156 (stop on release, count, X, Y, Y offset,
//             interval, colour).
//   footer    (164, 598)-(708, 640): confirm and cancel (110 x 27) at (470, 606) and (590, 606).

#include "panel_kit.h"

#include "art_kit.h"
#include "artwork.h"

#include <QtMath>

namespace orln7a::artgen {

namespace {

constexpr qreal kPageWidth = 800, kPageHeight = 378;

template <typename Body>
void DrawPage(QImage& canvas, qreal w, qreal h, const char* seed, Body body) {
    {
        QPainter p(&canvas);
        p.setRenderHints(Smooth());
        p.scale(canvas.width() / w, canvas.height() / h);
        PanelPlate(p, w, h);
        body(p);
    }
    Grain(canvas, canvas.rect(), 1, StableHash(seed));
}

void Rings(QPainter& p, const QPointF& c, std::initializer_list<qreal> radii,
           const QColor& colour) {
    p.setPen(QPen(colour, 1));
    p.setBrush(Qt::NoBrush);
    for (const qreal r : radii)
        p.drawEllipse(c, r, r);
}

} // namespace

void DrawSettingsPanel(QImage& canvas) {
    DrawPage(canvas, kPageWidth, kPageHeight, "Back2", [](QPainter& p) {
        const QRectF pointer(12, 12, 306, 354), levels(330, 12, 458, 354);
        Section(p, pointer);
        Section(p, levels);
        // The sensor's aim behind the level rows.
        p.save();
        p.setClipRect(levels.adjusted(1, 30, -1, -1));
        Rings(p, QPointF(700, 300), {40, 80, 120, 160}, WithAlpha(tone::Edge, 45));
        p.setPen(QPen(WithAlpha(tone::Edge, 45), 1));
        p.drawLine(QPointF(700, 120), QPointF(700, 366));
        p.drawLine(QPointF(520, 300), QPointF(788, 300));
        p.restore();
        for (int row = 1; row < 7; ++row) {
            const qreal y = 48 + 44 * row + 0.5;
            QLinearGradient g(levels.left(), 0, levels.right(), 0);
            g.setColorAt(0, WithAlpha(tone::Graphite, 160));
            g.setColorAt(1, WithAlpha(tone::Graphite, 20));
            p.setPen(QPen(QBrush(g), 1, Qt::DotLine));
            p.drawLine(QPointF(levels.left() + 10, y), QPointF(levels.right() - 10, y));
        }
        // A pointer arrow, faint, in the corner of the pointer group.
        const QPointF tip(270, 300);
        p.fillPath(Polygon({tip, tip + QPointF(0, 40), tip + QPointF(10, 30), tip + QPointF(18, 46),
                            tip + QPointF(24, 43), tip + QPointF(16, 28), tip + QPointF(29, 28)}),
                   WithAlpha(tone::Graphite, 110));
    });
}

void DrawLightingPanel(QImage& canvas) {
    DrawPage(canvas, kPageWidth, kPageHeight, "Back3", [](QPainter& p) {
        const QRectF status(12, 12, 306, 354), effects(330, 12, 458, 354);
        Section(p, status);
        Section(p, effects);
        // Waves of light running along the bottom of the effects group.
        p.save();
        p.setClipRect(effects.adjusted(1, 30, -1, -1));
        for (int wave = 0; wave < 4; ++wave) {
            QPainterPath path;
            const qreal base = 320 + wave * 9;
            for (qreal x = effects.left(); x <= effects.right(); x += 2) {
                const qreal y = base + 14 * qSin((x - 330) / (52.0 + wave * 11) + wave * 0.9);
                if (x == effects.left())
                    path.moveTo(x, y);
                else
                    path.lineTo(x, y);
            }
            QLinearGradient g(effects.left(), 0, effects.right(), 0);
            g.setColorAt(0, WithAlpha(tone::Accent, 0));
            g.setColorAt(0.5,
                         WithAlpha(wave == 0 ? tone::AccentHot : tone::Accent, 110 - wave * 22));
            g.setColorAt(1, WithAlpha(tone::Accent, 0));
            p.setPen(QPen(QBrush(g), wave == 0 ? 1.6 : 1));
            p.drawPath(path);
        }
        p.restore();
        // A lamp with rays in the corner of the status group.
        const QPointF lamp(268, 318);
        Rings(p, lamp, {12, 20}, WithAlpha(tone::Graphite, 140));
        p.setPen(QPen(WithAlpha(tone::Graphite, 140), 2, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 8; ++k) {
            const qreal a = qDegreesToRadians(45.0 * k);
            const QPointF d(qCos(a), qSin(a));
            p.drawLine(lamp + d * 26, lamp + d * 32);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(tone::Accent, 80));
        p.drawEllipse(lamp, 6, 6);
    });
}

void DrawMacroPanel(QImage& canvas) {
    DrawPage(canvas, kPageWidth, kPageHeight, "Back4", [](QPainter& p) {
        const QRectF library(12, 12, 250, 354), steps(274, 12, 260, 354),
            options(546, 12, 242, 354);
        Section(p, library);
        Section(p, steps);
        Section(p, options);
        // Circuit traces join the groups, the way the recorded steps flow into the mouse.
        p.setPen(QPen(WithAlpha(tone::Accent, 150), 1));
        for (const qreal x : {262.0, 534.0}) {
            p.drawPolyline(QPolygonF({{x, 60.5}, {x + 4, 60.5}, {x + 8, 56.5}, {x + 12, 56.5}}));
            p.drawPolyline(
                QPolygonF({{x, 330.5}, {x + 4, 330.5}, {x + 8, 334.5}, {x + 12, 334.5}}));
        }
        // Faint step marks down the middle group's left edge.
        p.setPen(QPen(WithAlpha(tone::Graphite, 150), 1));
        for (qreal y = 52; y < 356; y += 16)
            p.drawLine(QPointF(280, y + 0.5), QPointF(284, y + 0.5));
    });
}

void DrawGunPanel(QImage& canvas) {
    DrawPage(canvas, 720, 650, "Back5", [](QPainter& p) {
        // Header: a darker band with a reticle and meter stripes, the accent rule beneath.
        const QRectF header(1, 1, 718, 55);
        p.save();
        p.setClipPath(Chamfered(QRectF(0.5, 0.5, 719, 649), 16, 4, 16, 4));
        p.fillRect(header, Vertical(header, QColor(36, 39, 46), QColor(24, 26, 31)));
        p.restore();
        QLinearGradient rule(0, 0, 720, 0);
        rule.setColorAt(0, tone::Accent);
        rule.setColorAt(0.6, WithAlpha(tone::Accent, 160));
        rule.setColorAt(1, WithAlpha(tone::Accent, 20));
        p.setPen(QPen(QBrush(rule), 1.5));
        p.drawLine(QPointF(16, 56), QPointF(712, 56));
        const QPointF aim(40, 28);
        Rings(p, aim, {11}, tone::Accent);
        p.setPen(QPen(tone::Accent, 1.5));
        p.drawLine(aim + QPointF(-16, 0), aim + QPointF(-5, 0));
        p.drawLine(aim + QPointF(5, 0), aim + QPointF(16, 0));
        p.drawLine(aim + QPointF(0, -16), aim + QPointF(0, -5));
        p.drawLine(aim + QPointF(0, 5), aim + QPointF(0, 16));
        for (int i = 0; i < 12; ++i) {
            const qreal x = 560 + i * 11;
            const bool lit = i >= 9;
            p.fillPath(Polygon({{x + 5, 21}, {x + 11, 21}, {x + 6, 35}, {x, 35}}),
                       lit ? tone::Accent : WithAlpha(tone::Graphite, 170));
        }

        const QRectF rail(12, 68, 140, 518), values(164, 68, 544, 518);
        Section(p, rail);
        Section(p, values);
        for (int gun = 0; gun < 7; ++gun) {
            const QRectF well(22, 78 + 72 * gun, 120, 56);
            p.fillPath(Chamfered(well, 8, 0, 8, 0), WithAlpha(tone::Void, 140));
        }
        // Value columns and alternating rows.
        for (int column = 0; column < 3; ++column) {
            const QRectF well(362 + 116 * column, 78, 106, 500);
            p.fillRect(well, WithAlpha(tone::Void, 60));
            p.setPen(QPen(WithAlpha(tone::Graphite, 150), 1));
            p.drawLine(QPointF(well.left() + 0.5, 84), QPointF(well.left() + 0.5, 572));
            Rings(p, QPointF(well.center().x(), 112), {33}, WithAlpha(tone::Graphite, 120));
        }
        for (int row = 0; row < 7; ++row) {
            const QRectF band(172, 156 + 56 * row, 528, 56);
            if (row % 2 == 0)
                p.fillRect(band.adjusted(0, 4, 0, -4), WithAlpha(tone::Raised, 70));
            p.fillRect(QRectF(176, band.center().y() - 5, 2, 10), WithAlpha(tone::Accent, 150));
        }
        // Footer for the confirm and cancel buttons.
        const QRectF footer(164, 598, 544, 42);
        const QPainterPath bar = Chamfered(footer, 0, 0, 10, 0);
        p.fillPath(bar, Vertical(footer, tone::Void, tone::Deep));
        p.setPen(QPen(WithAlpha(tone::Graphite, 220), 1));
        p.drawPath(bar);
        p.setPen(QPen(tone::Accent, 1.5));
        p.drawLine(QPointF(176, 619), QPointF(220, 619));
        Hatch(p, QRectF(230, 610, 200, 18), 7, QPen(WithAlpha(tone::Graphite, 120), 1.5));
    });
}

} // namespace orln7a::artgen
