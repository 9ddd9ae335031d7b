// The real Desktop, as far as it can be driven without a person: message boxes and file
// dialogs answered from a timer, the browser hand-off caught by a URL handler, the settings
// store in a scratch folder, the random numbers, and the instance lock across processes.

#include "platform/file_handover.h"
#include "platform/local_files.h"
#include "platform/qt_desktop.h"
#include "platform/whole_file.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <cmath>
#include <memory>
#include <thread>
#include <vector>

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

Q_DECLARE_METATYPE(platform::MessageIcon)
Q_DECLARE_METATYPE(platform::MessageButtons)
Q_DECLARE_METATYPE(platform::MessageAnswer)
Q_DECLARE_METATYPE(platform::Handover)

// Stands in for the browser.
class Browser : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class QtDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void messageBox_data();
    void messageBox();
    void fileDialogs_data();
    void fileDialogs();
    void printingLoadsItsModuleWhenAsked();
    void printingWithoutItsModuleSaysWhy();
    void addressHandedOnUnchanged();
    void settings();
    void unwritableSettingsReportFailure();
    void randomNumbers();
    void oneCopyPerProgram();
    void anotherProcessHoldsTheLock();
    void aKilledCopyDoesNotBlock();
    void copiesStartedTogetherEndAsOne();
    void aLockThatCannotBeMadeLetsEveryCopyRun();
    void aFullDiskKeepsTheOldFile();
    void onlyLocalRegularFilesAreRead_data();
    void onlyLocalRegularFilesAreRead();
    void theHandoverNameHoldsTheUsersSecret();
    void unreadableLocksAreTakenOver_data();
    void unreadableLocksAreTakenOver();
    void handedOverReadings_data();
    void handedOverReadings();

private:
    QString program(const char* name) const { return scratch_.filePath(QLatin1String(name)); }

    QTemporaryDir scratch_;
};

void QtDesktopTest::initTestCase() {
    QVERIFY(scratch_.isValid());
    // The settings store writes into the scratch folder, never into the user's own.
    qputenv("XDG_CONFIG_HOME", scratch_.filePath(QStringLiteral("config")).toLocal8Bit());
}

void QtDesktopTest::messageBox_data() {
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("information, OK") << MessageIcon::Information << MessageButtons::Ok
                                     << int(QMessageBox::Ok) << MessageAnswer::Ok;
    QTest::newRow("critical, OK") << MessageIcon::Critical << MessageButtons::Ok
                                  << int(QMessageBox::Ok) << MessageAnswer::Ok;
    QTest::newRow("question answered Yes") << MessageIcon::Information << MessageButtons::YesNo
                                           << int(QMessageBox::Yes) << MessageAnswer::Yes;
    QTest::newRow("question answered No") << MessageIcon::Information << MessageButtons::YesNo
                                          << int(QMessageBox::No) << MessageAnswer::No;
}

void QtDesktopTest::messageBox() {
    QFETCH(MessageIcon, icon);
    QFETCH(MessageButtons, buttons);
    QFETCH(int, press);
    QFETCH(MessageAnswer, answer);

    QString title;
    QString text;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons shownButtons;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        title = box->windowTitle();
        text = box->text();
        shownIcon = box->icon();
        shownButtons = box->standardButtons();
        QTest::mouseClick(box->button(QMessageBox::StandardButton(press)), Qt::LeftButton);
    });
    platform::QtDesktop desktop(program("messages"));
    QCOMPARE(desktop.showMessage(nullptr, QStringLiteral("Please Enter Your Name"), icon, buttons),
             answer);

    QCOMPARE(title, QStringLiteral("VA Zuvo Dada Vuvizoreduror"));
    QCOMPARE(text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(shownIcon,
             icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information);
    QCOMPARE(shownButtons, buttons == MessageButtons::Ok
                               ? QMessageBox::StandardButtons(QMessageBox::Ok)
                               : QMessageBox::Yes | QMessageBox::No);
}

void QtDesktopTest::fileDialogs_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("pick");
    QTest::newRow("open, a file picked") << false << true;
    QTest::newRow("open, cancelled") << false << false;
    QTest::newRow("save, a name typed without its suffix") << true << true;
    QTest::newRow("save, cancelled") << true << false;
}

