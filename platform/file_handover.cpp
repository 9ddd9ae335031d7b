#include "platform/file_handover.h"

#include <QDir>
#include <QTimer>

namespace platform {

bool FileHandoverServer::take(const QByteArray& line) {
    const QString path = QString::fromUtf8(line);
    if (path.isEmpty() || path.contains(QChar(0)) || path.contains(QChar::ReplacementCharacter) ||
        !QDir::isAbsolutePath(path)) {
        return false;
    }
    QTimer::singleShot(0, this, [this, path] { receiver_(path); });
    return true;
}

} // namespace platform
