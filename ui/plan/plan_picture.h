#pragma once

#include "ui/plan/plan_decoding.h"

#include <QByteArray>
#include <QString>

namespace platform {
class Desktop;
}

namespace ui {

// How long a plan may take to arrive and decode before the user is told that it did not.
inline constexpr int kPlanDeadlineMs = 10'000;

// Reads and decodes a plan's picture on a thread of its own while the caller's events go on.
// Only a regular file is read.
PlanPicture openPlanPicture(platform::Desktop& desktop, const QString& path,
                            int deadlineMs = kPlanDeadlineMs);

// What to tell the user of a fault, in their language; empty for none.
QString planFaultText(PlanFault why);

} // namespace ui
