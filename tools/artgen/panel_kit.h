#pragma once

#include <QPainter>
#include <QRectF>

namespace orln7a::artgen {

// The plate every content panel is drawn on: cut corners with accent, a lit rim, faint grain.
void PanelPlate(QPainter& p, qreal width, qreal height);
// A framed group inside a panel; the caption label of the group sits right of the accent
// marker in the top strip (28 pixels high).
void Section(QPainter& p, const QRectF& box);

} // namespace orln7a::artgen
