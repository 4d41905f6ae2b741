#pragma once

#include <QPixmap>
#include <QSlider>

namespace orln7a {

// A horizontal slider drawn from the skin: a background colour, the ruler picture stretched
// along the track and the thumb picture at the value.
class SkinSlider : public QSlider {
    Q_OBJECT
public:
    SkinSlider(const QString& objectName, QWidget* parent);

    void SetBackground(const QColor& colour);
    void SetArtwork(const QPixmap& thumb, const QPixmap& ruler);
    // The thumb's left edge for a value, in the slider's own pixels.
    int ThumbLeftFor(int value) const;
    // The value under a pointer position, as the thumb would take it.
    int ValueAt(int x) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int ThumbWidth() const;
    QColor background_;
    QPixmap thumb_, ruler_;
};

} // namespace orln7a