void QtDesktopTest::fileDialogs() {
    QFETCH(bool, save);
    QFETCH(bool, pick);

    QFile existing(scratch_.filePath(QStringLiteral("reading.fsc")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    const platform::FileDialogOptions options{QStringLiteral("Open Reading"),
                                              QStringLiteral("Readings (*.fsc)"),
                                              QStringLiteral("fsc"), save, !save};
    QFileDialog* shown = nullptr;
    bool confirmsOverwrite = false;
    QFileDialog::FileMode mode = QFileDialog::Directory;
    QTimer::singleShot(0, this, [&] {
        shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!shown) {
            return;
        }
        confirmsOverwrite = !shown->testOption(QFileDialog::DontConfirmOverwrite);
        mode = shown->fileMode();
        QCOMPARE(shown->windowTitle(), options.title);
        QCOMPARE(shown->nameFilters(), QStringList{options.filter});
        QCOMPARE(shown->defaultSuffix(), options.defaultSuffix);
        if (!pick) {
            shown->reject();
            return;
        }
        shown->setDirectory(scratch_.path());
        shown->selectFile(save ? QStringLiteral("new-reading") : QStringLiteral("reading.fsc"));
        QMetaObject::invokeMethod(shown, "accept");
    });

    platform::QtDesktop desktop(program("dialogs"));
    const QString chosen =
        save ? desktop.askSaveFile(nullptr, options) : desktop.askOpenFile(nullptr, options);
    QVERIFY(shown);
    QCOMPARE(confirmsOverwrite, save);
    QCOMPARE(mode, save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString expected =
        save ? QStringLiteral("new-reading.fsc") : QStringLiteral("reading.fsc");
    QCOMPARE(chosen, pick ? scratch_.filePath(expected) : QString());
}

namespace {

// Whether Qt's print support library is loaded into this process.
bool printSupportLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
}

} // namespace

// Qt's print support is loaded from the program's module on the first print, never before.
void QtDesktopTest::printingLoadsItsModuleWhenAsked() {
    QVERIFY(!printSupportLoaded());
    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
    platform::QtDesktop desktop(QStringLiteral(FSC_PROGRAM));
    QTextDocument page(QStringLiteral("A reading"));
    const platform::PrintResult result = desktop.printDocument(nullptr, page);
    QVERIFY2(!result.failed, qPrintable(result.reason));
    QVERIFY(shown.contains(QLatin1String("PrintDialog")));
    QVERIFY(printSupportLoaded());
}

// A program installed without its printing module says why it cannot print.
void QtDesktopTest::printingWithoutItsModuleSaysWhy() {
    platform::QtDesktop desktop(program("installed-without-its-module"));
    QTextDocument page(QStringLiteral("A reading"));
    const platform::PrintResult result = desktop.printDocument(nullptr, page);
    QVERIFY(result.failed);
    QVERIFY2(result.reason.contains(QLatin1String("printing module")), qPrintable(result.reason));
    QVERIFY2(result.reason.contains(QLatin1String("fengshui-compatibility-print")),
             qPrintable(result.reason));
}

void QtDesktopTest::addressHandedOnUnchanged() {
    Browser browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    platform::QtDesktop desktop(program("browser"));
    const QString address = QStringLiteral("http://www.example.com/rire-refer-a-friend.php"
                                           "?taf1=Ann%20%26%20Co&taf3=Hi%0D%0A");
    desktop.openUrl(address);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.opened.front().toString(QUrl::FullyEncoded), address);
}

void QtDesktopTest::settings() {
    // A program name of this run's own: the Windows registry outlives the scratch folder, so
    // there the key goes again at the end.
    const QString name = QStringLiteral("TestProgram-") + QFileInfo(scratch_.path()).fileName();
#ifdef Q_OS_WIN
    const auto removeKey = qScopeGuard([&name] {
        QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings"),
                  QSettings::NativeFormat)
            .remove(name);
    });
