#include "ui/plan/plan_picture.h"

#include "platform/desktop.h"
#include "ui/common/beside_gui.h"

#include <QCoreApplication>

namespace ui {

PlanPicture openPlanPicture(platform::Desktop& desktop, const QString& path, int deadlineMs) {
    limitImageAllocation();
    const auto opened = runBesideGui<PlanPicture>(
        [&desktop, path] {
            // One byte past the limit tells a file at the limit from a larger one.
            const std::optional<QByteArray> bytes =
                desktop.readRegularFile(path, kLargestPlanFileBytes + 1);
            if (!bytes || bytes->size() > kLargestPlanFileBytes) {
                return refusedPicture(PlanFault::Unreadable);
            }
            return decodePlanPicture(*bytes);
        },
        deadlineMs);
    return opened ? *opened : refusedPicture(PlanFault::TooLate);
}

QString planFaultText(PlanFault why) {
    const char* text = nullptr;
    switch (why) {
    case PlanFault::None:
        return {};
    case PlanFault::Unreadable:
        text = QT_TRANSLATE_NOOP("ui::Plan", "This file cannot be read as a plan. Please choose a "
                                             "picture file of at most 64 MB on this computer.");
        break;
    case PlanFault::NotAPicture:
        text = QT_TRANSLATE_NOOP("ui::Plan", "This file is no PNG or JPEG picture. Please choose "
                                             "a picture of your home's plan.");
        break;
    case PlanFault::Damaged:
        text = QT_TRANSLATE_NOOP("ui::Plan", "This picture is damaged or incomplete. Please "
                                             "choose another copy of it.");
        break;
    case PlanFault::TooLarge:
        text = QT_TRANSLATE_NOOP("ui::Plan", "This picture is too large. Please choose a plan of "
                                             "at most 40 million pixels.");
        break;
    case PlanFault::TooLate:
        text = QT_TRANSLATE_NOOP("ui::Plan", "The picture did not arrive in time. Please copy "
                                             "it onto this computer and try again.");
        break;
    }
    return QCoreApplication::translate("ui::Plan", text);
}

} // namespace ui
