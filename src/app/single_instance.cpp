#include "app/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace orln7a {

namespace {
constexpr int kConnectMs = 500;
constexpr char kShowRequest[] = "show\n";
} // namespace

SingleInstanceGuard::SingleInstanceGuard(QObject* parent) : QObject(parent) {}

QString SingleInstanceGuard::serverName() const {
    // One editor per user session: the socket lives in the user's runtime folder, or carries
    // the user id where there is none.
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return QDir(runtime).filePath(kGuardTitle);
    return QString("%1 uid%2").arg(kGuardTitle).arg(::getuid());
}

bool SingleInstanceGuard::AskRunningInstanceToShow() {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kConnectMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstanceGuard::Listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName())) {
        // A socket left behind by an editor that crashed: nobody answered, so take it over.
        QLocalServer::removeServer(serverName());
        if (!server_->listen(serverName()))
            return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().contains("show"))
                    emit showRequested();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace orln7a
