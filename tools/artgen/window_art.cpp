// The window background and the dialog background: the two shaped surfaces of the skin.
//
// Window background, 1030 x 662 (all coordinates in pixels of that picture):
//   outline        45-degree cuts of 24 at the top corners and 36 at the bottom corners, a notch
//                  of 12 x 238 in the bottom edge (x 390..640) and a 6-pixel recess in each side
//                  (y 330..392); outside it every pixel is the colour key (128, 0, 0).
//   header band    (0, 0)-(1030, 60), with a lip under its centre, (353, 60)-(689, 60) narrowing
//                  to (381, 88)-(661, 88), that frames the 260 x 80 web badge at (391, 0).
//                  Language tray (16, 12)-(374, 50): three 110 x 27 language buttons at
//                  x 24, 140, 256, y 17. Chrome tray (954, 10)-(1016, 38): minimise at (964, 14),
//                  close at (990, 14).
//   side column    (8, 68)-(160, 642). Page tray (16, 76)-(142, 282): five 110 x 30 page
//                  buttons at x 24, y 84 + 40 i (i = 0..4). Action tray (16, 296)-(142, 591):
//                  eight 110 x 27 action buttons at x 24, y 304 + 36 i (i = 0..7).
//   content area   (172, 72)-(1018, 640), its top edge stepping down to y 96 under the lip
//                  (x 352..690). Panels sit centred in it: page 1 (600 x 400) at (295, 156),
//                  pages 2 to 4 (800 x 378) at (195, 167); page 5 (720 x 650, no chrome) covers
//                  the window's height at (236, 6).
//
// Dialog background ("MSG"), 1000 x 660: the dialogs are as large as the picture and cover the
// main window, so the picture is a dimmed sheet with one raised card in its middle:
//   outline        45-degree cuts of 24 (top-left, bottom-right) and 12 (the other corners);
//                  outside it the colour key.
//   card           (250, 190)-(750, 470). Title strip (266, 198)-(710, 228) above an accent rule
//                  at y 234; close tray (716, 200)-(746, 230) for the 20 x 20 close button at
//                  (721, 205); edit zone (290, 270)-(710, 330); footer (250, 410)-(750, 470) for
//                  the confirm and clear buttons (110 x 27) at (378, 426) and (512, 426).

#include "art_kit.h"
#include "artwork.h"

