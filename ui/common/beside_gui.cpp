#include "ui/common/beside_gui.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace ui::detail {

void waitBesideGui(QObject& wake, const std::function<bool()>& arrived, int deadlineMs) {
    // The events go on here, not in a loop of their own: an event loop asked to end before it
    // began would not start at all.
    const QDeadlineTimer deadline(deadlineMs);
    QTimer::singleShot(deadlineMs, &wake, [] {});
    while (!arrived() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

} // namespace ui::detail
