// What another process on the machine can do to the running copy on Linux: senders that
// misbehave on the real handover socket, folders for the runtime state that someone else has
// prepared, and a live copy's lock file that has been garbled.

#include "platform/descriptor_unix.h"
#include "platform/file_handover.h"
#include "platform/local_files.h"
#include "platform/private_folder_unix.h"
#include "platform/qt_desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A raw connection to the running copy's socket, as any local program could make one.
platform::Descriptor connectTo(const QString& socket) {
    platform::Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socket);
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return platform::Descriptor();
    }
    return fd;
}

bool sendRaw(int fd, const QByteArray& bytes) {
    return ::send(fd, bytes.constData(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL) ==
           bytes.size();
}

// The answer byte, or 0 when the running copy closed without one.
char answerOn(int fd) {
    char answer = 0;
    return ::recv(fd, &answer, 1, 0) == 1 ? answer : '\0';
}

QByteArray framed(const QByteArray& path) {
    QByteArray message(4, '\0');
    const auto length = static_cast<quint32>(path.size());
    for (int i = 0; i < 4; ++i) {
        message[i] = static_cast<char>((length >> (24 - 8 * i)) & 0xFF);
    }
    return message + path;
}

// A saved reading: the user's Kua 3, the partner's 7.
const QByteArray kGoodReading("\x88\r\n\x8C\r\n");

mode_t modeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

class HandoverUnixTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void senders_data();
    void senders();
    void runtimeFolders_data();
    void runtimeFolders();
    void aLiveCopysGarbledLockStillHolds();
    void anotherUsersServerHearsNothing();
    void onlyRegularFilesAreRead();
    void aStalledCopyHoldsNoLaterCopy();
    void laterCopiesReachTheRunningCopy_data();
    void laterCopiesReachTheRunningCopy();

private:
    QString program(const char* name) const { return scratch_.filePath(QLatin1String(name)); }

    QTemporaryDir scratch_;
};

void HandoverUnixTest::initTestCase() {
    QVERIFY(scratch_.isValid());
    QCOMPARE(::mkfifo(QFile::encodeName(scratch_.filePath(QStringLiteral("pipe.fsc"))).constData(),
                      0600),
             0);
}

// Each sender does its worst from a thread of its own, as another process would; the running
// copy must answer it as given (0: no answer), show only what a sender confirmed, and then still
// take a good reading from the next copy. Were a write to raise SIGPIPE, this test's own process
// would die.
void HandoverUnixTest::senders_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<bool>("hangsUp"); // closes right after sending, before any answer
    QTest::addColumn<bool>("endless"); // keeps sending until the running copy stops it
    QTest::addColumn<char>("answer");
    QTest::addColumn<bool>("shown"); // after the answer, the sender confirms a "taken"
    const QByteArray good = kGoodReading;
    QTest::newRow("hangs up before the answer") << framed(good) << true << false << '\0' << false;
    QTest::newRow("sends nothing") << QByteArray() << false << false << '\0' << false;
    QTest::newRow("sends without end")
        << QByteArray::fromHex("00010000") << false << true << platform::kHandoverRefused << false;
    QTest::newRow("a good reading, confirmed")
        << framed(good) << false << false << platform::kHandoverTaken << true;
    QTest::newRow("a good reading, the answer heard but not confirmed")
        << framed(good) << false << false << platform::kHandoverTaken << false;
    QTest::newRow("confirms before it is answered")
        << framed(good) + platform::kHandoverConfirmed << false << false
        << platform::kHandoverRefused << false;
    QTest::newRow("no reading") << framed("hello") << false << false << platform::kHandoverRefused
                                << false;
    QTest::newRow("more than the message")
        << framed(good) + "/etc/passwd" << false << false << platform::kHandoverRefused << false;
}

