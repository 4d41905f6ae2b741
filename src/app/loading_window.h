#pragma once

#include <QWidget>

class QTimer;

namespace orln7a {

// The animated wait image; it turns on a timer, so it keeps moving whenever a device transfer
// lets the message queue run.
class WaitAnimation : public QWidget {
public:
    explicit WaitAnimation(QWidget* parent);
    int frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* timer_;
    int frame_ = 0;
};

// Small borderless, always-on-top window shown during device transfers.
class TFormLoadingUI : public QWidget {
public:
    static constexpr int kWidth = 206;
    static constexpr int kHeight = 196;

    explicit TFormLoadingUI(QWidget* mainForm);

    // Centres on the main form; `extraDown` moves it that many pixels below the exact centre.
    void CentreOn(const QWidget& mainForm, int extraDown = 0);
    WaitAnimation* waitGif() const { return waitGif_; }

private:
    WaitAnimation* waitGif_;
};

} // namespace orln7a
