#include "platform/local_files.h"

#include "platform/descriptor_unix.h"
#include "platform/private_folder_unix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString runtimeFolder() {
    // The session's runtime folder; then a folder of our own in the shared temporary folder,
    // which another user may have taken first; then one in the user's own cache. The session's
    // folder is read from the environment as Qt reads it: Qt has looked at it once already while
    // the application started, and asking Qt again would repeat its warnings about it.
    static const QString folder = firstPrivateFolder({
        qEnvironmentVariable("XDG_RUNTIME_DIR"),
        QDir::tempPath() + QStringLiteral("/fengshui-compatibility-") +
            QString::number(::geteuid()),
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
            QStringLiteral("/fengshui-compatibility-runtime"),
    });
    return folder;
}

QString privateFolder(const QString& path) {
    if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
        return {};
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray native = QFile::encodeName(QDir::cleanPath(path));
    // Made here with room for the user alone; whether made now or found, it is checked as it
    // stands, without following a link. Others may look in, which changes nothing, but never
    // write there: a folder whose mode is widened to 0755 while a copy runs in it stays the
    // place of that copy, and the next start still finds it there instead of running as a
    // second copy elsewhere.
    ::mkdir(native.constData(), 0700);
    struct stat status {};
    if (::lstat(native.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::geteuid()) {
        return {};
    }
    if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        // The user's own folder, opened to others: passing it over may split the program in
        // two, so say why.
        qWarning("%s: others may write here, so it is not used", native.constData());
        return {};
    }
    return QDir::cleanPath(path);
}

QString firstPrivateFolder(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (QString folder = privateFolder(candidate); !folder.isEmpty()) {
            return folder;
        }
    }
    return {};
}

namespace {

// The regular file at the path, open for reading, or nothing. What the name points at is asked
// of a handle that opens nothing (O_PATH): a device is never opened, so a serial port is not
// reset and a tape is not rewound. Only then is that same file opened for reading, through the
// handle, without waiting for a writer; it must still be the file that was asked about.
Descriptor openRegularFile(const QString& path) {
    const Descriptor handle(::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC));
    struct stat asked {};
    if (!handle.valid() || ::fstat(handle.get(), &asked) != 0 || !S_ISREG(asked.st_mode)) {
        return Descriptor();
    }
    const QByteArray reopen = "/proc/self/fd/" + QByteArray::number(handle.get());
    Descriptor fd(::open(reopen.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat opened {};
    if (!fd.valid() || ::fstat(fd.get(), &opened) != 0 || opened.st_dev != asked.st_dev ||
        opened.st_ino != asked.st_ino) {
        return Descriptor();
    }
    return fd;
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes) {
    const Descriptor fd = openRegularFile(path);
    if (!fd.valid()) {
        return std::nullopt;
    }
    QByteArray bytes;
    char chunk[4096];
    while (bytes.size() < maxBytes) {
        const auto wanted = static_cast<std::size_t>(
            std::min<qint64>(static_cast<qint64>(sizeof chunk), maxBytes - bytes.size()));
        const ssize_t got = ::read(fd.get(), chunk, wanted);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, got);
    }
    return bytes;
}

} // namespace platform