void HandoverUnixTest::senders() {
    QFETCH(QByteArray, message);
    QFETCH(bool, hangsUp);
    QFETCH(bool, endless);
    QFETCH(char, answer);
    QFETCH(bool, shown);
    // The receiver takes what the program would: a saved reading, no other bytes.
    int shows = 0;
    platform::QtDesktop running(program("senders"));
    QVERIFY(running.claimSingleInstance([&shows](const QByteArray& reading) {
        return reading == kGoodReading ? std::function<void()>([&shows] { ++shows; }) : nullptr;
    }));
    const QString socket = platform::instanceSocketName(program("senders"));

    std::atomic<bool> done{false};
    std::atomic<char> answered{'?'};
    platform::Handover next = platform::Handover::NoAnswer;
    std::thread others([&] {
        {
            const platform::Descriptor fd = connectTo(socket);
            if (fd.valid() && sendRaw(fd.get(), message) && !hangsUp) {
                if (endless) {
                    const QByteArray chunk(4096, 'x');
                    for (int i = 0; i < 10000 && sendRaw(fd.get(), chunk); ++i) {
                    }
                }
                // A mute sender stays connected while the next copy hands its reading over.
                if (message.isEmpty()) {
                    next = platform::handOverReading(socket, kGoodReading);
                }
                answered = answerOn(fd.get());
                if (shown) {
                    sendRaw(fd.get(), QByteArray(1, platform::kHandoverConfirmed));
                }
            }
        }
        if (!message.isEmpty()) {
            next = platform::handOverReading(socket, kGoodReading);
        }
        done = true;
    });
    QVERIFY(QTest::qWaitFor([&done] { return done.load(); }, 20000));
    others.join();
    QTest::qWait(50); // the next copy's confirmation arrives after its answer

    if (!hangsUp) {
        QCOMPARE(answered.load(), answer);
    }
    QCOMPARE(next, platform::Handover::Taken);
    QCOMPARE(shows, shown ? 2 : 1);
}

// Where the running state may live: only a real folder of the user's own that no one else may
// enter. A folder that fails is passed over, and never changed.
void HandoverUnixTest::runtimeFolders_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("used");
    QTest::newRow("usable") << "usable" << true;
    QTest::newRow("missing: made for the user alone") << "missing" << true;
    QTest::newRow("owned by another user") << "another user's" << false;
    QTest::newRow("a link to a usable folder") << "link" << false;
    QTest::newRow("open to others to read (0755), as a copy may find it changed") << "0755" << true;
    QTest::newRow("open to others to write (0777)") << "0777" << false;
    QTest::newRow("open to its group to write (0770)") << "0770" << false;
    QTest::newRow("a file, not a folder") << "file" << false;
}

void HandoverUnixTest::runtimeFolders() {
    QFETCH(QString, kind);
    QFETCH(bool, used);
    QTemporaryDir shared;
    const QString folder = shared.filePath(QStringLiteral("state"));
    const QByteArray native = QFile::encodeName(folder);
    const QString usable = shared.filePath(QStringLiteral("usable"));
    QCOMPARE(::mkdir(QFile::encodeName(usable).constData(), 0700), 0);
    if (kind == QLatin1String("usable")) {
        QCOMPARE(::mkdir(native.constData(), 0700), 0);
    } else if (kind == QLatin1String("another user's")) {
        if (::geteuid() != 0) {
            QSKIP("a folder of another user's needs root to make");
        }
        QCOMPARE(::mkdir(native.constData(), 0700), 0);
        QCOMPARE(::chown(native.constData(), 65534, 65534), 0);
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QFile::link(usable, folder));
    } else if (kind.startsWith(QLatin1Char('0'))) {
        QCOMPARE(::mkdir(native.constData(), 0700), 0);
        QCOMPARE(::chmod(native.constData(), static_cast<mode_t>(kind.toUInt(nullptr, 8))), 0);
    } else if (kind == QLatin1String("file")) {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const mode_t before = modeOf(folder);

    QCOMPARE(platform::privateFolder(folder), used ? folder : QString());
    QCOMPARE(platform::firstPrivateFolder({folder, usable}), used ? folder : usable);
    // Never changed: a folder made now is the user's alone.
    QCOMPARE(modeOf(folder), kind == QLatin1String("missing") ? mode_t{0700} : before);
}

