#include "assets/assets.h"
#include "platform/qt_desktop.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "translations/translations.h"
#include "ui/common/program_style.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(FSC_VERSION));
    translations::installFor(qtApplication);
    ui::useProgramLook(qtApplication);
    QApplication::setWindowIcon(assets::programIcon());

    shell::Application application(
        std::make_unique<platform::QtDesktop>(QCoreApplication::applicationFilePath()));
    if (!application.StartUp(shell::parseCommandLine(QCoreApplication::arguments()))) {
        return application.exitStatus();
    }
    return QApplication::exec();
}
