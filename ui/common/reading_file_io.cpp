#include "ui/common/reading_file_io.h"

#include "platform/desktop.h"
#include "platform/whole_file.h"
#include "ui/common/beside_gui.h"

#include <string>

namespace ui {

QString writeReadingFile(const QString& path, const storage::SavedKuaNumbers& numbers) {
    const std::string bytes = storage::EncodeReadingFile(numbers);
    return platform::writeWholeFile(path,
                                    QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

ReadingFileRead readReadingFile(platform::Desktop& desktop, const QString& path, int deadlineMs) {
    // A saved reading is six bytes; past this prefix every line would be refused anyway.
    const auto read = runBesideGui<std::optional<storage::SavedKuaNumbers>>(
        [&desktop, path]() -> std::optional<storage::SavedKuaNumbers> {
            const std::optional<QByteArray> bytes = desktop.readRegularFile(
                path, static_cast<qint64>(storage::kReadingFileBytesNeeded));
            if (!bytes) {
                return std::nullopt;
            }
            return storage::DecodeReadingFile(
                std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
        },
        deadlineMs);
    if (!read) {
        return {.outcome = ReadingFileRead::Outcome::TooLate, .numbers = {}};
    }
    if (!*read) {
        return {.outcome = ReadingFileRead::Outcome::NoReading, .numbers = {}};
    }
    return {.outcome = ReadingFileRead::Outcome::Reading, .numbers = **read};
}

void writeChosenFile(platform::Desktop& desktop, QWidget* parent,
                     const platform::FileDialogOptions& options,
                     const std::function<QString(const QString& path)>& write,
                     const QString& failure) {
    const QString path = desktop.askSaveFile(parent, options);
    if (path.isEmpty()) {
        return;
    }
    const QString reason = write(path);
    if (!reason.isEmpty()) {
        desktop.showMessage(parent, failure.arg(reason), platform::MessageIcon::Critical);
    }
}

bool hasReadingFileSuffix(const QString& path) {
    // Lower case, not case folding, which takes the long s (ſ) for an s.
    return path.right(4).toLower() == QLatin1String(".fsc");
}

} // namespace ui
