#pragma once

#include "storage/reading_file.h"

#include <QString>

#include <optional>

#include <functional>

class QWidget;

namespace platform {
class Desktop;
struct FileDialogOptions;
} // namespace platform

namespace ui {

// Writes a saved reading so that the file on disk is either the old one or the complete new
// one, never half of either. Empty text on success, otherwise the system's reason.
QString writeReadingFile(const QString& path, const storage::SavedKuaNumbers& numbers);

// How long a saved reading may take to arrive before the user is told that it did not.
inline constexpr int kReadingFileDeadlineMs = 5000;

// A saved reading read beside the GUI: the two numbers, or that the file is none (it cannot be
// read, or it is not a reading), or that it did not arrive within the deadline.
struct ReadingFileRead {
    enum class Outcome { Reading, NoReading, TooLate };
    Outcome outcome = Outcome::NoReading;
    storage::SavedKuaNumbers numbers;
};

// Reads a saved reading on a thread of its own while the caller's events go on, so that a file
// on a disk that stops answering (a dead network share) freezes no window. Only a regular file
// is read, and never more of it than a reading can use. What arrives after the deadline is
// dropped, and the thread that waits for it holds nothing of the caller's.
ReadingFileRead readReadingFile(platform::Desktop& desktop, const QString& path,
                                int deadlineMs = kReadingFileDeadlineMs);

// Whether a name from outside the program (the command line, a drop, a later copy) is a saved
// reading's: it ends in ".fsc", in any case.
bool hasReadingFileSuffix(const QString& path);

// The commands that write a file: the save dialog, then a write that leaves either the complete
// new file or the old one (it gives empty text, or the system's reason), and a message when it
// fails, so that the user never believes a file is written when it is not. Nothing at all
// happens on Cancel.
void writeChosenFile(platform::Desktop& desktop, QWidget* parent,
                     const platform::FileDialogOptions& options,
                     const std::function<QString(const QString& path)>& write,
                     const QString& failure);

} // namespace ui
