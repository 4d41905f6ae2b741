// The skinned buttons. Captions are drawn by the label on top, so each plate keeps its middle
// calm and puts its state into the rim, the corner cuts and the accent marks.

#include "art_kit.h"
#include "artwork.h"

namespace orln7a::artgen {

namespace {

struct Look {
    QColor top, bottom, rim, cut;
    bool underline = false;
};

Look ButtonLook(State state) {
    switch (state) {
    case State::Over:
        return {QColor(62, 66, 77), QColor(36, 39, 46), WithAlpha(tone::Accent, 200),
                tone::AccentHot, true};
    case State::Pressed:
        return {QColor(30, 18, 15), QColor(58, 26, 17), tone::Accent, tone::AccentHot, false};
    case State::Normal:
        break;
    }
    return {QColor(48, 52, 61), QColor(28, 30, 36), tone::Edge, tone::Accent, false};
}

QRectF Inner(const QImage& canvas) {
    return QRectF(0.5, 0.5, canvas.width() - 1.0, canvas.height() - 1.0);
}

// The common action-button plate: cut top-left and bottom-right corners, accent on the cuts.
void Plate(QImage& canvas, const Look& look, qreal cut) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QRectF box = Inner(canvas);
    const QPainterPath plate = Chamfered(box, cut, 0, cut, 0);
    p.fillPath(plate, Vertical(box, look.top, look.bottom));
    // A soft sheen across the upper half.
    p.save();
    p.setClipPath(plate);
    p.fillRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.45),
               Vertical(box, WithAlpha(Qt::white, 18), WithAlpha(Qt::white, 0)));
    p.restore();
    p.setPen(QPen(look.rim, 1));
    p.drawPath(plate);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1));
    p.drawLine(QPointF(box.left() + cut + 1, box.top() + 1),
               QPointF(box.right() - 1, box.top() + 1));
    p.setPen(QPen(look.cut, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(box.left(), box.top() + cut), QPointF(box.left() + cut, box.top()));
    p.drawLine(QPointF(box.right(), box.bottom() - cut), QPointF(box.right() - cut, box.bottom()));
    if (look.underline) {
        QPainterPath line;
        const qreal y = box.bottom() - 1.5;
        line.moveTo(box.left() + cut + 6, y);
        line.lineTo(box.right() - cut - 6, y);
        Glow(p, line, WithAlpha(tone::Accent, 120), 3);
        QLinearGradient g(line.boundingRect().topLeft(), line.boundingRect().topRight());
        g.setColorAt(0, WithAlpha(tone::Accent, 0));
        g.setColorAt(0.5, tone::AccentHot);
        g.setColorAt(1, WithAlpha(tone::Accent, 0));
        p.setPen(QPen(QBrush(g), 1));
        p.drawPath(line);
    }
}

} // namespace

void DrawActionButton(QImage& canvas, State state) {
    Plate(canvas, ButtonLook(state), 6);
}

void DrawSmallButton(QImage& canvas, State state) {
    Plate(canvas, ButtonLook(state), 5);
}

void DrawPlainPlate(QImage& canvas) {
    Plate(canvas, ButtonLook(State::Normal), std::min(canvas.width(), canvas.height()) / 4.0);
}