// The system's own lock on a live copy's file keeps it, whatever the file says.
void HandoverUnixTest::aLiveCopysGarbledLockStillHolds() {
    QProcess holder;
    holder.start(QStringLiteral(INSTANCE_HOLDER), {program("live")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("claimed"));
    QFile lock(platform::instanceLockPath(program("live")));
    QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.close();

    QVERIFY(!platform::QtDesktop(program("live")).claimSingleInstance({}));
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(10000));
}

// A server of another user's, wherever it listens, is told nothing: the later copy asks the
// socket whose process it is before it sends.
void HandoverUnixTest::anotherUsersServerHearsNothing() {
    if (::geteuid() != 0) {
        QSKIP("a server of another user's needs root to start");
    }
    const QString socket = QDir(QDir::tempPath()).filePath(QStringLiteral("fsc-other-user.socket"));
    const QByteArray native = QFile::encodeName(socket);
    ::unlink(native.constData());
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        // Another user: listens, and reports in its exit status how many bytes it was sent.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(100);
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::chmod(native.constData(), 0777) != 0 || ::listen(fd, 1) != 0) {
            ::_exit(101);
        }
        [[maybe_unused]] const ssize_t told = ::write(ready[1], "r", 1);
        const int client = ::accept(fd, nullptr, nullptr);
        char bytes[64];
        const ssize_t got = ::recv(client, bytes, sizeof bytes, 0);
        ::_exit(got > 0 ? 1 : 0);
    }
    char mark = 0;
    QCOMPARE(::read(ready[0], &mark, 1), ssize_t{1});
    QCOMPARE(platform::handOverReading(socket, kGoodReading), platform::Handover::NoAnswer);
    int status = -1;
    QCOMPARE(::waitpid(other, &status, 0), other);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    ::unlink(native.constData());
    ::close(ready[0]);
    ::close(ready[1]);
}

