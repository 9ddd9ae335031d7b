#pragma once

#include "storage/reading_file.h"

#include <QString>

#include <optional>

namespace ui {

// Writes a saved reading so that the file on disk is either the old one or the complete new
// one, never half of either. Empty text on success, otherwise the system's reason.
QString writeReadingFile(const QString& path, const storage::SavedKuaNumbers& numbers);

// The two numbers of a saved reading, or nothing when the file cannot be read or is not one.
// Only a regular file is read, and never more of it than a reading can use.
std::optional<storage::SavedKuaNumbers> readReadingFile(const QString& path);

// Whether a name from outside the program (the command line, a drop, a later copy) is a saved
// reading's: it ends in ".fsc", in any case.
bool hasReadingFileSuffix(const QString& path);

} // namespace ui
