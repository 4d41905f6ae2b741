#include "app/single_instance.h"

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
    // One editor per user: the user id keeps two people's sessions apart.
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
