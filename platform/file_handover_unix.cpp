// The handover on Linux: a Unix domain socket in the user's private runtime folder, made with
// the system's own calls. Qt's local socket would bring QtNetwork and the Kerberos, proxy and
// compression libraries it links, and every start of the program would pay for loading them.

#include "platform/descriptor_unix.h"
#include "platform/file_handover.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

// How long the running copy stops taking connections when the system has no descriptor to
// spare; asking again at once would only spin.
constexpr int kAcceptBackoffMs = 250;

// A socket's address. A path too long for one (a long home folder) is reached through an open
// handle of its folder instead, whose name in /proc is short whatever the folder's path, so the
// socket fits wherever the runtime folder lies.
class SocketAddress {
public:
    explicit SocketAddress(const QString& name) {
        const QByteArray path = QFile::encodeName(name);
        if (path.isEmpty()) {
            return;
        }
        if (fits(path)) {
            set(path);
            return;
        }
        const QFileInfo socket(name);
        folder_ = Descriptor(::open(QFile::encodeName(socket.absolutePath()).constData(),
                                    O_PATH | O_DIRECTORY | O_CLOEXEC));
        const QByteArray viaFolder = "/proc/self/fd/" + QByteArray::number(folder_.get()) + '/' +
                                     QFile::encodeName(socket.fileName());
        if (folder_.valid() && fits(viaFolder)) {
            set(viaFolder);
        }
    }

    bool valid() const { return valid_; }
    const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&address_); }
    static constexpr socklen_t size() { return sizeof(sockaddr_un); }
    const char* path() const { return address_.sun_path; }

private:
    static bool fits(const QByteArray& path) {
        return static_cast<std::size_t>(path.size()) < sizeof(sockaddr_un::sun_path);
    }
    void set(const QByteArray& path) {
        address_.sun_family = AF_UNIX;
        std::memcpy(address_.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        valid_ = true;
    }

    sockaddr_un address_{};
    Descriptor folder_; // held while the address is in use: the address names it
    bool valid_ = false;
};

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

// One later copy's connection: it reads one message, answers, waits for the confirmation of a
// "taken", and ends.
class Connection : public QObject {
public:
    Connection(int fd, const ReadingReceiver& receiver, FileHandoverServer* server)
        : QObject(server), fd_(fd), exchange_(receiver), notifier_(fd, QSocketNotifier::Read) {
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
            finish(); // hung up: a reading not yet confirmed is never shown
            return;
        }
        // The socket never fills with one byte; a sender that has gone loses its answer, no more.
        if (const std::optional<char> answer = exchange_.add(QByteArrayView(chunk, got))) {
            sendAll(fd_.get(), QByteArrayView(&*answer, 1));
        }
        if (exchange_.finished()) {
            finish();
        }
    }

    void finish() {
        notifier_.setEnabled(false);
        deleteLater();
    }

    Descriptor fd_;
    HandoverExchange exchange_;
    QSocketNotifier notifier_;
};

} // namespace

struct FileHandoverServer::Listening {
    Listening(int socket, const QString& name) : fd(socket), address(name) {}
    // Only a socket that is still ours goes: if the folder was emptied while this copy ran, a
    // newer copy's socket may have taken the name, and it must keep hearing its later copies.
    ~Listening() {
        struct stat now {};
        if (address.valid() && ::lstat(address.path(), &now) == 0 && now.st_dev == device &&
            now.st_ino == inode) {
            ::unlink(address.path());
        }
    }
    Descriptor fd;
    SocketAddress address;
    dev_t device = 0;
    ino_t inode = 0;
    std::unique_ptr<QSocketNotifier> notifier;
    QTimer backoff;
    int open = 0; // connections being heard
};

FileHandoverServer::FileHandoverServer(ReadingReceiver receiver) : receiver_(std::move(receiver)) {}

FileHandoverServer::~FileHandoverServer() {
    // The connections go first: each tells the listening end when it is done.
    qDeleteAll(findChildren<QObject*>(Qt::FindDirectChildrenOnly));
}

bool FileHandoverServer::listen(const QString& name) {
    auto listening = std::make_unique<Listening>(
        ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0), name);
    if (!listening->fd.valid() || !listening->address.valid()) {
        return false;
    }
    // The folder is the user's alone, so the socket in it needs no permissions of its own, and
    // a socket there by this name is a dead copy's.
    const SocketAddress& address = listening->address;
    ::unlink(address.path());
    struct stat bound {};
    if (::bind(listening->fd.get(), address.get(), SocketAddress::size()) != 0 ||
        ::lstat(address.path(), &bound) != 0 || ::listen(listening->fd.get(), SOMAXCONN) != 0) {
        return false;
    }
    listening->device = bound.st_dev;
    listening->inode = bound.st_ino;
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
            auto* connection = new Connection(fd, receiver_, this);
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

namespace {

// Connects without ever waiting inside connect(): a running copy whose queue is full (it is
// stuck, or swamped) makes a later copy try again until the deadline, not hang.
Descriptor connectBefore(const SocketAddress& address, const QDeadlineTimer& deadline) {
    while (!deadline.hasExpired()) {
        Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (!fd.valid()) {
            return fd;
        }
        if (::connect(fd.get(), address.get(), SocketAddress::size()) == 0) {
            return fd;
        }
        QThread::msleep(static_cast<unsigned long>(
            std::min<qint64>(kHandoverRetryMs, std::max<qint64>(deadline.remainingTime(), 0))));
    }
    return Descriptor();
}

bool sendBefore(int fd, QByteArrayView bytes, const QDeadlineTimer& deadline) {
    while (!bytes.isEmpty()) {
        pollfd ready{fd, POLLOUT, 0};
        if (::poll(&ready, 1, static_cast<int>(deadline.remainingTime())) != 1) {
            return false;
        }
        const ssize_t sent =
            ::send(fd, bytes.data(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL);
        if (sent < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        bytes = bytes.sliced(sent);
    }
    return true;
}

std::optional<char> answerBefore(int fd, const QDeadlineTimer& deadline) {
    pollfd ready{fd, POLLIN, 0};
    char answer = 0;
    if (::poll(&ready, 1, static_cast<int>(deadline.remainingTime())) != 1 ||
        ::recv(fd, &answer, 1, 0) != 1) {
        return std::nullopt;
    }
    return answer;
}

} // namespace

Handover handOverReading(const QString& serverName, const QByteArray& reading) {
    const QByteArray message = handoverMessage(reading);
    if (message.isEmpty()) {
        return Handover::Refused;
    }
    const SocketAddress address(serverName);
    if (!address.valid()) {
        return Handover::NoAnswer;
    }
    const QDeadlineTimer deadline(kHandoverDeadlineMs);
    const Descriptor fd = connectBefore(address, deadline);
    // A reading is told to this user's own copy only.
    if (!fd.valid() || !peerIsThisUser(fd.get()) || !sendBefore(fd.get(), message, deadline)) {
        return Handover::NoAnswer;
    }
    const std::optional<char> answer = answerBefore(fd.get(), deadline);
    if (answer == kHandoverRefused) {
        return Handover::Refused;
    }
    if (answer != kHandoverTaken || deadline.hasExpired() ||
        !sendBefore(fd.get(), QByteArrayView(&kHandoverConfirmed, 1), deadline)) {
        return Handover::NoAnswer; // closing now tells the running copy not to show it
    }
    return Handover::Taken;
}

} // namespace platform
