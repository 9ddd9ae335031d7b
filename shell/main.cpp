#include "platform/qt_desktop.h"
#include "shell/application.h"
#include "shell/program_picture.h"
#include "ui/common/widgets.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    ui::useProgramFont(qtApplication);
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(shell::kProgramIconResource)));

    shell::Application application(
        std::make_unique<platform::QtDesktop>(QCoreApplication::applicationFilePath()));
    if (!application.StartUp()) {
        return 0;
    }
    return QApplication::exec();
}
