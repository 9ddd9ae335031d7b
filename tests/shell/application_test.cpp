// The program from start to end: start-up order, the command line, the refused second copy and
// the file it hands to the running one, the exit screen that closing the input window leaves
// behind, and an end that leaves no window and no lock.

#include "platform/qt_desktop.h"
#include "shell/application.h"
#include "shell/exit_screen.h"
#include "tests/support/fake_desktop.h"
#include "ui/input/frm_main.h"
#include "ui/result/frm_result.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

class ApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpShowsTheInputWindow();
    void secondCopyIsRefused();
    void closingTheInputWindowLeavesTheExitScreen();
    void swappingWindowsDoesNotShowTheExitScreen();
    void leavingTheExitScreenEndsTheProgram_data();
    void leavingTheExitScreenEndsTheProgram();
    void endingFromAWorkingWindowShowsNothingMore();
    void endingStopsTheEventLoop();
    void endingReleasesTheInstanceLock();
    void commandLines_data();
    void commandLines();
    void aFileGoesToTheRunningCopy();

private:
    std::vector<QWidget*> visibleWindows() const;
    void flushDeletes() const {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <typename T> T* loaded() const {
        for (QWidget* window : application_->loadedWindows()) {
            if (auto* found = qobject_cast<T*>(window)) {
                return found;
            }
        }
        return nullptr;
    }

    test::FakeDesktop* desktop_ = nullptr;
    std::unique_ptr<shell::Application> application_;
};

void ApplicationTest::init() {
    auto desktop = std::make_unique<test::FakeDesktop>();
    desktop_ = desktop.get();
    application_ = std::make_unique<shell::Application>(std::move(desktop));
}

void ApplicationTest::cleanup() {
    application_.reset();
    flushDeletes();
    QVERIFY(visibleWindows().empty());
}

std::vector<QWidget*> ApplicationTest::visibleWindows() const {
    std::vector<QWidget*> visible;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            visible.push_back(window);
        }
    }
    return visible;
}

void ApplicationTest::startUpShowsTheInputWindow() {
    desktop_->randomValues = {0.5}; // 4: the full-brand offer in front
    QVERIFY(application_->StartUp());

    // A clean store: the reminder stores today and asks nothing, before the window shows; the
    // window reads where the year starts.
    QCOMPARE(desktop_->calls,
             QStringList({"claimSingleInstance", "now", "seedRandom", "readSetting", "now",
                          "writeSetting", "readSetting", "random"}));
    QCOMPARE(desktop_->seeds.size(), std::size_t{1});
    auto* input = loaded<ui::frmMain>();
    QVERIFY(input);
    QCOMPARE(application_->loadedWindows().size(), std::size_t{1});
    QVERIFY(input->isVisible());
    QVERIFY(input->findChild<QWidget*>(QStringLiteral("lblFullBrand"))->isVisible());
    QVERIFY(!input->findChild<QWidget*>(QStringLiteral("lblCobrand"))->isVisible());
    QVERIFY(!application_->hasEnded());
}

void ApplicationTest::secondCopyIsRefused() {
    desktop_->anotherCopyRunning = true;
    QVERIFY(!application_->StartUp());

    QCOMPARE(desktop_->messageTexts(), QStringList{"Application is already running"});
    QCOMPARE(desktop_->messages.front().icon, platform::MessageIcon::Information);
    QCOMPARE(desktop_->messages.front().buttons, platform::MessageButtons::Ok);
    // Nothing else happens in the refused copy: no draw, no reminder, no setting, no window.
    QCOMPARE(desktop_->calls, QStringList({"claimSingleInstance", "showMessage"}));
    QVERIFY(application_->loadedWindows().empty());
    QVERIFY(application_->hasEnded());
    QVERIFY(visibleWindows().empty());
}

