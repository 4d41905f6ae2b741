#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace orln7a {

// Only one editor runs per user. The first one listens on a local socket named after the guard
// title; a second start connects, asks the first to come to the front, and exits.
class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kGuardTitle = "ORLN7A Gaming Mouse v1.0";

    explicit SingleInstanceGuard(QObject* parent = nullptr);

    // True when another editor answered and was asked to come to the front.
    bool AskRunningInstanceToShow();
    // Starts listening; false if the name cannot be taken.
    bool Listen();

signals:
    void showRequested();

private:
    QString serverName() const;
    QLocalServer* server_ = nullptr;
};

} // namespace orln7a
