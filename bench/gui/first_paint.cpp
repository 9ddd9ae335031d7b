#include "bench/gui/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace bench {

std::int64_t monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
    return std::int64_t{now.tv_sec} * kNanosecondsPerSecond + now.tv_nsec;
}

void announcePaintAndQuit() {
    std::printf("%s%lld\n", kPaintedLine, static_cast<long long>(monotonicNanoseconds()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

FirstPaintWatch::FirstPaintWatch(std::function<bool(const QWidget&)> isTarget,
                                 std::function<void()> painted)
    : isTarget_(std::move(isTarget)), painted_(std::move(painted)) {
    QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintWatch::~FirstPaintWatch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        isTarget_(*static_cast<QWidget*>(watched))) {
        seen_ = true;
        // The window's own paint event comes first; its children are painted and the frame is
        // handed to the platform in the same pass. A queued call runs once that pass is over.
        QMetaObject::invokeMethod(
            this, [this] { painted_(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace bench
