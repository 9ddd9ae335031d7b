#include "shell/update_reminder.h"

#include "platform/desktop.h"
#include "ui/common/program_settings.h"
#include "ui/links/web_links.h"

#include <QCoreApplication>

#include <QLocale>

#include <array>
#include <optional>

namespace shell {
namespace {

constexpr int kQuietDays = 14;
const QString kReminderName = QStringLiteral("Duration");

// We write ISO 8601 so that a change of locale can never silence the reminder; values that
// earlier versions wrote in the locale's own date-and-time form are still understood.
std::optional<QDateTime> parseStoredDate(const QString& text) {
    QDateTime date = QDateTime::fromString(text, Qt::ISODate);
    const QLocale locale;
    for (const QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        if (!date.isValid()) {
            date = locale.toDateTime(text, format);
        }
    }
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

bool storeToday(platform::Desktop& desktop, const QString& application) {
    return ui::writeProgramSetting(desktop, application, kReminderName,
                                   desktop.now().toString(Qt::ISODate));
}

} // namespace

void RemindOfUpdate(platform::Desktop& desktop, const QString& application) {
    const QString stored = ui::readProgramSetting(desktop, application, kReminderName);
    if (stored.isEmpty()) {
        storeToday(desktop, application);
        return;
    }
    // A value that is no date is left for the user to mend; we never overwrite it.
    const std::optional<QDateTime> last = parseStoredDate(stored);
    if (!last) {
        return;
    }
    const qint64 days = desktop.now().date().daysTo(last->date());
    if (days >= -kQuietDays && days <= kQuietDays) {
        return;
    }
    const platform::MessageAnswer answer = desktop.showMessage(
        nullptr,
        QCoreApplication::translate("UpdateReminder",
                                    "There maybe an update to this software available\r"
                                    "Do you want to check for an update?"),
        platform::MessageIcon::Information, platform::MessageButtons::YesNo);
    storeToday(desktop, application);
    if (answer == platform::MessageAnswer::Yes) {
        ui::OpenDownloadPage(desktop);
    }
}

} // namespace shell
