// How long a reading takes to appear: from the click on "&Find Our Feng Shui Compatibility",
// or on "&Open Previously Saved Reading" with a saved file picked, until the result window has
// been painted. The whole program runs in this one process with a scripted Desktop; Back
// brings the input window again between two clicks, and that part is not timed.
//
//     reading_bench [clicks]      (default: 200 of each)

#include "bench/gui/first_paint.h"
#include "bench/gui/statistics.h"
#include "tests/shell/program_driver.h"
#include "ui/common/reading_file_io.h"
#include "ui/common/widgets.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kGiveUpAfterMilliseconds = 5000;

// Runs `action` and returns the milliseconds until a window of that class has been painted,
// or a negative number when none was.
template <typename Window> double millisecondsUntilPainted(const std::function<void()>& action) {
    QEventLoop loop;
    std::int64_t painted = 0;
    const bench::FirstPaintWatch watch(bench::isWindowOf<Window>, [&] {
        painted = bench::monotonicNanoseconds();
        loop.quit();
    });
    const std::int64_t started = bench::monotonicNanoseconds();
    action();
    if (painted == 0) {
        QTimer::singleShot(kGiveUpAfterMilliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }
    constexpr double kNanosecondsPerMillisecond = 1e6;
    return painted == 0 ? -1.0
                        : static_cast<double>(painted - started) / kNanosecondsPerMillisecond;
}

// Couples whose readings between them show many different pictures.
test::Person self(int click) {
    return {QStringLiteral("John"), QStringLiteral("Male"), QStringLiteral("10"),
            QStringLiteral("June"), QString::number(1970 + click % 9)};
}
test::Person partner(int click) {
    return {QStringLiteral("Mary"), QStringLiteral("Female"), QStringLiteral("5"),
            QStringLiteral("May"), QString::number(1990 + (click * 4) % 9)};
}

class ReadingBench {
public:
    explicit ReadingBench(int clicks) : clicks_(clicks) {}

    bool start() {
        if (!program_.application().StartUp() || !folder_.isValid()) {
            return false;
        }
        for (std::int16_t kua = 1; kua <= 9; ++kua) {
            const auto partnerKua = static_cast<std::int16_t>(10 - kua);
            if (!ui::writeReadingFile(savedReading(kua), {kua, partnerKua}).isEmpty()) {
                return false;
            }
        }
        return true;
    }

    // The time of every click, or nothing when a click did not bring the result window.
    std::vector<double> proceed() {
        return timeClicks([this](int click) {
            program_.enter(0, self(click));
            program_.enter(1, partner(click));
            return program_.input()->findChild<QPushButton*>(QStringLiteral("cmdProceed"));
        });
    }

    std::vector<double> open() {
        return timeClicks([this](int click) {
            program_.desktop().openFileAnswers.push_back(
                savedReading(static_cast<std::int16_t>(1 + click % 9)));
            return program_.input()->findChild<QPushButton*>(QStringLiteral("cmdOpen"));
        });
    }

private:
    QString savedReading(std::int16_t kua) const {
        return folder_.filePath(QStringLiteral("reading-%1.fsc").arg(kua));
    }

    // Prepares the input window for a click, untimed, and gives the button to click.
    using Preparation = std::function<QPushButton*(int click)>;

    std::vector<double> timeClicks(const Preparation& prepare) {
        std::vector<double> times;
        for (int click = 0; click < clicks_; ++click) {
            QPushButton* button = prepare(click);
            const double milliseconds =
                millisecondsUntilPainted<ui::frmFengShuiCompatibilityResult>(
                    [button] { QTest::mouseClick(button, Qt::LeftButton); });
            if (milliseconds < 0 || !program_.desktop().messages.empty()) {
                return {};
            }
            times.push_back(milliseconds);
            // Back to a fresh input window, painted before the next click is timed.
            const double back = millisecondsUntilPainted<ui::frmMain>(
                [this] { program_.press(program_.result(), "cmdBack"); });
            if (back < 0) {
                return {};
            }
        }
        return times;
    }

    int clicks_;
    test::ProgramDriver program_;
    QTemporaryDir folder_;
};

bool report(const char* command, const std::vector<double>& times) {
    if (times.empty()) {
        std::printf("  %-36s no result window was shown\n", command);
        return false;
    }
    constexpr double kOneFrameMilliseconds = 16.0;
    const double median = bench::median(times);
    std::printf("  %-36s median %6.2f ms, first %6.2f ms (target at most %.0f ms): %s\n", command,
                median, times.front(), kOneFrameMilliseconds,
                bench::verdict(median, kOneFrameMilliseconds));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication qtApplication(argc, argv);
    ui::useProgramFont(qtApplication);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 200;

    ReadingBench bench(std::max(clicks, 1));
    if (!bench.start()) {
        std::fprintf(stderr, "reading_bench: the program did not start\n");
        return 1;
    }
    const std::vector<double> proceed = bench.proceed();
    const std::vector<double> open = bench.open();
    std::printf("A reading shown, from the click to the painted result window, Qt platform "
                "\"%s\", %d clicks each\n",
                qPrintable(QGuiApplication::platformName()), clicks);
    const bool shown = report("Find Our Feng Shui Compatibility", proceed) &&
                       report("Open Previously Saved Reading", open);
    return shown ? 0 : 1;
}