void DrawPageTab(QImage& canvas, State state) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QRectF box = Inner(canvas);
    const QPainterPath tab = Chamfered(box, 0, 8, 0, 0);
    const bool selected = state == State::Pressed;
    const bool over = state == State::Over;
    const QColor top = selected ? QColor(46, 26, 21)
                       : over   ? QColor(50, 54, 63)
                                : QColor(33, 36, 42);
    const QColor bottom = selected ? QColor(30, 18, 15)
                          : over   ? QColor(32, 34, 40)
                                   : QColor(23, 25, 29);
    p.fillPath(tab, Vertical(box, top, bottom));
    if (selected || over) {
        // Light spilling from the marker bar on the left.
        p.save();
        p.setClipPath(tab);
        p.fillRect(box, Horizontal(box, WithAlpha(tone::Accent, selected ? 90 : 26),
                                   WithAlpha(tone::Accent, 0)));
        p.restore();
    }
    p.setPen(QPen(selected ? WithAlpha(tone::Accent, 210) : over ? tone::Edge : tone::Graphite, 1));
    p.drawPath(tab);
    const QRectF marker(0, 0, selected ? 4 : 3, canvas.height());
    p.fillRect(marker, selected ? tone::AccentHot : over ? tone::Accent : tone::Edge);
    if (selected) {
        QPainterPath edge;
        edge.moveTo(box.right() - 8, box.top());
        edge.lineTo(box.right(), box.top() + 8);
        p.setPen(QPen(tone::AccentHot, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(edge);
        // An arrow pointing into the content area.
        const qreal mid = box.center().y();
        p.fillPath(Polygon({{box.right() - 8, mid - 4.5},
                            {box.right() - 3, mid},
                            {box.right() - 8, mid + 4.5}}),
                   tone::AccentHot);
    }
}

void DrawLanguageButton(QImage& canvas, State state) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QRectF box = Inner(canvas);
    const QPainterPath plate = Chamfered(box, 5);
    const bool selected = state == State::Pressed;
    const bool over = state == State::Over;
    p.fillPath(plate, Vertical(box, over ? QColor(48, 52, 61) : QColor(30, 32, 38),
                               over ? QColor(30, 32, 38) : QColor(20, 21, 25)));
    p.setPen(QPen(selected ? tone::Accent : over ? tone::Edge : tone::Graphite, 1));
    p.drawPath(plate);
    if (selected) {
        QPainterPath line;
        line.moveTo(box.left() + 14, box.bottom() - 1.5);
        line.lineTo(box.right() - 14, box.bottom() - 1.5);
        Glow(p, line, WithAlpha(tone::Accent, 130), 3);
        p.setPen(QPen(tone::AccentHot, 1));
        p.drawPath(line);
    }
    // A small square lamp on the left, lit for the language in use.
    const QRectF lamp(7, canvas.height() / 2.0 - 2.5, 5, 5);
    if (selected)
        Glow(
            p,
            [&] {
                QPainterPath d;
                d.addRect(lamp);
                return d;
            }(),
            WithAlpha(tone::Accent, 160), 3);
    p.fillRect(lamp, selected ? tone::AccentHot : over ? tone::Steel : tone::Graphite);
}

namespace {

void ChromePlate(QPainter& p, const QImage& canvas, State state) {
    const QRectF box = Inner(canvas);
    const QPainterPath plate = Chamfered(box, 4, 0, 4, 0);
    QColor top = QColor(48, 52, 61), bottom = QColor(30, 32, 38), rim = tone::Edge;
    if (state == State::Over) {
        top = tone::AccentHot;
        bottom = tone::Accent;
        rim = tone::AccentHot;
    } else if (state == State::Pressed) {
        top = tone::AccentDim;
        bottom = QColor(150, 42, 18);
        rim = tone::Accent;
    }
    p.fillPath(plate, Vertical(box, top, bottom));
    p.setPen(QPen(rim, 1));
    p.drawPath(plate);
}

QColor GlyphColour(State state) {
    return state == State::Normal ? tone::Silver : tone::Bright;
}

} // namespace

void DrawCloseButton(QImage& canvas, State state) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    ChromePlate(p, canvas, state);
    const qreal w = canvas.width(), h = canvas.height();
    p.setPen(QPen(GlyphColour(state), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(w * 0.32, h * 0.32), QPointF(w * 0.68, h * 0.68));
    p.drawLine(QPointF(w * 0.68, h * 0.32), QPointF(w * 0.32, h * 0.68));
}

void DrawMinimiseButton(QImage& canvas, State state) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    ChromePlate(p, canvas, state);
    const qreal w = canvas.width(), h = canvas.height();
    p.fillRect(QRectF(w * 0.3, h * 0.62, w * 0.4, 2), GlyphColour(state));
}

