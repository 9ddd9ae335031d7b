// Claims the single-instance lock for the program path it is given, says whether it got it,
// and then holds it until its input is closed, which ends it in order on every system, or
// until it is killed.

#include "platform/qt_desktop.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        return 2;
    }
    platform::QtDesktop desktop(QString::fromLocal8Bit(argv[1]));
    std::puts(desktop.claimSingleInstance() ? "claimed" : "refused");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
