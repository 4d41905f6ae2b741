#include "ui/skin_slider.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace orln7a {

SkinSlider::SkinSlider(const QString& objectName, QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SkinSlider::SetBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void SkinSlider::SetArtwork(const QPixmap& thumb, const QPixmap& ruler) {
    thumb_ = thumb;
    ruler_ = ruler;
    update();
}

int SkinSlider::ThumbWidth() const {
    return thumb_.isNull() ? std::min(height(), 12) : thumb_.width();
}

int SkinSlider::ThumbLeftFor(int v) const {
    const int span = std::max(0, width() - ThumbWidth());
    const int range = maximum() - minimum();
    if (range <= 0)
        return 0;
    return static_cast<int>(
        static_cast<long long>(std::clamp(v, minimum(), maximum()) - minimum()) * span / range);
}

int SkinSlider::ValueAt(int x) const {
    const int span = std::max(1, width() - ThumbWidth());
    const int range = maximum() - minimum();
    const int pos = std::clamp(x - ThumbWidth() / 2, 0, span);
    return minimum() + static_cast<int>((static_cast<long long>(pos) * range + span / 2) / span);
}

void SkinSlider::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isValid())
        p.fillRect(rect(), background_);
    const int trackHeight = ruler_.isNull() ? 4 : std::min(ruler_.height(), height());
    const QRect track(ThumbWidth() / 2, (height() - trackHeight) / 2,
                      std::max(0, width() - ThumbWidth()), trackHeight);
    if (ruler_.isNull())
        p.fillRect(track, palette().mid());
    else
        p.drawPixmap(track, ruler_);
    const int left = ThumbLeftFor(value());
    if (thumb_.isNull()) {
        p.fillRect(QRect(left, 0, ThumbWidth(), height()), palette().highlight());
    } else {
        const int top = (height() - thumb_.height()) / 2;
        p.drawPixmap(left, top, thumb_);
    }
}

void SkinSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QSlider::mousePressEvent(event);
    setSliderDown(true);
    setSliderPosition(ValueAt(event->position().toPoint().x()));
    event->accept();
}

void SkinSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!isSliderDown())
        return QSlider::mouseMoveEvent(event);
    setSliderPosition(ValueAt(event->position().toPoint().x()));
    event->accept();
}

void SkinSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (!isSliderDown())
        return QSlider::mouseReleaseEvent(event);
    setSliderPosition(ValueAt(event->position().toPoint().x()));
    setSliderDown(false);
    event->accept();
}

} // namespace orln7a
