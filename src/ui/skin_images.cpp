#include "ui/skin_images.h"

#include "ui/resource_catalogue.h"

namespace orln7a {

QImage SkinImage(const QString& name) {
    const auto bytes = OpenDataResource(name.toStdString());
    if (!bytes)
        return {};
    QImage image;
    image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "PNG");
    return image;
}

QPixmap SkinPixmap(const QString& name) {
    return QPixmap::fromImage(SkinImage(name));
}

QImage KeyColourToAlpha(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(128, 0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF))
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

} // namespace orln7a