// A named pipe is refused at once, without waiting for a writer; a reading named for a terminal
// (a serial port would be reset by an open) is refused, and the terminal is never opened: the
// system reports every open of it.
void HandoverUnixTest::onlyRegularFilesAreRead() {
    QVERIFY(!platform::readRegularFile(scratch_.filePath(QStringLiteral("pipe.fsc")), 64));
    const platform::Descriptor terminal(::posix_openpt(O_RDWR | O_NOCTTY));
    QVERIFY(terminal.valid());
    QCOMPARE(::grantpt(terminal.get()), 0);
    QCOMPARE(::unlockpt(terminal.get()), 0);
    const QString device = QString::fromLocal8Bit(::ptsname(terminal.get()));
    const QString board = scratch_.filePath(QStringLiteral("board.fsc"));
    QVERIFY(QFile::link(device, board));
    const platform::Descriptor watch(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    QVERIFY(::inotify_add_watch(watch.get(), QFile::encodeName(device).constData(), IN_OPEN) >= 0);

    QVERIFY(!platform::readRegularFile(board, 64));
    QVERIFY(!platform::readRegularFile(device, 64));

    char events[4096];
    QCOMPARE(::read(watch.get(), events, sizeof events), ssize_t{-1});
    QCOMPARE(errno, EAGAIN);
}

// A running copy that takes no connection (stopped, or stuck on something else) fills its queue;
// a later copy still ends, with no answer, instead of waiting in connect() for good.
void HandoverUnixTest::aStalledCopyHoldsNoLaterCopy() {
    const QString socket = scratch_.filePath(QStringLiteral("stalled.socket"));
    const platform::Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socket);
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    QCOMPARE(::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address),
             0);
    QCOMPARE(::listen(listener.get(), 0), 0);
    std::vector<platform::Descriptor> queued;
    for (int i = 0; i < 4; ++i) {
        queued.emplace_back(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        // The first fills the queue; the rest find it full, as a later copy would.
        [[maybe_unused]] const int queuedOrFull = ::connect(
            queued.back().get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }

    std::atomic<bool> done{false};
    platform::Handover answered = platform::Handover::Taken;
    std::thread later([&] {
        answered = platform::handOverReading(socket, kGoodReading);
        done = true;
    });
    const bool ended = QTest::qWaitFor([&done] { return done.load(); }, 20000);
    if (!ended) {
        ::shutdown(listener.get(), SHUT_RDWR); // frees the thread, so that the test can end
    }
    later.join();
    QVERIFY(ended);
    QCOMPARE(answered, platform::Handover::NoAnswer);
}

// Copies of the program in a runtime folder of their own, started from outside as a desktop
// starts them: the running copy, then a later copy with a reading, which must be taken. The
// folder's path may be too long for a socket's address; the folder may have been emptied
// while a copy ran, and a newer copy started, which must keep its later copies when the older
// one closes; or it may have been opened to others to read while the copy ran.
void HandoverUnixTest::laterCopiesReachTheRunningCopy_data() {
    QTest::addColumn<int>("folderLength");
    QTest::addColumn<bool>("emptiedUnderIt");
    QTest::addColumn<bool>("openedToOthers"); // to read, while the copy runs (0755)
    QTest::newRow("a short folder") << 0 << false << false;
    QTest::newRow("a folder too long for a socket's address") << 150 << false << false;
    QTest::newRow("the folder emptied, a newer copy started, the older one closed")
        << 0 << true << false;
    QTest::newRow("the folder opened to others to read while the copy runs") << 0 << false << true;
}

void HandoverUnixTest::laterCopiesReachTheRunningCopy() {
    QFETCH(int, folderLength);
    QFETCH(bool, emptiedUnderIt);
    QFETCH(bool, openedToOthers);
    QString folder = scratch_.filePath(QStringLiteral("runtime-%1").arg(QTest::currentDataTag()));
    folder = folder.leftJustified(folderLength, QLatin1Char('x'));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    const auto start = [&](const QStringList& reading) {
        auto copy = std::make_unique<QProcess>();
        copy->setProcessEnvironment(environment);
        copy->start(QStringLiteral(INSTANCE_HOLDER), QStringList{program("copies")} + reading);
        return copy;
    };
    const auto firstWords = [](QProcess& copy) {
        return copy.canReadLine() || copy.waitForReadyRead(20000) ? copy.readLine().trimmed()
                                                                  : QByteArray();
    };

    std::unique_ptr<QProcess> running = start({});
    QCOMPARE(firstWords(*running), QByteArray("claimed"));
    if (emptiedUnderIt) {
        const std::unique_ptr<QProcess> older = std::move(running);
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::System)) {
            QVERIFY(QFile::remove(QDir(folder).filePath(name)));
        }
        running = start({});
        QCOMPARE(firstWords(*running), QByteArray("claimed"));
        older->closeWriteChannel();
        QVERIFY(older->waitForFinished(10000));
    }
    if (openedToOthers) {
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    }
    const std::unique_ptr<QProcess> later = start({QString::fromLatin1(kGoodReading.toHex())});
    QCOMPARE(firstWords(*later), QByteArray("taken"));
    QVERIFY(later->state() == QProcess::NotRunning || later->waitForFinished(10000));
    QVERIFY(running->canReadLine() || running->waitForReadyRead(10000));
    QCOMPARE(running->readLine().trimmed(), "received " + kGoodReading.toHex());
    running->closeWriteChannel();
    QVERIFY(running->waitForFinished(10000));
}

QTEST_MAIN(HandoverUnixTest)
#include "handover_unix_test.moc"
