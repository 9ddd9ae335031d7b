#include "shell/application.h"

#include "platform/clock_seed.h"
#include "platform/desktop.h"
#include "shell/exit_screen.h"
#include "shell/update_reminder.h"
#include "ui/input/frm_main.h"
#include "ui/result/frm_result.h"

#include <QApplication>
#include <QFileInfo>
#include <QScopedValueRollback>

#include <algorithm>

namespace shell {

Application::Application(std::unique_ptr<platform::Desktop> desktop)
    : desktop_(std::move(desktop)) {
    // The program ends through the exit screen only; between two windows there may be a
    // moment with none on screen.
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application() {
    for (const QPointer<QWidget>& window : windows_) {
        delete window.data();
    }
}

bool Application::StartUp() {
    if (!desktop_->claimSingleInstance()) {
        desktop_->showMessage(nullptr, tr("Application is already running"),
                              platform::MessageIcon::Information);
        ExitProgram();
        return false;
    }
    platform::seedRandomFromClock(*desktop_);
    // Settings belong to the program by the name of its executable, as they always have.
    RemindOfUpdate(*desktop_,
                   QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    showInputWindow()->CoBrand_Randomize();
    return true;
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
    connect(window, &ui::frmMain::readingReady, this, [this, window] { showResultWindow(window); });
    load(window);
    window->show();
    return window;
}

// The reading is in the record; a new result window shows it and takes the input window's
// place. Swapping never brings up the exit screen, and one that was up goes away.
void Application::showResultWindow(ui::frmMain* input) {
    swapWindows([this, input] {
        auto* result = new ui::frmFengShuiCompatibilityResult(reading_, *desktop_);
        connect(result, &ui::frmFengShuiCompatibilityResult::closed, this,
                &Application::onWorkingWindowClosed);
        connect(result, &ui::frmFengShuiCompatibilityResult::backRequested, this,
                [this, result] { goBack(result); });
        load(result);
        result->show();
        input->close();
    });
    hideExitScreen();
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
    }
    return QObject::eventFilter(watched, event);
}

void Application::onWorkingWindowClosed() {
    if (!swapping_ && !ending_) {
        showExitScreen();
    }
}

} // namespace shell
