// The handover on Windows: a named pipe, through Qt's local socket, which lets only the user
// who made it connect. Named pipes share one namespace for all users; the pipe's name holds
// the user's own folder.

#include "platform/file_handover.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

namespace platform {

struct FileHandoverServer::Listening {
    QLocalServer server;
};

FileHandoverServer::FileHandoverServer(FileReceiver receiver) : receiver_(std::move(receiver)) {}

FileHandoverServer::~FileHandoverServer() = default;

bool FileHandoverServer::listen(const QString& name) {
    auto listening = std::make_unique<Listening>();
    QLocalServer& server = listening->server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name);
    if (!server.listen(name)) {
        return false;
    }
    connect(&server, &QLocalServer::newConnection, this, [this, &server] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(kHandoverReadTimeoutMs, socket, &QLocalSocket::abort);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                // Read no further than one line can be long; a longer line is refused unread.
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kMaxHandedOverPathBytes + 1) {
                        socket->abort();
                    }
                    return;
                }
                const QByteArray line = socket->readLine(kMaxHandedOverPathBytes + 2);
                if (!line.endsWith(kHandoverEndOfLine) || !take(line.chopped(1))) {
                    socket->abort();
                    return;
                }
                socket->write(&kHandoverTaken, 1);
                socket->disconnectFromServer();
            });
        }
    });
    listening_ = std::move(listening);
    return true;
}

bool handOverFile(const QString& serverName, const QString& absolutePath) {
    const QByteArray line = absolutePath.toUtf8() + kHandoverEndOfLine;
    if (line.size() > kMaxHandedOverPathBytes + 1) {
        return false;
    }
    // A pipe that does not exist fails at once; one whose instance is busy with another copy
    // is waited for a while.
    constexpr int kBusyPipeWaitMs = 1000;
    QLocalSocket socket;
    for (int attempt = 0; attempt < kHandoverConnectAttempts; ++attempt) {
        socket.connectToServer(serverName);
        if (socket.waitForConnected(kBusyPipeWaitMs)) {
            break;
        }
        socket.abort();
        QThread::msleep(kHandoverRetryMs);
    }
    if (socket.state() != QLocalSocket::ConnectedState) {
        return false;
    }
    socket.write(line);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kHandoverAnswerTimeoutMs)) {
            return false;
        }
    }
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(kHandoverAnswerTimeoutMs)) {
        return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == kHandoverTaken;
}

} // namespace platform
