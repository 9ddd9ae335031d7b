#include "ui/common/reading_file_io.h"

#include "platform/desktop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSaveFile>
#include <QTimer>

#include <memory>
#include <mutex>
#include <string>
#include <thread>

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

namespace {

// What the reading thread and the waiting caller share. The caller may stop waiting and go;
// the thread then finds nobody to wake and ends on its own whenever its read returns.
struct PendingRead {
    std::mutex guard;
    QObject* waiting = nullptr;
    std::optional<std::optional<storage::SavedKuaNumbers>> result;
};

std::optional<storage::SavedKuaNumbers> decoded(const std::optional<QByteArray>& bytes) {
    if (!bytes) {
        return std::nullopt;
    }
    return storage::DecodeReadingFile(
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

} // namespace

ReadingFileRead readReadingFile(platform::Desktop& desktop, const QString& path, int deadlineMs) {
    // The events go on here, not in a loop of their own: an event loop asked to end before it
    // began would not start at all.
    QObject wake;
    auto pending = std::make_shared<PendingRead>();
    pending->waiting = &wake;
    // A saved reading is six bytes; past this prefix every line would be refused anyway.
    std::thread([pending, &desktop, path] {
        const std::optional<QByteArray> bytes =
            desktop.readRegularFile(path, static_cast<qint64>(storage::kReadingFileBytesNeeded));
        const std::lock_guard lock(pending->guard);
        pending->result = decoded(bytes);
        if (pending->waiting) {
            QMetaObject::invokeMethod(
                pending->waiting, [] {}, Qt::QueuedConnection);
        }
    }).detach();
    const QDeadlineTimer deadline(deadlineMs);
    QTimer::singleShot(deadlineMs, &wake, [] {});
    const auto arrived = [&pending] {
        const std::lock_guard lock(pending->guard);
        return pending->result.has_value();
    };
    while (!arrived() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    const std::lock_guard lock(pending->guard);
    pending->waiting = nullptr;
    if (!pending->result) {
        return {.outcome = ReadingFileRead::Outcome::TooLate, .numbers = {}};
    }
    if (!*pending->result) {
        return {.outcome = ReadingFileRead::Outcome::NoReading, .numbers = {}};
    }
    return {.outcome = ReadingFileRead::Outcome::Reading, .numbers = **pending->result};
}

bool hasReadingFileSuffix(const QString& path) {
    // Lower case, not case folding, which takes the long s (ſ) for an s.
    return path.right(4).toLower() == QLatin1String(".fsc");
}

} // namespace ui
