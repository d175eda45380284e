#include "InstanceChannel.h"

#include "FileNames.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray Received = QByteArrayLiteral("OK\n");

} // namespace

InstanceChannel::InstanceChannel(QObject* parent)
    : QObject(parent), server(new QLocalServer(this)) {
    // Only the user who runs the game may hand it pictures.
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &InstanceChannel::Accept);
}

QString InstanceChannel::SocketPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/tessaly.socket");
}

bool InstanceChannel::Listen() {
    const QString path = SocketPath();
    QLocalServer::removeServer(path);
    return server->listen(path);
}

void InstanceChannel::Accept() {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        Read(socket);
    }
}

// One line: the picture's path as the file system spells it. It is confirmed at once; what
// becomes of it is the game's affair.
void InstanceChannel::Read(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > MaxMessage)
            socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(MaxMessage + 1);
    socket->write(Received);
    socket->flush();
    socket->disconnectFromServer();
    const QString file = FileNames::FromNative(line.chopped(1));
    if (!file.isEmpty() && QDir::isAbsolutePath(file))
        emit PictureReceived(file);
}

bool InstanceChannel::Send(const QString& file, int timeLimit) {
    const QByteArray message = FileNames::ToNative(file);
    if (message.contains('\n') || message.size() > MaxMessage)
        return false;
    // The running copy may still be starting: its socket appears once its windows exist.
    QDeadlineTimer deadline(timeLimit);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(SocketPath());
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    socket.write(message + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray answer;
    while (!answer.endsWith('\n') && answer.size() <= Received.size() &&
           socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.readAll();
    return answer == Received;
}
