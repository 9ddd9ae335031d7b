// Claims the single-instance lock for the program path it is given, says whether it got it,
// and then holds it until its input is closed, which ends it in order on every system, or
// until it is killed. Meanwhile it says which file each later copy hands over.

#include "platform/qt_desktop.h"

#include <QCoreApplication>

#include <cstdio>
#include <thread>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        return 2;
    }
    platform::QtDesktop desktop(QString::fromLocal8Bit(argv[1]));
    const bool claimed = desktop.claimSingleInstance([](const QString& path) {
        std::printf("received %s\n", path.toUtf8().constData());
        std::fflush(stdout);
        return true;
    });
    std::puts(claimed ? "claimed" : "refused");
    std::fflush(stdout);
    // Input closed ends it; the event loop runs meanwhile, so that handed-over files arrive.
    std::thread input([] {
        while (std::getchar() != EOF) {
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
    });
    const int status = QCoreApplication::exec();
    input.join();
    return status;
}
