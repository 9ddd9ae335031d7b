// The program's start-up, exactly as shell/main.cpp runs it, ending as soon as the input window
// has been painted for the first time. Keep the two in step.

#include "assets/assets.h"
#include "bench/gui/first_paint.h"
#include "platform/qt_desktop.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "translations/translations.h"
#include "ui/common/program_style.h"
#include "ui/input/frm_main.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    const bench::FirstPaintWatch watch(bench::isWindowOf<ui::frmMain>, bench::announcePaintAndQuit);
    translations::installFor(qtApplication);
    ui::useProgramLook(qtApplication);
    QApplication::setWindowIcon(assets::programIcon());

    shell::Application application(
        std::make_unique<platform::QtDesktop>(QCoreApplication::applicationFilePath()));
    if (!application.StartUp(shell::parseCommandLine(QCoreApplication::arguments()))) {
        return 1; // another copy holds the lock: nothing was measured
    }
    return QApplication::exec();
}
