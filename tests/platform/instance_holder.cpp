// Claims the single-instance lock for the program path it is given, says whether it got it,
// and then holds it until its input is closed, which ends it in order on every system, or
// until it is killed. Meanwhile it says which reading each later copy hands over, and which of
// them it shows. Given a reading as well (in hexadecimal), a copy that finds the claim taken hands
// it over and says what became of it, as a later copy of the program does.

#include "platform/qt_desktop.h"

#include <QCoreApplication>

#include <cstdio>
#include <thread>

namespace {

const char* said(platform::Handover handover) {
    switch (handover) {
    case platform::Handover::Taken:
        return "taken";
    case platform::Handover::Refused:
        return "refused";
    case platform::Handover::NoAnswer:
        break;
    }
    return "no answer";
}

// A reading is said in hexadecimal: its bytes hold line breaks.
void say(const char* what, const QByteArray& reading = {}) {
    std::printf("%s%s%s\n", what, reading.isEmpty() ? "" : " ", reading.toHex().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        return 2;
    }
    platform::QtDesktop desktop(QString::fromLocal8Bit(argv[1]));
    const bool claimed =
        desktop.claimSingleInstance([](const QByteArray& reading) -> std::function<void()> {
            say("received", reading);
            return [reading] { say("shown", reading); };
        });
    if (!claimed && argc > 2) {
        say(said(desktop.handOverReading(QByteArray::fromHex(argv[2]))));
        return 0;
    }
    say(claimed ? "claimed" : "refused");
    // Input closed ends it; the event loop runs meanwhile, so that handed-over readings arrive.
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