void DrawKeySlot(QImage& canvas, State state) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QRectF box = Inner(canvas);
    const bool over = state == State::Over;
    const QPainterPath slot = Chamfered(box, 5, 0, 5, 0);
    p.fillPath(slot, Vertical(box, over ? QColor(44, 47, 55) : QColor(26, 28, 33),
                              over ? QColor(30, 32, 38) : QColor(17, 18, 21)));
    p.setPen(QPen(over ? WithAlpha(tone::Accent, 220) : tone::Graphite, 1));
    p.drawPath(slot);
    // Port marks at both ends: the slot may sit left or right of the mouse.
    const qreal mid = box.center().y();
    for (const qreal x : {box.left() + 4.0, box.right() - 6.0})
        p.fillRect(QRectF(x, mid - 4, 2, 8), over ? tone::AccentHot : tone::Edge);
    p.setPen(QPen(over ? tone::AccentHot : tone::AccentDim, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(box.left(), box.top() + 5), QPointF(box.left() + 5, box.top()));
    p.drawLine(QPointF(box.right(), box.bottom() - 5), QPointF(box.right() - 5, box.bottom()));
    if (over) {
        QPainterPath line;
        line.moveTo(box.left() + 16, box.bottom() - 1.5);
        line.lineTo(box.right() - 16, box.bottom() - 1.5);
        Glow(p, line, WithAlpha(tone::Accent, 110), 3);
    }
}

void DrawMacroButton(QImage& canvas, State state) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QRectF box = Inner(canvas);
    const bool over = state == State::Over;
    const QPainterPath plate = Chamfered(box, 3);
    p.fillPath(plate, Vertical(box, over ? QColor(56, 30, 22) : QColor(30, 32, 38),
                               over ? QColor(34, 20, 16) : QColor(21, 22, 26)));
    p.setPen(QPen(over ? tone::Accent : tone::Graphite, 1));
    p.drawPath(plate);
    CornerBrackets(p, box.adjusted(2, 2, -2, -2), 5,
                   QPen(over ? tone::AccentHot : WithAlpha(tone::Accent, 170), 1.2));
}

void DrawRecordButton(QImage& canvas, bool recording) {
    QPainter p(&canvas);
    p.setRenderHints(Smooth());
    const QRectF box = Inner(canvas);
    const QPainterPath plate = Chamfered(box, 6, 0, 6, 0);
    p.fillPath(plate, recording ? Vertical(box, QColor(78, 20, 14), QColor(40, 12, 9))
                                : Vertical(box, QColor(46, 49, 58), QColor(27, 29, 34)));
    p.setPen(QPen(recording ? tone::AccentHot : tone::Edge, 1));
    p.drawPath(plate);
    const QPointF lamp(16, canvas.height() / 2.0);
    const QColor red(236, 38, 30);
    if (recording) {
        // Recording: a stop square inside pulsing rings.
        for (int ring = 0; ring < 3; ++ring) {
            p.setPen(QPen(WithAlpha(red, 170 - ring * 55), 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(lamp, 7.5 + ring * 2.5, 7.5 + ring * 2.5);
        }
        QPainterPath square;
        square.addRect(QRectF(lamp.x() - 4, lamp.y() - 4, 8, 8));
        Glow(p, square, WithAlpha(red, 200), 3);
        p.fillPath(square, tone::Bright);
        Glow(p, plate, WithAlpha(tone::Accent, 90), 2);
    } else {
        QRadialGradient dot(lamp - QPointF(1.5, 1.5), 7);
        dot.setColorAt(0, QColor(255, 120, 100));
        dot.setColorAt(0.5, red);
        dot.setColorAt(1, QColor(130, 16, 12));
        p.setPen(QPen(tone::Void, 1));
        p.setBrush(dot);
        p.drawEllipse(lamp, 5.5, 5.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(tone::Graphite, 1));
        p.drawEllipse(lamp, 7.5, 7.5);
    }
    p.setPen(QPen(recording ? tone::AccentHot : tone::Accent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(box.right(), box.bottom() - 6), QPointF(box.right() - 6, box.bottom()));
}

} // namespace orln7a::artgen
