#include "ui/skin_label.h"

#include <QMouseEvent>

namespace orln7a {

SkinLabel::SkinLabel(const QString& objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
}

void SkinLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit pressed(event);
    QLabel::mousePressEvent(event);
}

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void SkinLabel::enterEvent(QEnterEvent* event) {
    emit entered();
    QLabel::enterEvent(event);
}

void SkinLabel::leaveEvent(QEvent* event) {
    emit left();
    QLabel::leaveEvent(event);
}

} // namespace orln7a
