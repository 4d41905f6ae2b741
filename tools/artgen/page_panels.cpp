// Content panels of the settings, lighting, macro and gun preset pages. Each is a plate with
// framed groups; the controls and their captions are placed on top by the layout tables.
//
// Settings panel, 800 x 378: pointer group (12, 12)-(318, 253) with three speed blocks 62 high
// from y 16 (slider troughs 281 x 25 at x 24, y 36 + 62 i); rapid-fire group (12, 261)-(318,
// 366); DPI group (330, 12)-(788, 366) with seven level rows 33 high from y 61 and the AIM row
// from y 300 (slider troughs 225 x 25 at x 439), the note row from y 342.
// Lighting panel, 800 x 378: switch group (12, 12)-(318, 224), four blocks 52 high from y 16;
// breathing group (12, 232)-(318, 366) with the slider trough 235 x 25 at (48, 274); mode group
// (330, 12)-(788, 366): modes at x 350 from y 49, sun mark at (598, 58), the LED count bar's
// well (392, 254)-(726, 286).
// Macro panel, 800 x 378: groups x 12..262, 274..534 and 546..788, y 12..366; the first two
// with title strips, the third (the options) without: rules at y 135.5 and 203.5 part its three
// blocks of choices, and the insert panel (207 x 162 at (563, 47), OK and Cancel under it) covers
// them; a loop mark at (667, 312) below.
// Gun preset panel, 720 x 650:
//   header    (0, 0)-(720, 56), accent rule at y 56.
//   gun rail  (12, 68)-(152, 586), no title strip: seven 120 x 56 gun buttons at x 22,
//             y 78 + 72 i (i = 0..6).
//   values    (164, 68)-(708, 586), no title strip: row captions x 184..352 right of the row
//             marks; three value columns 106 wide at x 362, 478, 594; sight row y 78..146
//             (sights centred at y 112 over each column); seven value rows 56 high from y 156
//             (stop on release, count, X, Y, Y offset, interval, colour); the X row, which has
//             no caption, shows an arrow and an X instead.
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

