// The yardstick for start-up: the least a Qt Widgets program can show, a main window with a
// label, ending as soon as it has been painted for the first time.

#include "bench/gui/first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    const bench::FirstPaintWatch watch(bench::isWindowOf<QMainWindow>, bench::announcePaintAndQuit);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.show();
    return QApplication::exec();
}
