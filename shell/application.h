#pragma once

#include "engine/couple_reading.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace platform {
class Desktop;
}

namespace ui {
class frmMain;
class frmFengShuiCompatibilityResult;
} // namespace ui

namespace shell {

class frmExit;

// The program as a whole: the one reading, the operating-system services, the loaded windows
// and every move between them. Windows only report what happened; what is shown next is
// decided here.
class Application : public QObject {
    Q_OBJECT

public:
    explicit Application(std::unique_ptr<platform::Desktop> desktop);
    ~Application() override;

    // Runs once before any window is visible. False when this copy must end at once because
    // another one is running.
    bool StartUp();

    // Unloads every loaded window and ends the event loop. Safe to call again while it runs.
    void ExitProgram();

    // Runs a swap of the working windows (proceed, open, back): a window that it closes does
    // not bring up the exit screen.
    void swapWindows(const std::function<void()>& swap);

    // A fresh input window, loaded and shown.
    ui::frmMain* showInputWindow();
    void showExitScreen();
    void hideExitScreen();

    engine::CoupleReading& reading() { return reading_; }
    platform::Desktop& desktop() { return *desktop_; }

    // The loaded windows, in the order they were loaded.
    std::vector<QWidget*> loadedWindows() const;
    bool hasEnded() const { return ending_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load(QWidget* window);
    void onWorkingWindowClosed();
    void showResultWindow(ui::frmMain* input);
    void goBack(ui::frmFengShuiCompatibilityResult* result);

    std::unique_ptr<platform::Desktop> desktop_;
    engine::CoupleReading reading_;
    std::vector<QPointer<QWidget>> windows_;
    QPointer<frmExit> exitScreen_;
    bool swapping_ = false;
    bool ending_ = false;
};

} // namespace shell