// A framed group without a title strip; its blocks carry their own headings.
void PlainGroup(QPainter& p, const QRectF& box) {
    const QPainterPath frame = Chamfered(box, 8, 0, 8, 0);
    p.fillPath(frame, WithAlpha(tone::Void, 90));
    p.setPen(QPen(WithAlpha(tone::Graphite, 220), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
}

// The accent mark left of a heading, as the title strips have it.
void Marker(QPainter& p, qreal x, qreal y) {
    p.fillRect(QRectF(x, y, 3, 12), tone::Accent);
}

// The recess a slider sits in; the slider fills the inside with its own colour.
void Trough(QPainter& p, const QRectF& slider) {
    const QRectF box = slider.adjusted(-2.5, -2.5, 2.5, 2.5);
    const QPainterPath trough = Chamfered(box, 4, 0, 4, 0);
    p.fillPath(trough, WithAlpha(tone::Void, 180));
    p.setPen(QPen(WithAlpha(tone::Graphite, 230), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trough);
    p.setPen(QPen(WithAlpha(tone::Edge, 120), 1));
    p.drawLine(QPointF(box.left() + 4, box.bottom() + 1), QPointF(box.right(), box.bottom() + 1));
}

// A mouse seen from above, 84 x 132 around its centre, with its light strip glowing.
void LitMouse(QPainter& p, const QPointF& c) {
    QPainterPath body;
    body.moveTo(c + QPointF(0, -66));
    body.cubicTo(c + QPointF(30, -66), c + QPointF(42, -44), c + QPointF(42, -10));
    body.cubicTo(c + QPointF(42, 30), c + QPointF(34, 66), c + QPointF(0, 66));
    body.cubicTo(c + QPointF(-34, 66), c + QPointF(-42, 30), c + QPointF(-42, -10));
    body.cubicTo(c + QPointF(-42, -44), c + QPointF(-30, -66), c + QPointF(0, -66));
    body.closeSubpath();
    QRadialGradient halo(c + QPointF(0, 30), 90);
    halo.setColorAt(0, WithAlpha(tone::Accent, 26));
    halo.setColorAt(1, WithAlpha(tone::Accent, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c + QPointF(0, 30), 90, 60);
    p.fillPath(body, Vertical(body.boundingRect(), WithAlpha(tone::Raised, 200),
                              WithAlpha(tone::Deep, 220)));
    p.setPen(QPen(WithAlpha(tone::Edge, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    // The split between the two main buttons and the wheel.
    p.drawLine(c + QPointF(0, -66), c + QPointF(0, -22));
    p.fillPath(Chamfered(QRectF(c + QPointF(-4, -52), QSizeF(8, 20)), 2),
               WithAlpha(tone::Steel, 160));
    // The light strip around the palm rest.
    QPainterPath strip;
    strip.moveTo(c + QPointF(-36, 18));
    strip.cubicTo(c + QPointF(-32, 50), c + QPointF(-16, 58), c + QPointF(0, 58));
    strip.cubicTo(c + QPointF(16, 58), c + QPointF(32, 50), c + QPointF(36, 18));
    Glow(p, strip, WithAlpha(tone::Accent, 120), 4);
    p.setPen(QPen(tone::AccentHot, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
}

} // namespace

void DrawSettingsPanel(QImage& canvas) {
    DrawPage(canvas, kPageWidth, kPageHeight, "Back2", [](QPainter& p) {
        // Pointer group: three speed blocks 62 high from y 16, the two options from y 208.
        const QRectF pointer(12, 12, 306, 241), fire(12, 261, 306, 105), levels(330, 12, 458, 354);
        PlainGroup(p, pointer);
        for (int block = 0; block < 3; ++block) {
            const qreal top = 16 + 62 * block;
            Marker(p, 20, top + 4);
            Trough(p, QRectF(24, top + 20, 281, 25));
        }
        p.setPen(QPen(WithAlpha(tone::Graphite, 160), 1, Qt::DotLine));
        p.drawLine(QPointF(20, 204.5), QPointF(310, 204.5));

        // Rapid fire: title strip, count and interval rows, and three rounds in the corner.
        Section(p, fire);
        for (int round = 0; round < 3; ++round) {
            const qreal x = 262 + 14 * round, y = 296;
            const QPainterPath shell =
                Polygon({{x, y + 10}, {x + 3, y}, {x + 6, y + 10}, {x + 6, y + 40}, {x, y + 40}});
            p.fillPath(shell, WithAlpha(tone::Graphite, 150));
            p.fillRect(QRectF(x, y + 34, 6, 6), WithAlpha(tone::AccentDim, 160));
        }

        // DPI levels: column heading at y 43, seven rows 33 high from y 61, the AIM row from
        // y 300 and the note at y 342.
        Section(p, levels);
        for (int row = 0; row < 8; ++row) {
            const qreal top = row < 7 ? 61 + 33 * row : 300;
            const QRectF band(338, top + 1, 442, 31);
            if (row % 2 == 0)
                p.fillPath(Chamfered(band, 6, 0, 6, 0), WithAlpha(tone::Raised, 60));
            Trough(p, QRectF(439, top + 4, 225, 25));
            // Stops of the DPI ruler under the track.
            p.setPen(QPen(WithAlpha(tone::Steel, 110), 1));
            for (int stop = 0; stop < 11; ++stop) {
                const qreal x = 439 + 12.5 + 20 * stop;
                p.drawLine(QPointF(x, top + 30), QPointF(x, top + 32));
            }
        }
        QLinearGradient rule(levels.left(), 0, levels.right(), 0);
        rule.setColorAt(0, WithAlpha(tone::Accent, 0));
        rule.setColorAt(0.5, WithAlpha(tone::Accent, 150));
        rule.setColorAt(1, WithAlpha(tone::Accent, 0));
        p.setPen(QPen(QBrush(rule), 1));
        p.drawLine(QPointF(346, 296.5), QPointF(772, 296.5));
        p.setPen(QPen(WithAlpha(tone::Graphite, 160), 1, Qt::DotLine));
        p.drawLine(QPointF(346, 337.5), QPointF(772, 337.5));
    });
}

void DrawLightingPanel(QImage& canvas) {
    DrawPage(canvas, kPageWidth, kPageHeight, "Back3", [](QPainter& p) {
        // Switches: four blocks 52 high from y 16, a heading and an option pair each.
        const QRectF switches(12, 12, 306, 212), breathing(12, 232, 306, 134),
            modes(330, 12, 458, 354);
        PlainGroup(p, switches);
        for (int block = 0; block < 4; ++block) {
            const qreal top = 16 + 52 * block;
            Marker(p, 20, top + 4);
            if (block > 0) {
                p.setPen(QPen(WithAlpha(tone::Graphite, 160), 1, Qt::DotLine));
                p.drawLine(QPointF(20, top - 3.5), QPointF(310, top - 3.5));
            }
        }

        // Breathing speed: the slider's track and a slow-to-fast pulse in the strip's corner.
        Section(p, breathing);
        Trough(p, QRectF(48, 274, 235, 25));
        QPainterPath pulse;
        for (qreal x = 250; x <= 306; x += 1) {
            const qreal t = (x - 250) / 56;
            const qreal y = 248 - 6 * qSin(t * t * 5 * M_PI) * (1 - t * 0.3);
            if (x == 250)
                pulse.moveTo(x, y);
            else
                pulse.lineTo(x, y);
        }
        p.setPen(QPen(WithAlpha(tone::Accent, 150), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(pulse);

        // Modes: the list at x 350, the brightness pair beside a sun mark at (598, 58), a mouse
        // with its light strip under it, the LED count bar at (402, 261) on a well.
        Section(p, modes);
        const QPointF sun(598, 58);
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(tone::Accent, 170));
        p.drawEllipse(sun, 4, 4);
        p.setPen(QPen(WithAlpha(tone::Accent, 170), 1.4, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 8; ++k) {
            const qreal a = qDegreesToRadians(45.0 * k);
            const QPointF d(qCos(a), qSin(a));
            p.drawLine(sun + d * 6.5, sun + d * 9);
        }
        LitMouse(p, QPointF(686, 168));
        const QRectF well(392, 254, 334, 32);
        p.fillPath(Chamfered(well, 6, 0, 6, 0), WithAlpha(tone::Void, 150));
        p.setPen(QPen(WithAlpha(tone::Graphite, 220), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(Chamfered(well, 6, 0, 6, 0));
        for (int dot = 0; dot < 3; ++dot) {
            const QPointF c(362 + 9 * dot, 270);
            p.setPen(Qt::NoPen);
            p.setBrush(WithAlpha(tone::Accent, 60 + 60 * dot));
            p.drawEllipse(c, 2.5, 2.5);
        }
        // Waves of light along the bottom.
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setClipRect(modes.adjusted(1, 30, -1, -1));
        for (int wave = 0; wave < 4; ++wave) {
            QPainterPath path;
            const qreal base = 330 + wave * 8;
            for (qreal x = modes.left(); x <= modes.right(); x += 2) {
                const qreal y = base + 10 * qSin((x - 330) / (52.0 + wave * 11) + wave * 0.9);
                if (x == modes.left())
                    path.moveTo(x, y);
                else
                    path.lineTo(x, y);
            }
            QLinearGradient g(modes.left(), 0, modes.right(), 0);
            g.setColorAt(0, WithAlpha(tone::Accent, 0));
            g.setColorAt(0.5,
                         WithAlpha(wave == 0 ? tone::AccentHot : tone::Accent, 100 - wave * 22));
            g.setColorAt(1, WithAlpha(tone::Accent, 0));
            p.setPen(QPen(QBrush(g), wave == 0 ? 1.4 : 1));
            p.drawPath(path);
        }
        p.restore();
    });
}

namespace {

// A faint rule that fades out at both ends.
void FadedRule(QPainter& p, qreal left, qreal right, qreal y) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, WithAlpha(tone::Edge, 0));
    g.setColorAt(0.5, WithAlpha(tone::Edge, 170));
    g.setColorAt(1, WithAlpha(tone::Edge, 0));
    p.setPen(QPen(QBrush(g), 1));
    p.drawLine(QPointF(left, y), QPointF(right, y));
}

} // namespace

void DrawMacroPanel(QImage& canvas) {
    DrawPage(canvas, kPageWidth, kPageHeight, "Back4", [](QPainter& p) {
        const QRectF library(12, 12, 250, 354), steps(274, 12, 260, 354),
            options(546, 12, 242, 354);
        Section(p, library);
        Section(p, steps);
        // The options group holds three blocks of choices (delay, release, loop), or the insert
        // panel in their place; rules between the blocks lie under the insert picture.
        PlainGroup(p, options);
        for (const qreal y : {135.5, 203.5})
            FadedRule(p, options.left() + 24, options.left() + 218, y);
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
        // A loop arrow round a record dot, faint, at the foot of the options group.
        const QPointF loop(667, 312);
        p.setPen(QPen(WithAlpha(tone::Graphite, 150), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(loop.x() - 28, loop.y() - 28, 56, 56), 120 * 16, 300 * 16);
        const qreal a = qDegreesToRadians(60.0);
        const QPointF head = loop + QPointF(28 * qCos(a), -28 * qSin(a));
        p.fillPath(Polygon({head + QPointF(-9, -5), head + QPointF(5, -9), head + QPointF(1, 6)}),
                   WithAlpha(tone::Graphite, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(tone::Accent, 70));
        p.drawEllipse(loop, 9, 9);
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
        PlainGroup(p, rail);
        PlainGroup(p, values);
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
        // The X step row has no caption: a sideways arrow and an X name it.
        {
            const qreal y = 156 + 56 * 2 + 28;
            const QColor ink = WithAlpha(tone::Silver, 220);
            p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(188, y), QPointF(214, y));
            p.fillPath(Polygon({{184, y}, {191, y - 4.5}, {191, y + 4.5}}), ink);
            p.fillPath(Polygon({{218, y}, {211, y - 4.5}, {211, y + 4.5}}), ink);
            p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(225, y - 5), QPointF(233, y + 5));
            p.drawLine(QPointF(233, y - 5), QPointF(225, y + 5));
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
