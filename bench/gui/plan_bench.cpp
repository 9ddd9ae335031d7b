// A large plan: how long a 6000 × 4000 JPEG takes from the Open dialog's choice until its
// sectors are listed, how long one frame of the plan takes to paint while it is turned, zoomed
// and panned, and how much memory the process holds with it. The plan window runs in this
// process with a scripted Desktop.
//
//     plan_bench [opens] [frames]      (default: 5 opens, 120 frames of each)

#include "bench/gui/statistics.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/plan_pictures.h"
#include "tests/support/readings.h"
#include "ui/common/widgets.h"
#include "ui/plan/frm_home_plan.h"
#include "ui/plan/plan_view.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr double kOpenCeilingMs = 1000;
constexpr double kFrameCeilingMs = 16;

double millisecondsOf(const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The memory the process holds now: what a large picture costs once it is shown.
double residentMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toDouble() * static_cast<double>(getpagesize()) / 1048576.0
                            : 0;
}

// The frames of one gesture: each step changes the plan as the user's hand does, with all that
// follows in the window, then the view paints at once.
std::vector<double> frames(ui::PlanView& view, int count, const std::function<void(int)>& step) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        times.push_back(millisecondsOf([&view, &step, i] {
            step(i);
            view.repaint();
        }));
    }
    return times;
}

void reportFrames(const char* gesture, const std::vector<double>& times) {
    const double slowest = *std::ranges::max_element(times);
    std::printf("  %-10s median %6.2f ms, slowest %6.2f ms (target at most %.0f ms): %s\n", gesture,
                bench::median(times), slowest, kFrameCeilingMs,
                bench::verdict(slowest, kFrameCeilingMs));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qtApplication(argc, argv);
    ui::useProgramFont(qtApplication);
    const int opens = std::max(argc > 1 ? std::atoi(argv[1]) : 5, 1);
    const int count = std::max(argc > 2 ? std::atoi(argv[2]) : 120, 1);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large-plan.jpg"));
    {
        QFile file(path);
        const QByteArray jpeg = test::pictureFile(test::simplePlan({6000, 4000}), "JPG");
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
            std::fprintf(stderr, "plan_bench: could not write the plan\n");
            return 1;
        }
    }
    const double before = residentMiB();

    std::vector<double> openTimes;
    test::FakeDesktop desktop;
    std::unique_ptr<ui::frmHomePlan> window;
    for (int i = 0; i < opens; ++i) {
        window = std::make_unique<ui::frmHomePlan>(test::readingOf(9, 3), desktop);
        window->resize(1280, 800);
        window->show();
        QCoreApplication::processEvents();
        openTimes.push_back(millisecondsOf([&] { window->openPlan(path); }));
        if (!desktop.messages.empty() ||
            window->findChild<QListWidget*>(QStringLiteral("lstRegions"))->count() != 8) {
            std::fprintf(stderr, "plan_bench: the plan did not open\n");
            return 1;
        }
    }
    auto* view = window->findChild<ui::PlanView*>(QStringLiteral("viewPlan"));
    auto* north = window->findChild<QDoubleSpinBox*>(QStringLiteral("spnNorth"));
    view->repaint();

    std::printf("A 6000 x 4000 JPEG plan, Qt platform \"%s\", a %d x %d view\n",
                qPrintable(QGuiApplication::platformName()), view->width(), view->height());
    const double open = bench::median(openTimes);
    std::printf("  %-10s median %6.1f ms, slowest %6.1f ms (target at most %.0f ms): %s\n",
                "opened", open, *std::ranges::max_element(openTimes), kOpenCeilingMs,
                bench::verdict(*std::ranges::max_element(openTimes), kOpenCeilingMs));
    reportFrames("turned", frames(*view, count, [north](int i) { north->setValue(i % 360); }));
    reportFrames("zoomed", frames(*view, count,
                                  [view](int i) { view->zoomBy(i % 40 < 20 ? 1.1 : 1 / 1.1); }));
    reportFrames("panned", frames(*view, count, [view](int i) {
                     QKeyEvent arrow(QEvent::KeyPress, i % 20 < 10 ? Qt::Key_Right : Qt::Key_Left,
                                     Qt::NoModifier);
                     QCoreApplication::sendEvent(view, &arrow);
                 }));
    const double after = residentMiB();
    std::printf("  memory     %.1f MiB held with the plan shown, %.1f MiB for the plan\n\n", after,
                after - before);
    return 0;
}