void ApplicationTest::closingTheInputWindowLeavesTheExitScreen() {
    QVERIFY(application_->StartUp());
    QVERIFY(loaded<ui::frmMain>()->close());
    flushDeletes();

    auto* exitScreen = loaded<shell::frmExit>();
    QVERIFY(exitScreen);
    QVERIFY(exitScreen->isVisible());
    QVERIFY(exitScreen->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(exitScreen->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(application_->loadedWindows().size(), std::size_t{1});
    QCOMPARE(visibleWindows(), std::vector<QWidget*>{exitScreen});
    QVERIFY(!application_->hasEnded());

    // Showing it again is harmless: still the one exit screen.
    application_->showExitScreen();
    QCOMPARE(loaded<shell::frmExit>(), exitScreen);
}

void ApplicationTest::swappingWindowsDoesNotShowTheExitScreen() {
    QVERIFY(application_->StartUp());
    application_->swapWindows([this] {
        loaded<ui::frmMain>()->close();
        application_->showInputWindow();
    });
    flushDeletes();
    QVERIFY(!loaded<shell::frmExit>());
    QCOMPARE(visibleWindows().size(), std::size_t{1});
    // Outside a swap, closing brings the exit screen up again.
    loaded<ui::frmMain>()->close();
    QVERIFY(loaded<shell::frmExit>());
}

void ApplicationTest::leavingTheExitScreenEndsTheProgram_data() {
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("E&xit") << true;
    QTest::newRow("any other unload") << false;
}

void ApplicationTest::leavingTheExitScreenEndsTheProgram() {
    QFETCH(bool, byExitButton);

    QVERIFY(application_->StartUp());
    loaded<ui::frmMain>()->close();
    auto* exitScreen = loaded<shell::frmExit>();
    if (byExitButton) {
        auto* exit = exitScreen->findChild<QPushButton*>(QStringLiteral("cmdClose"));
        QCOMPARE(exit->text(), QStringLiteral("E&xit"));
        QTest::mouseClick(exit, Qt::LeftButton);
    } else {
        exitScreen->close();
    }
    QVERIFY(application_->hasEnded());
    QVERIFY(application_->loadedWindows().empty());
    flushDeletes();
    QVERIFY(visibleWindows().empty());
}

void ApplicationTest::endingFromAWorkingWindowShowsNothingMore() {
    QVERIFY(application_->StartUp());
    application_->ExitProgram();
    QVERIFY(application_->hasEnded());
    // The input window's unload ran, but the exit screen was not brought up by it.
    QVERIFY(!loaded<shell::frmExit>());
    flushDeletes();
    QVERIFY(visibleWindows().empty());
    application_->showExitScreen();
    QVERIFY(visibleWindows().empty());
}

void ApplicationTest::endingStopsTheEventLoop() {
    QVERIFY(application_->StartUp());
    bool gaveUp = false;
    QTimer::singleShot(0, this, [this] {
        loaded<ui::frmMain>()->close();
        QTest::mouseClick(loaded<shell::frmExit>()->findChild<QPushButton*>("cmdClose"),
                          Qt::LeftButton);
    });
    QTimer::singleShot(5000, this, [&gaveUp] {
        gaveUp = true;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!gaveUp);
    QVERIFY(visibleWindows().empty());
}

void ApplicationTest::endingReleasesTheInstanceLock() {
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("program"));
    const QString lock = platform::instanceLockPath(program);
    {
        shell::Application running(std::make_unique<platform::QtDesktop>(program));
        QVERIFY(running.StartUp());
        QVERIFY(QFile::exists(lock));
        QVERIFY(!platform::QtDesktop(program).claimSingleInstance({}));
        running.ExitProgram();
    }
    flushDeletes();
    QVERIFY(platform::QtDesktop(program).claimSingleInstance({}));
    QVERIFY(visibleWindows().empty());
}

// What a start with these arguments must do. Files are named inside a scratch folder: "good.fsc"
// holds a reading (user 3, partner 7), as do its copies "CAPS.FSC" and "good.txt"; "bad.fsc"
// holds none, and "folder.fsc" is a folder.
void ApplicationTest::commandLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("anotherCopyRunning");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QString>("window"); // "input", "result" or "" for none
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("console");           // what must be in the output, "!" before errors
    QTest::addColumn<QByteArrayList>("handedOver"); // the readings given to the running copy

    const QStringList none;
    const QByteArrayList nothing;
    const QByteArrayList reading{QByteArray("\x88\r\n\x8C\r\n")};
    const QString fileCheck = QStringLiteral("Please Check The File.");
    const QString running = QStringLiteral("Application is already running");
    QTest::newRow("none") << none << false << true << 0 << "input" << none << "" << nothing;
    QTest::newRow("a good file") << QStringList{"good.fsc"} << false << true << 0 << "result"
                                 << none << "" << nothing;
    QTest::newRow("a good file, its extension in capitals")
        << QStringList{"CAPS.FSC"} << false << true << 0 << "result" << none << "" << nothing;
    QTest::newRow("a bad file") << QStringList{"bad.fsc"} << false << true << 0 << "input"
                                << QStringList{fileCheck} << "" << nothing;
    QTest::newRow("a folder") << QStringList{"folder.fsc"} << false << true << 0 << "input"
                              << QStringList{fileCheck} << "" << nothing;
    QTest::newRow("a missing file") << QStringList{"missing.fsc"} << false << true << 0 << "input"
                                    << QStringList{fileCheck} << "" << nothing;
    QTest::newRow("not a saved reading's name")
        << QStringList{"good.txt"} << false << true << 0 << "input" << QStringList{fileCheck} << ""
        << nothing;
    QTest::newRow("two files: the first opens")
        << QStringList{"good.fsc", "bad.fsc"} << false << true << 0 << "result" << none
        << "!ignored: bad.fsc" << nothing;
    QTest::newRow("--help") << QStringList{"--help"} << false << false << 0 << "" << none
                            << "[FILE]" << nothing;
    QTest::newRow("--version") << QStringList{"--version"} << false << false << 0 << "" << none
                               << "fengshui-compatibility " << nothing;
    QTest::newRow("--help-all, which help does not list")
        << QStringList{"--help-all"} << false << false << 2 << "" << none
        << "!Unknown option 'help-all'" << nothing;
    QTest::newRow("an unknown option") << QStringList{"--colour=red"} << false << false << 2 << ""
                                       << none << "!Unknown option 'colour'" << nothing;
    QTest::newRow("no file, another copy running")
        << none << true << false << 0 << "" << QStringList{running} << "" << nothing;
    QTest::newRow("a file, another copy running: its reading handed over")
        << QStringList{"good.fsc"} << true << false << 0 << "" << none << "" << reading;
    QTest::newRow("a bad file, another copy running: said here, nothing handed over")
        << QStringList{"bad.fsc"} << true << false << 1 << "" << QStringList{fileCheck} << ""
        << nothing;
    QTest::newRow("a missing file, another copy running: said here")
        << QStringList{"missing.fsc"} << true << false << 1 << "" << QStringList{fileCheck} << ""
        << nothing;
    QTest::newRow("a file, another copy running that does not answer")
        << QStringList{"mute.fsc"} << true << false << 0 << "" << QStringList{running} << ""
        << reading;
    QTest::newRow("not a saved reading's name, another copy running: said here")
        << QStringList{"good.txt"} << true << false << 1 << "" << QStringList{fileCheck} << ""
        << nothing;
#ifndef Q_OS_WIN
    QTest::newRow("a named pipe, another copy running: said here at once")
        << QStringList{"pipe.fsc"} << true << false << 1 << "" << QStringList{fileCheck} << ""
        << nothing;
    QTest::newRow("a link to a reading, another copy running: its reading handed over")
        << QStringList{"link.fsc"} << true << false << 0 << "" << none << "" << reading;
    QTest::newRow("a name with a line break, another copy running: its reading handed over")
        << QStringList{"line\nbreak.fsc"} << true << false << 0 << "" << none << "" << reading;
#endif
    QTest::newRow("a file the running copy refuses: said here")
        << QStringList{"refused.fsc"} << true << false << 1 << "" << QStringList{fileCheck} << ""
        << reading;
}

void ApplicationTest::commandLines() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, anotherCopyRunning);
    QFETCH(bool, runs);
    QFETCH(int, exitStatus);
    QFETCH(QString, window);
    QFETCH(QStringList, messages);
    QFETCH(QString, console);
    QFETCH(QByteArrayList, handedOver);

    QTemporaryDir folder;
    QFile good(folder.filePath(QStringLiteral("good.fsc")));
    QVERIFY(good.open(QIODevice::WriteOnly) && good.write("\x88\r\n\x8C\r\n") == 6);
    good.close();
    QVERIFY(good.copy(folder.filePath(QStringLiteral("CAPS.FSC"))));
    QVERIFY(good.copy(folder.filePath(QStringLiteral("good.txt"))));
    QVERIFY(good.copy(folder.filePath(QStringLiteral("mute.fsc"))));
    QVERIFY(good.copy(folder.filePath(QStringLiteral("refused.fsc"))));
    QFile bad(folder.filePath(QStringLiteral("bad.fsc")));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("hello\r\n") == 7);
    bad.close();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.fsc")));
