// The handover on Linux: a Unix domain socket in the user's runtime folder, made with the
// system's own calls. Qt's local socket would bring QtNetwork and the Kerberos, proxy and
// compression libraries it links, and every start of the program would pay for loading them.

#include "platform/file_handover.h"

#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

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

// One later copy's connection: it reads a line, answers once the line is taken, and ends.
class Connection : public QObject {
public:
    Connection(int fd, FileHandoverServer* server)
        : QObject(server), fd_(fd), server_(server), notifier_(fd, QSocketNotifier::Read) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Connection::read);
        QTimer::singleShot(kHandoverReadTimeoutMs, this, &QObject::deleteLater);
    }

private:
    void read() {
        char chunk[4096];
        const ssize_t got = ::read(fd_.get(), chunk, sizeof chunk);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        if (got <= 0) {
            finish();
            return;
        }
        line_.append(chunk, got);
        const qsizetype end = line_.indexOf(kHandoverEndOfLine);
        if (end < 0) {
            if (line_.size() > kMaxHandedOverPathBytes) {
                finish();
            }
            return;
        }
        if (server_->take(line_.left(end))) {
            [[maybe_unused]] const ssize_t sent = ::write(fd_.get(), &kHandoverTaken, 1);
        }
        finish();
    }

    void finish() {
        notifier_.setEnabled(false);
        deleteLater();
    }

    Descriptor fd_;
    FileHandoverServer* server_;
    QSocketNotifier notifier_;
    QByteArray line_;
};

} // namespace

struct FileHandoverServer::Listening {
    explicit Listening(int socket, QString path) : fd(socket), name(std::move(path)) {}
    ~Listening() { ::unlink(QFile::encodeName(name).constData()); }
    Descriptor fd;
    QString name;
    std::unique_ptr<QSocketNotifier> notifier;
};

FileHandoverServer::FileHandoverServer(FileReceiver receiver) : receiver_(std::move(receiver)) {}

FileHandoverServer::~FileHandoverServer() = default;

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
    ::unlink(address.sun_path);
    // Only the user may connect: the socket is theirs alone, in a folder that is theirs alone.
    const mode_t mask = ::umask(077);
    const int bound =
        ::bind(listening->fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::umask(mask);
    if (bound != 0 || ::listen(listening->fd.get(), 8) != 0) {
        return false;
    }
    listening->notifier =
        std::make_unique<QSocketNotifier>(listening->fd.get(), QSocketNotifier::Read);
    connect(listening->notifier.get(), &QSocketNotifier::activated, this, [this] {
        int fd = -1;
        while ((fd = ::accept4(listening_->fd.get(), nullptr, nullptr,
                               SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0) {
            // Another user's process never gets this far; should it, it is not heard.
            ucred peer{};
            socklen_t size = sizeof peer;
            if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
                peer.uid != ::getuid()) {
                ::close(fd);
                continue;
            }
            new Connection(fd, this);
        }
    });
    listening_ = std::move(listening);
    return true;
}

bool handOverFile(const QString& serverName, const QString& absolutePath) {
    const QByteArray line = absolutePath.toUtf8() + kHandoverEndOfLine;
    sockaddr_un address;
    if (line.size() > kMaxHandedOverPathBytes + 1 || !addressOf(serverName, address)) {
        return false;
    }
    for (int attempt = 0; attempt < kHandoverConnectAttempts; ++attempt) {
        const Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        if (!fd.valid()) {
            return false;
        }
        if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            QThread::msleep(kHandoverRetryMs);
            continue;
        }
        for (qsizetype sent = 0; sent < line.size();) {
            const ssize_t wrote = ::write(fd.get(), line.constData() + sent,
                                          static_cast<std::size_t>(line.size() - sent));
            if (wrote < 0 && errno != EINTR) {
                return false;
            }
            sent += wrote > 0 ? wrote : 0;
        }
        pollfd answer{fd.get(), POLLIN, 0};
        char taken = 0;
        return ::poll(&answer, 1, kHandoverAnswerTimeoutMs) == 1 &&
               ::read(fd.get(), &taken, 1) == 1 && taken == kHandoverTaken;
    }
    return false;
}

} // namespace platform
