#include "shell/application.h"

#include "engine/complete_reading.h"
#include "platform/clock_seed.h"
#include "platform/desktop.h"
#include "shell/exit_screen.h"
#include "shell/update_reminder.h"
#include "ui/common/program_settings.h"
#include "ui/common/reading_file_io.h"
#include "ui/input/frm_main.h"
#include "ui/plan/frm_home_plan.h"
#include "ui/result/frm_result.h"

#include <QApplication>
#include <QFileInfo>
#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace shell {
namespace {

// How often a reading handed over during a question looks again whether it has been answered.
constexpr int kHandedOverRetryMs = 200;

void bringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

} // namespace

Application::Application(std::unique_ptr<platform::Desktop> desktop)
    : desktop_(std::move(desktop)) {
    // The program ends through the exit screen only; between two windows there may be a
    // moment with none on screen.
    QApplication::setQuitOnLastWindowClosed(false);
    handedOverTimer_.setSingleShot(true);
    connect(&handedOverTimer_, &QTimer::timeout, this, &Application::showHandedOverReading);
}

Application::~Application() {
    for (const QPointer<QWidget>& window : windows_) {
        delete window.data();
    }
}

bool Application::StartUp(const CommandLine& commandLine) {
    if (commandLine.action != CommandLine::Action::Run) {
        const bool refused = commandLine.action == CommandLine::Action::Refuse;
        desktop_->writeToConsole(commandLine.text, refused ? platform::ConsoleStream::Error
                                                           : platform::ConsoleStream::Output);
        exitStatus_ = refused ? kUsageErrorStatus : 0;
        ExitProgram();
        return false;
    }
    if (!commandLine.ignored.isEmpty()) {
        desktop_->writeToConsole(commandLine.text, platform::ConsoleStream::Error);
    }
    if (!desktop_->claimSingleInstance(
            [this](const QByteArray& reading) { return takeHandedOverReading(reading); })) {
        return refuseSecondCopy(commandLine);
    }
    platform::seedRandomFromClock(*desktop_);
    // Settings belong to the program by the name of its executable, as they always have.
    RemindOfUpdate(*desktop_, ui::settingsApplication());
    showInputWindow()->CoBrand_Randomize();
    started_ = true;
    if (!commandLine.file.isEmpty()) {
        openReading(commandLine.file, FileOrigin::Outside);
    }
    return true;
}

// A second copy with a file reads it itself: a file on a disk that does not answer then holds
// up only the copy that was started for it. A reading goes to the running copy, and this copy
// ends without a word; anything else is no reading, said here. Without a file, or when the
// running copy does not answer in time, it says that the program is running.
bool Application::refuseSecondCopy(const CommandLine& commandLine) {
    ui::ReadingFileRead read{.outcome = ui::ReadingFileRead::Outcome::Reading, .numbers = {}};
    platform::Handover handover = platform::Handover::NoAnswer;
    if (!commandLine.file.isEmpty()) {
        read = readReading(commandLine.file, FileOrigin::Outside);
        handover = read.outcome == ui::ReadingFileRead::Outcome::Reading
                       ? desktop_->handOverReading(
                             QByteArray::fromStdString(storage::EncodeReadingFile(read.numbers)))
                       : platform::Handover::Refused;
    }
    if (handover == platform::Handover::Refused) {
        refuseFile(read, nullptr);
        exitStatus_ = kFileRefusedStatus;
    } else if (handover == platform::Handover::NoAnswer) {
        desktop_->showMessage(nullptr, tr("Application is already running"),
                              platform::MessageIcon::Information);
    }
    ExitProgram();
    return false;
}

ui::ReadingFileRead Application::readReading(const QString& path, FileOrigin origin) const {
    const bool named = origin == FileOrigin::OpenDialog ? path.endsWith(QLatin1String("fsc"))
                                                        : ui::hasReadingFileSuffix(path);
    return named ? ui::readReadingFile(*desktop_, path) : ui::ReadingFileRead{};
}

bool Application::openReading(const QString& path, FileOrigin origin) {
    // A file that is not a saved reading changes nothing: showing the previous reading as if
    // it came from the file would mislead. Neither does one that is late: the user has been
    // told, and a window replaced later out of the blue would mislead as much.
    const ui::ReadingFileRead read = readReading(path, origin);
    // The program may have been ended while the file was on its way.
    if (ending_) {
        return false;
    }
    if (read.outcome != ui::ReadingFileRead::Outcome::Reading) {
        refuseFile(read, workingWindow_);
        return false;
    }
    showReading(read.numbers);
    return true;
}

void Application::refuseFile(const ui::ReadingFileRead& read, QWidget* parent) {
    desktop_->showMessage(parent,
                          read.outcome == ui::ReadingFileRead::Outcome::TooLate
                              ? tr("The file did not arrive in time. Please try again later.")
                              : tr("Please Check The File."),
                          platform::MessageIcon::Critical);
}

void Application::showReading(const storage::SavedKuaNumbers& numbers) {
    reading_.Self.KuaNumber = numbers.Self;
    reading_.Partner.KuaNumber = numbers.Partner;
    reading_.CountedBy.reset(); // the file brings no birth dates to count
    engine::CompleteReading(reading_);
    showResultWindow();
}