#endif
    platform::QtDesktop desktop(program("settings"));
    QCOMPARE(desktop.readSetting(name, "Settings", "Last"), QString());
    QVERIFY(desktop.writeSetting(name, "Settings", "Last", "\u00e1\u00e2 1.5.2024"));
    // A second Desktop, as the next start of the program would have, reads it back.
    platform::QtDesktop nextStart(program("settings"));
    QCOMPARE(nextStart.readSetting(name, "Settings", "Last"),
             QStringLiteral("\u00e1\u00e2 1.5.2024"));
    QCOMPARE(nextStart.readSetting(name, "Other", "Last"), QString());
}

void QtDesktopTest::unwritableSettingsReportFailure() {
    // A folder where the store's file belongs: the write cannot reach the store.
    QVERIFY(QDir(scratch_.path()).mkpath(QStringLiteral("config/Blocked.conf")));
    platform::QtDesktop desktop(program("blocked"));
    QVERIFY(!desktop.writeSetting("Blocked", "Settings", "Last", "value"));
}

void QtDesktopTest::randomNumbers() {
    platform::QtDesktop first(program("random"));
    platform::QtDesktop second(program("random"));
    first.seedRandom(20240315);
    second.seedRandom(20240315);
    int quarters[4] = {};
    for (int draw = 0; draw < 4000; ++draw) {
        const double value = first.random();
        QVERIFY(value >= 0.0 && value < 1.0);
        QCOMPARE(second.random(), value);
        ++quarters[static_cast<int>(std::floor(4 * value))];
    }
    for (int count : quarters) {
        QVERIFY2(count > 850 && count < 1150, "each quarter is drawn about as often");
    }
    second.seedRandom(20240316);
    first.seedRandom(20240315);
    QVERIFY(first.random() != second.random());
}

void QtDesktopTest::oneCopyPerProgram() {
    {
        platform::QtDesktop running(program("one"));
        QVERIFY(running.claimSingleInstance({}));
        QVERIFY(running.claimSingleInstance({})); // asking again keeps the claim
        QVERIFY(!platform::QtDesktop(program("one")).claimSingleInstance({}));
        // Another program, started from another path, is not affected.
        QVERIFY(platform::QtDesktop(program("other")).claimSingleInstance({}));
    }
    // The lock file stays: only the system's lock on it, gone with the copy, is the claim.
    QVERIFY(QFile::exists(platform::instanceLockPath(program("one"))));
    QVERIFY(platform::QtDesktop(program("one")).claimSingleInstance({}));
}

void QtDesktopTest::anotherProcessHoldsTheLock() {
    QProcess holder;
    holder.start(QStringLiteral(INSTANCE_HOLDER), {program("shared")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("claimed"));
    QVERIFY(!platform::QtDesktop(program("shared")).claimSingleInstance({}));
    holder.closeWriteChannel(); // it ends in order
    QVERIFY(holder.waitForFinished(10000));
    // Once it is gone the program may start again.
    QVERIFY(platform::QtDesktop(program("shared")).claimSingleInstance({}));
}

void QtDesktopTest::aKilledCopyDoesNotBlock() {
    QProcess holder;
    holder.start(QStringLiteral(INSTANCE_HOLDER), {program("crashed")});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("claimed"));
    holder.kill(); // no chance to clean up, as in a crash
    QVERIFY(holder.waitForFinished(10000));
    QVERIFY(QFile::exists(platform::instanceLockPath(program("crashed"))));

    platform::QtDesktop next(program("crashed"));
    QVERIFY(next.claimSingleInstance({}));
}

