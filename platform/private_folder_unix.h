#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The given folder, made with room for the user alone if it is missing, when it is a real
// folder (not a link) that the user owns and that no one else may write to; otherwise empty
// text. A folder that fails is never changed, only passed over.
QString privateFolder(const QString& path);

// The first of the folders that privateFolder accepts, or empty text.
QString firstPrivateFolder(const QStringList& candidates);

} // namespace platform
