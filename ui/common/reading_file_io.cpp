#include "ui/common/reading_file_io.h"

#include "platform/local_files.h"

#include <QSaveFile>

#include <string>

namespace ui {

QString writeReadingFile(const QString& path, const storage::SavedKuaNumbers& numbers) {
    const std::string bytes = storage::EncodeReadingFile(numbers);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        return file.errorString();
    }
    return {};
}

std::optional<storage::SavedKuaNumbers> readReadingFile(const QString& path) {
    // A saved reading is six bytes; past this prefix every line would be refused anyway.
    const std::optional<QByteArray> bytes =
        platform::readRegularFile(path, static_cast<qint64>(storage::kReadingFileBytesNeeded));
    if (!bytes) {
        return std::nullopt;
    }
    return storage::DecodeReadingFile(
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

bool hasReadingFileSuffix(const QString& path) {
    return path.endsWith(QLatin1String(".fsc"), Qt::CaseInsensitive);
}

} // namespace ui