#ifndef Q_OS_WIN
    QCOMPARE(
        ::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe.fsc"))).constData(), 0600),
        0);
    QVERIFY(QFile::link(good.fileName(), folder.filePath(QStringLiteral("link.fsc"))));
    QVERIFY(good.copy(folder.filePath(QStringLiteral("line\nbreak.fsc"))));
#endif
    // Files are named relative to the folder, as from a terminal in it.
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    desktop_->anotherCopyRunning = anotherCopyRunning;
    // The running copy, as the fake plays it, takes a reading, refuses the one it is told to
    // and says nothing to a mute one.
    const QString given = arguments.value(0);
    desktop_->runningCopyAnswers =
        given == QLatin1String("refused.fsc") ? platform::Handover::Refused
        : given == QLatin1String("mute.fsc")  ? platform::Handover::NoAnswer
                                              : platform::Handover::Taken;

    const bool started = application_->StartUp(
        shell::parseCommandLine(QStringList{QStringLiteral("fengshui-compatibility")} + arguments));
    QDir::setCurrent(before);
    flushDeletes();

    QCOMPARE(started, runs);
    QCOMPARE(application_->exitStatus(), exitStatus);
    QCOMPARE(desktop_->messageTexts(), messages);
    const bool toErrors = console.startsWith(QLatin1Char('!'));
    const QString expected = toErrors ? console.mid(1) : console;
    QVERIFY2((toErrors ? desktop_->consoleErrors : desktop_->consoleOutput).contains(expected),
             qPrintable(desktop_->consoleOutput + desktop_->consoleErrors));
    if (console.isEmpty()) {
        QVERIFY(desktop_->consoleOutput.isEmpty() && desktop_->consoleErrors.isEmpty());
    }
    QCOMPARE(desktop_->handedOverReadings, handedOver);

    const std::vector<QWidget*> shown = visibleWindows();
    if (window.isEmpty()) {
        QVERIFY(shown.empty());
        QVERIFY(application_->hasEnded());
        return;
    }
    QCOMPARE(shown.size(), std::size_t{1});
    if (window == QLatin1String("result")) {
        QVERIFY(qobject_cast<ui::frmFengShuiCompatibilityResult*>(shown.front()));
        QCOMPARE(application_->reading().Self.KuaNumber, std::int16_t{3});
        QCOMPARE(application_->reading().Partner.KuaNumber, std::int16_t{7});
    } else {
        QVERIFY(qobject_cast<ui::frmMain*>(shown.front()));
    }
}

