#include "ui/common/reading_file_io.h"

#include <QFile>
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // A saved reading is six bytes; past this prefix every line would be refused anyway.
    const QByteArray bytes = file.read(static_cast<qint64>(storage::kReadingFileBytesNeeded));
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return storage::DecodeReadingFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace ui
