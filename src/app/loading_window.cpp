#include "app/loading_window.h"

#include <QPainter>
#include <QTimer>

namespace orln7a {

namespace {
constexpr int kSpokes = 12;
constexpr int kFrameMs = 80;
} // namespace

WaitAnimation::WaitAnimation(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setObjectName("WaitGif");
    setAttribute(Qt::WA_TranslucentBackground);
    connect(timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kSpokes;
        update();
    });
    timer_->start(kFrameMs);
}

void WaitAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(18, 20, 26, 235));
    p.setPen(QPen(QColor(255, 92, 40), 2));
    p.drawRoundedRect(rect().adjusted(1, 1, -2, -2), 10, 10);
    p.translate(width() / 2.0, height() / 2.0);
    const double r = std::min(width(), height()) * 0.32;
    for (int i = 0; i < kSpokes; ++i) {
        const int age = (frame_ - i + kSpokes) % kSpokes;
        QColor c(255, 92, 40);
        c.setAlphaF(1.0 - age / double(kSpokes));
        p.setPen(QPen(c, 6, Qt::SolidLine, Qt::RoundCap));
        p.save();
        p.rotate(i * 360.0 / kSpokes);
        p.drawLine(QPointF(0, -r * 0.55), QPointF(0, -r));
        p.restore();
    }
}

TFormLoadingUI::TFormLoadingUI(QWidget* mainForm)
    : QWidget(mainForm, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      waitGif_(new WaitAnimation(this)) {
    setObjectName("TFormLoadingUI");
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kWidth, kHeight);
    waitGif_->setGeometry(0, 0, kWidth, kHeight);
}

void TFormLoadingUI::CentreOn(const QWidget& mainForm, int extraDown) {
    // Integer division rounds toward zero, as the window arithmetic of the editor does.
    const QRect main = mainForm.frameGeometry();
    move(main.left() + (main.width() - width()) / 2,
         main.top() + (main.height() - height()) / 2 + extraDown);
}

} // namespace orln7a
