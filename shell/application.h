#pragma once

#include "engine/couple_reading.h"
#include "shell/command_line.h"
#include "storage/reading_file.h"
#include "ui/common/reading_file_io.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace platform {
class Desktop;
}

namespace ui {
class frmMain;
class frmFengShuiCompatibilityResult;
class frmHomePlan;
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

    // Runs once before any window is visible. False when this copy must end at once: the
    // command line asked only for help or the version or was refused, or another copy is
    // running (and has taken the file, if one was given). exitStatus() is then the process's.
    bool StartUp(const CommandLine& commandLine = {});
    int exitStatus() const { return exitStatus_; }

    // Where a saved reading's name comes from. The Open dialog has always wanted a name ending
    // in "fsc" exactly; from outside the program, a name ends in ".fsc" in any case.
    enum class FileOrigin { OpenDialog, Outside };

    // Opens a saved reading, whatever brings the file: the input window's Open, the command
    // line, a drop. A reading replaces the working window with its result window; anything
    // else gets "Please Check The File." and changes nothing.
    bool openReading(const QString& path, FileOrigin origin);

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
    void showResultWindow();
    void goBack(ui::frmFengShuiCompatibilityResult* result);
    // The plan of the couple's home, opened once and brought to the front after.
    void showPlanWindow();
    bool refuseSecondCopy(const CommandLine& commandLine);
    ui::ReadingFileRead readReading(const QString& path, FileOrigin origin) const;
    // Says why a file was not opened: it is no reading, or it did not arrive in time.
    void refuseFile(const ui::ReadingFileRead& read, QWidget* parent);
    void showReading(const storage::SavedKuaNumbers& numbers);
    std::function<void()> takeHandedOverReading(const QByteArray& reading);
    void showHandedOverReading();

    std::unique_ptr<platform::Desktop> desktop_;
    engine::CoupleReading reading_;
    std::vector<QPointer<QWidget>> windows_;
    QPointer<frmExit> exitScreen_;
    QPointer<ui::frmHomePlan> planWindow_;
    // The input or the result window, whichever is up; none while the exit screen is.
    QPointer<QWidget> workingWindow_;
    // A reading handed over, shown from the event loop once no question is open (only the
    // latest one waits).
    std::optional<storage::SavedKuaNumbers> handedOverReading_;
    QTimer handedOverTimer_;
    bool started_ = false;
    bool swapping_ = false;
    bool ending_ = false;
    int exitStatus_ = 0;
};

} // namespace shell