// A later copy's reading: checked now, so that the later copy can say whether it was one; shown
// from the event loop once the later copy has heard the answer, since showing replaces windows
// and the connection is still being served.
std::function<void()> Application::takeHandedOverReading(const QByteArray& reading) {
    const std::optional<storage::SavedKuaNumbers> numbers = storage::DecodeReadingFile(
        std::string_view(reading.constData(), static_cast<std::size_t>(reading.size())));
    if (ending_ || !numbers) {
        return {};
    }
    return [this, numbers] {
        handedOverReading_ = numbers;
        handedOverTimer_.start(0);
    };
}

// A window that has a question open must not close under it, so the reading waits until the
// question is answered.
void Application::showHandedOverReading() {
    if (ending_ || !handedOverReading_) {
        return;
    }
    if (!started_ || QApplication::activeModalWidget()) {
        handedOverTimer_.start(kHandedOverRetryMs);
        return;
    }
    showReading(*std::exchange(handedOverReading_, std::nullopt));
    if (workingWindow_) {
        bringToFront(workingWindow_);
    }
}

void Application::ExitProgram() {
    // Closing the exit screen asks for the end again; the first request does the work.
    if (ending_) {
        return;
    }
    ending_ = true;
    const std::vector<QPointer<QWidget>> loaded = windows_;
    for (const QPointer<QWidget>& window : loaded) {
        if (window) {
            window->close();
        }
    }
    QCoreApplication::exit(0);
}

void Application::swapWindows(const std::function<void()>& swap) {
    const QScopedValueRollback<bool> guard(swapping_, true);
    swap();
}

ui::frmMain* Application::showInputWindow() {
    auto* window = new ui::frmMain(reading_, *desktop_);
    connect(window, &ui::frmMain::closed, this, &Application::onWorkingWindowClosed);
    connect(window, &ui::frmMain::readingReady, this, &Application::showResultWindow);
    connect(window, &ui::frmMain::readingFileChosen, this,
            [this](const QString& path) { openReading(path, FileOrigin::OpenDialog); });
    connect(window, &ui::frmMain::readingFileDropped, this,
            [this](const QString& path) { openReading(path, FileOrigin::Outside); });
    load(window);
    window->show();
    workingWindow_ = window;
    return window;
}

// The reading is in the record; a new result window shows it and takes the working window's
// place. Swapping never brings up the exit screen, and one that was up goes away.
void Application::showResultWindow() {
    swapWindows([this] {
        QPointer<QWidget> previous = workingWindow_;
        auto* result = new ui::frmFengShuiCompatibilityResult(reading_, *desktop_);
        connect(result, &ui::frmFengShuiCompatibilityResult::closed, this,
                &Application::onWorkingWindowClosed);
        connect(result, &ui::frmFengShuiCompatibilityResult::backRequested, this,
                [this, result] { goBack(result); });
        connect(result, &ui::frmFengShuiCompatibilityResult::readingFileDropped, this,
                [this](const QString& path) { openReading(path, FileOrigin::Outside); });
        connect(result, &ui::frmFengShuiCompatibilityResult::planRequested, this,
                &Application::showPlanWindow);
        connect(result, &ui::frmFengShuiCompatibilityResult::homeChanged, this, [this] {
            if (planWindow_) {
                planWindow_->homeChanged();
            }
        });
        // The plan shows this reading's couple: it goes with the window that shows them.
        connect(result, &ui::frmFengShuiCompatibilityResult::closed, this, [this] {
            if (planWindow_) {
                planWindow_->close();
            }
        });
        load(result);
        result->show();
        workingWindow_ = result;
        if (previous) {
            previous->close();
        }
    });
    hideExitScreen();
}

void Application::showPlanWindow() {
    if (!planWindow_) {
        planWindow_ = new ui::frmHomePlan(reading_, *desktop_);
        load(planWindow_);
    }
    planWindow_->show();
    planWindow_->raise();
    planWindow_->activateWindow();
}

void Application::goBack(ui::frmFengShuiCompatibilityResult* result) {
    swapWindows([this, result] {
        showInputWindow();
        result->close();
    });
    hideExitScreen();
}

void Application::showExitScreen() {
    if (ending_) {
        return;
    }
    if (!exitScreen_) {
        exitScreen_ = new frmExit(*desktop_);
        connect(exitScreen_, &frmExit::exitRequested, this, &Application::ExitProgram);
        load(exitScreen_);
    }
    exitScreen_->show();
}

void Application::hideExitScreen() {
    if (exitScreen_) {
        exitScreen_->hide();
    }
}

std::vector<QWidget*> Application::loadedWindows() const {
    std::vector<QWidget*> loaded;
    for (const QPointer<QWidget>& window : windows_) {
        if (window) {
            loaded.push_back(window);
        }
    }
    return loaded;
}

void Application::load(QWidget* window) {
    windows_.emplace_back(window);
    window->installEventFilter(this);
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
    // None of our windows refuses to close, so a close is an unload: the window leaves the
    // collection now, even though Qt deletes it a moment later.
    if (event->type() == QEvent::Close) {
        std::erase_if(windows_, [watched](const QPointer<QWidget>& window) {
            return window.isNull() || window == watched;
        });
        if (workingWindow_ == watched) {
            workingWindow_ = nullptr;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Application::onWorkingWindowClosed() {
    if (!swapping_ && !ending_) {
        showExitScreen();
    }
}

} // namespace shell