// Two real processes: a running copy (the instance holder, claiming for the program's own
// path) and the program started again with a file. The second reads the file, hands its reading
// over and ends quietly; the first receives the reading and shows it once the second has heard
// that it was taken.
void ApplicationTest::aFileGoesToTheRunningCopy() {
    QTemporaryDir folder;
    QFile other(folder.filePath(QStringLiteral("other.fsc")));
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write("\x88\r\n\x8C\r\n") == 6);
    other.close();
    // Both in a runtime folder of their own, as a desktop session gives each user.
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    // The program looks for its plugins beside itself, where they are deployed; in the build
    // they are Qt's own.
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"),
                       QLibraryInfo::path(QLibraryInfo::PluginsPath));
    QProcess running;
    running.setProcessEnvironment(environment);
    running.start(QStringLiteral(INSTANCE_HOLDER), {QStringLiteral(PROGRAM)});
    QVERIFY(running.waitForReadyRead(10000));
    QCOMPARE(running.readLine().trimmed(), QByteArray("claimed"));

    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(folder.path());
    second.start(QStringLiteral(PROGRAM), {QStringLiteral("other.fsc")});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QCOMPARE(second.readAllStandardError(), QByteArray());

    for (const QByteArray said : {"received 880d0a8c0d0a", "shown 880d0a8c0d0a"}) {
        QVERIFY(running.canReadLine() || running.waitForReadyRead(10000));
        QCOMPARE(running.readLine().trimmed(), said);
    }
    running.closeWriteChannel();
    QVERIFY(running.waitForFinished(10000));
}

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
