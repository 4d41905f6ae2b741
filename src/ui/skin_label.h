#pragma once

#include <QLabel>

namespace orln7a {

// The one widget behind every skinned control: an image (`Img_...`) or the transparent click
// label over it (`Btn_...`, `IB_...`). It reports pointer enter and leave, press and click, so
// each family's handlers can swap artwork.
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(const QString& objectName, QWidget* parent);

signals:
    void pressed(QMouseEvent* event);
    void clicked();
    void entered();
    void left();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace orln7a
