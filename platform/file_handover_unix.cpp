// The handover on Linux: a Unix domain socket in the user's private runtime folder, made with
// the system's own calls. Qt's local socket would bring QtNetwork and the Kerberos, proxy and
// compression libraries it links, and every start of the program would pay for loading them.

#include "platform/descriptor_unix.h"
#include "platform/file_handover.h"

#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

// How long the running copy stops taking connections when the system has no descriptor to
// spare; asking again at once would only spin.
constexpr int kAcceptBackoffMs = 250;

// The socket's address, or false when the name does not fit one.
bool addressOf(const QString& name, sockaddr_un& address) {
    const QByteArray path = QFile::encodeName(name);
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

bool peerIsThisUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == ::geteuid();
}

// Writes to a socket never raise SIGPIPE: a peer that has hung up is only a failed write.
bool sendAll(int fd, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const ssize_t sent =
            ::send(fd, bytes.data(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        bytes = bytes.sliced(sent);
    }
    return true;
}

// One later copy's connection: it reads one message, answers, and ends.
class Connection : public QObject {
public:
    Connection(int fd, FileHandoverServer* server)
        : QObject(server), fd_(fd), server_(server), notifier_(fd, QSocketNotifier::Read) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Connection::read);
        QTimer::singleShot(kHandoverReadTimeoutMs, this, &Connection::finish);
    }

private:
    void read() {
        char chunk[4096];
        const ssize_t got = ::recv(fd_.get(), chunk, sizeof chunk, 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        if (got <= 0) {
            finish();
            return;
        }
        const std::optional<char> verdict = server_->answerTo(message_, QByteArrayView(chunk, got));
        if (!verdict) {
            return;
        }
        answer(*verdict);
        finish();
    }

    // The socket never fills with one byte; a sender that has gone loses its answer, no more.
    void answer(char verdict) { sendAll(fd_.get(), QByteArrayView(&verdict, 1)); }

    void finish() {
        notifier_.setEnabled(false);
        deleteLater();
    }

    Descriptor fd_;
    FileHandoverServer* server_;
    QSocketNotifier notifier_;
    HandoverMessageReader message_;
};

} // namespace

struct FileHandoverServer::Listening {
    explicit Listening(int socket, QString path) : fd(socket), name(std::move(path)) {}
    ~Listening() { ::unlink(QFile::encodeName(name).constData()); }
    Descriptor fd;
    QString name;
    std::unique_ptr<QSocketNotifier> notifier;
    QTimer backoff;
    int open = 0; // connections being heard
};

FileHandoverServer::FileHandoverServer(FileReceiver receiver) : receiver_(std::move(receiver)) {}

FileHandoverServer::~FileHandoverServer() {
    // The connections go first: each tells the listening end when it is done.
    qDeleteAll(findChildren<QObject*>(Qt::FindDirectChildrenOnly));
}

bool FileHandoverServer::listen(const QString& name) {
    sockaddr_un address;
    if (!addressOf(name, address)) {
        return false;
    }
    auto listening = std::make_unique<Listening>(
        ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0), name);
    if (!listening->fd.valid()) {
        return false;
    }
    // The folder is the user's alone, so the socket in it needs no permissions of its own.
    ::unlink(address.sun_path);
    if (::bind(listening->fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) !=
            0 ||
        ::listen(listening->fd.get(), kMaxOpenHandovers) != 0) {
        return false;
    }
    Listening* state = listening.get();
    state->notifier = std::make_unique<QSocketNotifier>(state->fd.get(), QSocketNotifier::Read);
    state->backoff.setSingleShot(true);
    state->backoff.setInterval(kAcceptBackoffMs);
    connect(&state->backoff, &QTimer::timeout, this,
            [state] { state->notifier->setEnabled(true); });
    connect(state->notifier.get(), &QSocketNotifier::activated, this, [this, state] {
        while (state->open < kMaxOpenHandovers) {
            const int fd =
                ::accept4(state->fd.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0 && (errno == EINTR || errno == ECONNABORTED)) {
                continue;
            }
            if (fd < 0) {
                if (errno != EAGAIN && errno != EWOULDBLOCK) {
                    state->notifier->setEnabled(false);
                    state->backoff.start();
                }
                return;
            }
            // Another user's process never gets this far; should it, it is not heard.
            if (!peerIsThisUser(fd)) {
                ::close(fd);
                continue;
            }
            auto* connection = new Connection(fd, this);
            ++state->open;
            connect(connection, &QObject::destroyed, this, [state] {
                if (--state->open < kMaxOpenHandovers && !state->backoff.isActive()) {
                    state->notifier->setEnabled(true);
                }
            });
        }
        // Full: the rest wait in the queue until a connection is done.
        state->notifier->setEnabled(false);
    });
    listening_ = std::move(listening);
    return true;
}

Handover handOverFile(const QString& serverName, const QString& absolutePath) {
    const QByteArray message = handoverMessage(absolutePath);
    if (message.isEmpty()) {
        return Handover::Refused;
    }
    sockaddr_un address;
    if (!addressOf(serverName, address)) {
        return Handover::NoAnswer;
    }
    for (int attempt = 0; attempt < kHandoverConnectAttempts; ++attempt) {
        const Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        if (!fd.valid()) {
            return Handover::NoAnswer;
        }
        if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            QThread::msleep(kHandoverRetryMs);
            continue;
        }
        // A path is told to this user's own copy only.
        if (!peerIsThisUser(fd.get()) || !sendAll(fd.get(), message)) {
            return Handover::NoAnswer;
        }
        pollfd answer{fd.get(), POLLIN, 0};
        char verdict = 0;
        if (::poll(&answer, 1, kHandoverAnswerTimeoutMs) != 1 ||
            ::recv(fd.get(), &verdict, 1, 0) != 1) {
            return Handover::NoAnswer;
        }
        return verdict == kHandoverTaken     ? Handover::Taken
               : verdict == kHandoverRefused ? Handover::Refused
                                             : Handover::NoAnswer;
    }
    return Handover::NoAnswer;
}

} // namespace platform
