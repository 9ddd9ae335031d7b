#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// The folder that holds the running copy's state (the single-instance lock and the handover
// socket or pipe): one that the user alone can write, worked out once per run. On Linux, where
// the system's runtime folder will not do, a folder of the program's own serves; empty when
// none can be made safely. On Windows, the user's own temporary folder.
QString runtimeFolder();

// Up to `maxBytes` of a regular file (a link to one counts), or nothing for anything else: a
// folder, a named pipe, a device, a socket, a file that cannot be read. Never waits for a
// writer and never reads past the limit.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

} // namespace platform