// Copies started at the same moment, as a file manager starts one for each file selected: one
// runs, and every other hands its reading to it and ends.
void QtDesktopTest::copiesStartedTogetherEndAsOne() {
    constexpr int kCopies = 4;
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < kCopies; ++i) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->start(QStringLiteral(INSTANCE_HOLDER),
                             {program("together"),
                              QByteArray("reading ").append(static_cast<char>('0' + i)).toHex()});
    }
    QProcess* running = nullptr;
    for (const std::unique_ptr<QProcess>& copy : copies) {
        QVERIFY(copy->canReadLine() || copy->waitForReadyRead(20000));
        const QByteArray said = copy->readLine().trimmed();
        if (said == "claimed") {
            QVERIFY2(!running, "two copies claimed");
            running = copy.get();
        } else {
            QCOMPARE(said, QByteArray("taken"));
            QVERIFY(copy->state() == QProcess::NotRunning || copy->waitForFinished(10000));
        }
    }
    QVERIFY(running);
    int shown = 0;
    while (shown < kCopies - 1 && (running->canReadLine() || running->waitForReadyRead(10000))) {
        shown += running->readLine().startsWith("shown ") ? 1 : 0;
    }
    QCOMPARE(shown, kCopies - 1);
    running->closeWriteChannel();
    QVERIFY(running->waitForFinished(10000));
}

// A lock that cannot be made at all (a full disk; here a folder in its place) says nothing of
// other copies: each copy runs, rather than be told that another one does.
void QtDesktopTest::aLockThatCannotBeMadeLetsEveryCopyRun() {
    QVERIFY(QDir().mkpath(platform::instanceLockPath(program("no lock"))));
    platform::QtDesktop first(program("no lock"));
    QVERIFY(first.claimSingleInstance({}));
    QVERIFY(platform::QtDesktop(program("no lock")).claimSingleInstance({}));
}

// What the program reads as a file: a regular file on a drive of this machine, and nothing that
// merely has a file's name. On Windows a share on another machine would be sent the user's
// credentials, and a pipe or a device answers to such a name in any folder.
void QtDesktopTest::onlyLocalRegularFilesAreRead_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("read");
    const QString file = QDir::toNativeSeparators(scratch_.filePath(QStringLiteral("a.fsc")));
    QTest::newRow("a file") << file << true;
    QTest::newRow("a folder") << scratch_.path() << false;
    QTest::newRow("a missing file") << scratch_.filePath(QStringLiteral("missing.fsc")) << false;
    QTest::newRow("a share on another machine") << R"(\\host\share\a.fsc)" << false;
    QTest::newRow("a named pipe") << R"(\\.\pipe\a.fsc)" << false;
    QTest::newRow("a device by its path") << R"(\\.\NUL)" << false;
    QTest::newRow("the null device by its name, in a folder")
        << scratch_.filePath(QStringLiteral("NUL.fsc")) << false;
#ifdef Q_OS_WIN
    QTest::newRow("a file by its long path") << R"(\\?\)" + file << true;
#endif
}

void QtDesktopTest::onlyLocalRegularFilesAreRead() {
    QFETCH(QString, path);
    QFETCH(bool, read);
    QFile file(scratch_.filePath(QStringLiteral("a.fsc")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("reading") == 7);
    file.close();
    platform::QtDesktop desktop(program("files"));
    QCOMPARE(desktop.readRegularFile(path, 64),
             read ? std::optional<QByteArray>("reading") : std::optional<QByteArray>());
}

// On Windows every user's pipes share one namespace, and what the rest of the name is made of
// (the program's path, the user's folder) anyone can find out: the name holds a secret of the
// user's own, kept in the user's private folder, so that nobody else can take it first.
void QtDesktopTest::theHandoverNameHoldsTheUsersSecret() {
#ifndef Q_OS_WIN
    QSKIP("a socket in the user's private folder needs no secret name");
#else
    const QString name = platform::instanceSocketName(program("secret"));
    QCOMPARE(platform::instanceSocketName(program("secret")), name);
    const QString secret =
        QDir(platform::runtimeFolder()).filePath(QStringLiteral("fengshui-compatibility.secret"));
    QFile kept(secret);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const QByteArray held = kept.readAll();
    QCOMPARE(held.size(), 32);
    QVERIFY(name.endsWith(QString::fromLatin1(held)));
    kept.close();
    QVERIFY(kept.remove());
    QVERIFY(platform::instanceSocketName(program("secret")) != name);
#endif
}

// A lock that no live copy holds and that cannot be read, as a crash or a power cut right after
// making it leaves, does not refuse every later start.
void QtDesktopTest::unreadableLocksAreTakenOver_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbled") << QByteArray("\xFF\x00not a lock\n\n\n", 15);
    QTest::newRow("a number only") << QByteArray("123456789");
}