namespace orln7a::artgen {

namespace {

constexpr qreal kWidth = 1030, kHeight = 662;

QPainterPath WindowOutline() {
    return Polygon({{24, 0},     {1006, 0},   {1030, 24},  {1030, 330}, {1024, 336},
                    {1024, 386}, {1030, 392}, {1030, 626}, {994, 662},  {640, 662},
                    {628, 650},  {402, 650},  {390, 662},  {36, 662},   {0, 626},
                    {0, 392},    {6, 386},    {6, 336},    {0, 330},    {0, 24}});
}

QPainterPath ContentArea() {
    return Polygon({{172, 72},
                    {352, 72},
                    {376, 96},
                    {666, 96},
                    {690, 72},
                    {1018, 72},
                    {1018, 624},
                    {1002, 640},
                    {180, 640},
                    {172, 632}});
}

// A recess that holds a row or column of buttons: darker than its surroundings, lit from below.
void Tray(QPainter& p, const QRectF& box, qreal cut) {
    const QPainterPath tray = Chamfered(box, cut, 2, cut, 2);
    p.fillPath(tray, Vertical(box, tone::Void, tone::Deep));
    Bevel(p, tray, box, WithAlpha(tone::Void, 255), WithAlpha(tone::Edge, 150));
}

// Slanted bars like the level meter's segments, the last few lit.
void MeterStripes(QPainter& p, qreal left, qreal top, int count, int lit) {
    for (int i = 0; i < count; ++i) {
        const qreal x = left + i * 11;
        const QPainterPath bar =
            Polygon({{x + 5, top}, {x + 11, top}, {x + 6, top + 14}, {x, top + 14}});
        const bool on = i >= count - lit;
        p.fillPath(bar, on ? Mix(tone::AccentDim, tone::Accent, 0.35 + 0.3 * (i - count + lit))
                           : WithAlpha(tone::Graphite, 150));
    }
}

void Header(QPainter& p) {
    const QPainterPath band = Polygon(
        {{0, 0}, {kWidth, 0}, {kWidth, 60}, {689, 60}, {661, 88}, {381, 88}, {353, 60}, {0, 60}});
    p.fillPath(band, Vertical(QRectF(0, 0, kWidth, 88), QColor(35, 38, 45), QColor(22, 24, 28)));
    p.setPen(QPen(WithAlpha(tone::Edge, 120), 1));
    p.drawLine(QPointF(24, 1.5), QPointF(1006, 1.5));

    // The seam under the band: dark groove, then an accent rule that is strongest at the lip.
    const QPainterPath seam = [] {
        QPainterPath s;
        s.moveTo(0, 60.5);
        s.lineTo(353, 60.5);
        s.lineTo(381, 88.5);
        s.lineTo(661, 88.5);
        s.lineTo(689, 60.5);
        s.lineTo(kWidth, 60.5);
        return s;
    }();
    p.setPen(QPen(tone::Void, 3));
    p.drawPath(seam);
    QLinearGradient rule(0, 0, kWidth, 0);
    rule.setColorAt(0.0, WithAlpha(tone::Accent, 0));
    rule.setColorAt(0.25, WithAlpha(tone::AccentDim, 200));
    rule.setColorAt(0.37, tone::Accent);
    rule.setColorAt(0.64, tone::Accent);
    rule.setColorAt(0.76, WithAlpha(tone::AccentDim, 200));
    rule.setColorAt(1.0, WithAlpha(tone::Accent, 0));
    QPainterPath lip;
    lip.moveTo(353, 60);
    lip.lineTo(381, 88);
    lip.lineTo(661, 88);
    lip.lineTo(689, 60);
    Glow(p, lip, WithAlpha(tone::Accent, 110), 5);
    p.setPen(QPen(QBrush(rule), 1.2));
    p.drawPath(seam);

    Tray(p, QRectF(16, 12, 358, 38), 8);
    Tray(p, QRectF(954, 10, 62, 28), 6);

    // Between the badge and the chrome: a meter motif and a thin rule, no text.
    MeterStripes(p, 712, 22, 16, 4);
    p.setPen(QPen(WithAlpha(tone::Edge, 140), 1));
    p.drawLine(QPointF(712, 44.5), QPointF(938, 44.5));
    p.setPen(QPen(tone::Accent, 1));
    p.drawLine(QPointF(900, 44.5), QPointF(938, 44.5));
    p.setPen(QPen(WithAlpha(tone::Edge, 140), 1));
    p.drawLine(QPointF(692, 12.5), QPointF(930, 12.5));
}

void SideColumn(QPainter& p) {
    const QRectF box(8, 68, 152, 574);
    const QPainterPath column = Chamfered(box, 4, 4, 4, 28);
    p.fillPath(column, Vertical(box, QColor(27, 29, 34), QColor(18, 19, 23)));
    Bevel(p, column, box, WithAlpha(tone::Edge, 200), WithAlpha(tone::Void, 255));
    // A short accent bar marks the top of the column, where the page buttons start.
    p.fillRect(QRectF(8, 68, 3, 46), tone::Accent);
    Tray(p, QRectF(16, 76, 126, 206), 6);
    Tray(p, QRectF(16, 296, 126, 295), 6);
    Hatch(p, QRectF(24, 604, 110, 26), 6, QPen(WithAlpha(tone::Void, 255), 2));
    Hatch(p, QRectF(25, 604, 110, 26), 6, QPen(WithAlpha(tone::Edge, 90), 1));
    p.setPen(QPen(WithAlpha(tone::Accent, 200), 1));
    p.drawLine(QPointF(24, 637.5), QPointF(60, 637.5));
}

void Content(QPainter& p) {
    const QPainterPath area = ContentArea();
    const QRectF box = area.boundingRect();
    p.fillPath(area, Vertical(box, QColor(15, 16, 19), QColor(11, 12, 14)));

    // Hexagon texture, brightest towards the top right and fading out across the area.
    QImage layer = NewCanvas(int(kWidth), int(kHeight));
    {
        QPainter h(&layer);
        h.setRenderHints(Smooth());
        HexGrid(h, box, 18, QPen(WithAlpha(tone::Edge, 60), 1));
        h.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QRadialGradient fade(QPointF(900, 120), 760);
        fade.setColorAt(0, QColor(0, 0, 0, 255));
        fade.setColorAt(0.6, QColor(0, 0, 0, 90));
        fade.setColorAt(1, QColor(0, 0, 0, 0));
        h.fillRect(layer.rect(), fade);
    }
    p.save();
    p.setClipPath(area);
    p.drawImage(0, 0, layer);
    // A faint warm light from behind the panels.
    QRadialGradient warm(QPointF(595, 360), 420);
    warm.setColorAt(0, WithAlpha(tone::Accent, 22));
    warm.setColorAt(1, WithAlpha(tone::Accent, 0));
    p.fillRect(box, warm);
    p.restore();

    p.setPen(QPen(tone::Void, 2));
    p.drawPath(area);
    p.setPen(QPen(WithAlpha(tone::Edge, 130), 1));
    p.drawPath(area.translated(0.5, 0.5));
    CornerBrackets(p, QRectF(176.5, 76.5, 837, 559), 16, QPen(WithAlpha(tone::Accent, 190), 1.5));
}

void Frame(QPainter& p, const QPainterPath& outline) {
    // The window's rim: a lit edge just inside the outline, the corner cuts in the accent.
    p.setPen(QPen(tone::Graphite, 3));
    p.drawPath(outline);
    p.setPen(QPen(tone::Accent, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(1006, 0), QPointF(1030, 24));
    p.drawLine(QPointF(0, 24), QPointF(24, 0));
    p.drawLine(QPointF(1030, 626), QPointF(994, 662));
    p.drawLine(QPointF(36, 662), QPointF(0, 626));
    p.setPen(QPen(WithAlpha(tone::Accent, 180), 2));
    p.drawLine(QPointF(404, 648), QPointF(626, 648));
}

} // namespace

void DrawWindowBackground(QImage& canvas) {
    {
        QPainter p(&canvas);
        p.setRenderHints(Smooth());
        p.scale(canvas.width() / kWidth, canvas.height() / kHeight);
        p.fillRect(QRectF(0, 0, kWidth, kHeight),
                   Vertical(QRectF(0, 0, kWidth, kHeight), tone::Surface, tone::Base));
        Content(p);
        SideColumn(p);
        Header(p);
        Frame(p, WindowOutline());
    }
    Grain(canvas, canvas.rect(), 2, StableHash("BackGround"));
    QTransform scale;
    scale.scale(canvas.width() / kWidth, canvas.height() / kHeight);
    CutToWindowShape(canvas, scale.map(WindowOutline()));
}

void DrawDialogBackground(QImage& canvas) {
    constexpr qreal w = 1000, h = 660;
    const QPainterPath outline = Chamfered(QRectF(0, 0, w, h), 24, 12, 24, 12);
    {
        QPainter p(&canvas);
        p.setRenderHints(Smooth());
        p.scale(canvas.width() / w, canvas.height() / h);
        const QRectF all(0, 0, w, h);
        p.fillRect(all, Vertical(all, QColor(18, 19, 23), QColor(10, 11, 13)));
        HexGrid(p, all, 22, QPen(WithAlpha(tone::Graphite, 50), 1));
        QRadialGradient dim(QPointF(500, 330), 560);
        dim.setColorAt(0, WithAlpha(tone::Void, 0));
        dim.setColorAt(1, WithAlpha(tone::Void, 230));
        p.fillRect(all, dim);

        const QRectF card(250, 190, 500, 280);
        const QPainterPath plate = Chamfered(card, 14, 3, 14, 3);
        Glow(p, plate, WithAlpha(tone::Void, 255), 12);
        p.fillPath(plate, Vertical(card, QColor(40, 43, 51), QColor(25, 27, 32)));
        p.save();
        p.setClipPath(plate);
        p.fillRect(QRectF(250, 410, 500, 60), WithAlpha(tone::Void, 110));
        p.setPen(QPen(WithAlpha(tone::Edge, 160), 1));
        p.drawLine(QPointF(250, 410.5), QPointF(750, 410.5));
        p.restore();
        Bevel(p, plate, card, tone::Edge, tone::Void);
        p.setPen(QPen(tone::Accent, 2.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(250, 204), QPointF(264, 190));
        p.drawLine(QPointF(750, 456), QPointF(736, 470));
        p.fillRect(QRectF(250, 208, 3, 20), tone::Accent);
        QLinearGradient rule(266, 0, 738, 0);
        rule.setColorAt(0, tone::Accent);
        rule.setColorAt(0.5, WithAlpha(tone::Accent, 150));
        rule.setColorAt(1, WithAlpha(tone::Accent, 0));
        p.setPen(QPen(QBrush(rule), 1));
        p.drawLine(QPointF(266, 234.5), QPointF(738, 234.5));
        Tray(p, QRectF(716, 200, 30, 30), 4);
        CornerBrackets(p, QRectF(242, 182, 516, 296), 14, QPen(WithAlpha(tone::Accent, 170), 1.5));

        p.setPen(QPen(tone::Graphite, 3));
        p.drawPath(outline);
        p.setPen(QPen(tone::Accent, 6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, 24), QPointF(24, 0));
        p.drawLine(QPointF(w - 24, h), QPointF(w, h - 24));
    }
    Grain(canvas, canvas.rect(), 2, StableHash("MSG"));
    QTransform scale;
    scale.scale(canvas.width() / w, canvas.height() / h);
    CutToWindowShape(canvas, scale.map(outline));
}

} // namespace orln7a::artgen
