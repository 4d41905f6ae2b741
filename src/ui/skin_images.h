#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace orln7a {

// A built-in PNG decoded afresh, as the skin does on every use. A null image when the name is
// not built in (a build fault that the resource test catches).
QImage SkinImage(const QString& name);
QPixmap SkinPixmap(const QString& name);

// The window background with the colour key (maroon, 0x000080 as a Windows colour value)
// turned into full transparency, so the window's shape is the shape of the artwork.
QImage KeyColourToAlpha(const QImage& image);

} // namespace orln7a
