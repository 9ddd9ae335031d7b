// The program from start to end: start-up order, the refused second copy, the exit screen
// that closing the input window leaves behind, and an end that leaves no window and no lock.

#include "platform/qt_desktop.h"
#include "shell/application.h"
#include "shell/exit_screen.h"
#include "tests/support/fake_desktop.h"
#include "ui/input/frm_main.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

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

    // A clean store: the reminder stores today and asks nothing, before the window shows.
    QCOMPARE(desktop_->calls, QStringList({"claimSingleInstance", "now", "seedRandom",
                                           "readSetting", "now", "writeSetting", "random"}));
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
        QVERIFY(!platform::QtDesktop(program).claimSingleInstance());
        running.ExitProgram();
    }
    flushDeletes();
    QVERIFY(!QFile::exists(lock));
    QVERIFY(visibleWindows().empty());
}

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
