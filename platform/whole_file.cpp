#include "platform/whole_file.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace platform {
namespace {

// A write the system took only in part sets no error of its own; the likeliest cause is said.
QString cutShort(QSaveFile& file) {
    file.cancelWriting();
    return QCoreApplication::translate(
        "platform", "The file could not be written whole; the disk may be full.");
}

} // namespace

QString commitWholeFile(QSaveFile& file) {
    // Qt 6.4's QSaveFile::commit() writes out its last buffered bytes while it closes the file
    // and does not look at the result: on a full disk it puts a file cut short in the old one's
    // place and reports success. Flushed first, the failure shows while the old file stands.
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        return cutShort(file);
    }
    return file.commit() ? QString() : file.errorString();
}

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes) != bytes.size()) {
        return cutShort(file);
    }
    return commitWholeFile(file);
}

} // namespace platform
