#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

namespace platform {

// Writes a file so that the file on disk is either the old one or the complete new one, never
// half of either. Empty text on success, otherwise the system's reason.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// Commits what the caller wrote into a save file, with the same promise.
QString commitWholeFile(QSaveFile& file);

} // namespace platform