void QtDesktopTest::unreadableLocksAreTakenOver() {
    QFETCH(QByteArray, content);
    QFile lock(platform::instanceLockPath(program("unreadable")));
    QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(lock.write(content), content.size());
    lock.close();

    platform::QtDesktop next(program("unreadable"));
    QVERIFY(next.claimSingleInstance({}));
    QVERIFY(!platform::QtDesktop(program("unreadable")).claimSingleInstance({}));
}

// What a later copy may hand the running one: a reading's bytes, whole, whatever they hold, and
// nothing too large; what the running copy answers; and that a reading taken is shown once the
// later copy has heard the answer. The later copy runs on a thread of its own, as it would in a
// process of its own, while the running copy's event loop takes the reading.
void QtDesktopTest::handedOverReadings_data() {
    QTest::addColumn<QByteArray>("reading");
    QTest::addColumn<platform::Handover>("answer");
    QTest::newRow("a reading") << QByteArray("\x88\r\n\x8C\r\n") << platform::Handover::Taken;
    QTest::newRow("bytes with line breaks and NULs arrive whole")
        << QByteArray("a\r\nb\0c\n", 8) << platform::Handover::Taken;
    QTest::newRow("a reading the running copy does not take")
        << QByteArray("not taken") << platform::Handover::Refused;
    QTest::newRow("nothing") << QByteArray() << platform::Handover::Refused;
    QTest::newRow("more than any reading") << QByteArray(70000, 'x') << platform::Handover::Refused;
}

void QtDesktopTest::handedOverReadings() {
    QFETCH(QByteArray, reading);
    QFETCH(platform::Handover, answer);
    QByteArrayList received;
    QByteArrayList shown;
    platform::QtDesktop running(program("handover"));
    QVERIFY(running.claimSingleInstance(
        [&received, &shown](const QByteArray& bytes) -> std::function<void()> {
            received << bytes;
            if (bytes.isEmpty() || bytes == "not taken") {
                return nullptr;
            }
            return [&shown, bytes] { shown << bytes; };
        }));

    std::atomic<bool> done{false};
    platform::Handover answered = platform::Handover::NoAnswer;
    std::thread later([&] {
        answered =
            platform::handOverReading(platform::instanceSocketName(program("handover")), reading);
        done = true;
    });
    QVERIFY(QTest::qWaitFor([&done] { return done.load(); }, 20000));
    later.join();

    QCOMPARE(answered, answer);
    const bool reachesReceiver = reading.size() <= platform::kMaxHandedOverBytes;
    QCOMPARE(received, reachesReceiver ? QByteArrayList{reading} : QByteArrayList());
    const QByteArrayList expectedShown =
        answer == platform::Handover::Taken ? QByteArrayList{reading} : QByteArrayList();
    QVERIFY(QTest::qWaitFor([&] { return shown == expectedShown; }, 5000));
}

// A disk that fills up while a file is written: the failure is said and the old file stays
// whole. A file system of a few kilobytes of its own makes the disk full; mounting one needs
// the administrator, so elsewhere the test is skipped.
void QtDesktopTest::aFullDiskKeepsTheOldFile() {
    QTemporaryDir folder;
    QProcess mount;
    mount.start("mount", {"-t", "tmpfs", "-o", "size=8k", "tmpfs", folder.path()});
    if (!mount.waitForFinished() || mount.exitCode() != 0) {
        QSKIP("mounting a small file system needs the administrator");
    }
    const auto unmount = qScopeGuard([&folder] { QProcess::execute("umount", {folder.path()}); });
    const QString path = folder.filePath("reading.fsc");
    QCOMPARE(platform::writeWholeFile(path, "old"), QString());
    QFile filler(folder.filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(1024, 'x')) == 1024 && filler.flush()) {
    }
    filler.close();
    for (const qsizetype size : {6, 12000}) {
        QVERIFY(!platform::writeWholeFile(path, QByteArray(size, 'n')).isEmpty());
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }
}

QTEST_MAIN(QtDesktopTest)
#include "qt_desktop_test.moc"
