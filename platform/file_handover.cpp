#include "platform/file_handover.h"

#include <QDir>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace platform {
namespace {

constexpr char kEndOfLine = '\n';
constexpr char kTaken = '\n';
// A copy that connects and then says nothing is cut off after this long.
constexpr int kReadTimeoutMs = 5000;
// The running copy starts listening right after it claims the single instance, so a later copy
// that finds the claim taken retries a little before it gives up.
constexpr int kConnectAttempts = 20;
constexpr int kConnectTimeoutMs = 250;
constexpr int kAnswerTimeoutMs = 5000;

// The path in a complete line, or empty text when the line is not an absolute path.
QString pathFromLine(const QByteArray& line) {
    const QString path = QString::fromUtf8(line);
    if (path.isEmpty() || path.contains(QChar(0)) || path.contains(QChar::ReplacementCharacter) ||
        !QDir::isAbsolutePath(path)) {
        return {};
    }
    return path;
}

} // namespace

FileHandoverServer::FileHandoverServer(FileReceiver receiver) : receiver_(std::move(receiver)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &FileHandoverServer::accept);
}

bool FileHandoverServer::listen(const QString& name) {
    QLocalServer::removeServer(name);
    return server_.listen(name);
}

void FileHandoverServer::accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kReadTimeoutMs, socket, &QLocalSocket::abort);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // Read no further than one line can be long; a longer line is refused unread.
            const qsizetype limit = kMaxHandedOverPathBytes + 1;
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > limit) {
                    socket->abort();
                }
                return;
            }
            const QByteArray line = socket->readLine(limit + 1);
            if (!line.endsWith(kEndOfLine)) {
                socket->abort();
                return;
            }
            const QString path = pathFromLine(line.chopped(1));
            if (path.isEmpty()) {
                socket->abort();
                return;
            }
            socket->write(&kTaken, 1);
            socket->disconnectFromServer();
            // Delivered from the event loop, not from inside the socket's signal: opening a
            // reading shows windows and may ask a question.
            QTimer::singleShot(0, this, [this, path] { receiver_(path); });
        });
    }
}

bool handOverFile(const QString& serverName, const QString& absolutePath) {
    const QByteArray line = absolutePath.toUtf8() + kEndOfLine;
    if (line.size() > kMaxHandedOverPathBytes + 1) {
        return false;
    }
    QLocalSocket socket;
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        socket.connectToServer(serverName);
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            break;
        }
        socket.abort();
        QThread::msleep(kConnectTimeoutMs / 2);
    }
    if (socket.state() != QLocalSocket::ConnectedState) {
        return false;
    }
    socket.write(line);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kAnswerTimeoutMs)) {
            return false;
        }
    }
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(kAnswerTimeoutMs)) {
        return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == kTaken;
}

} // namespace platform
