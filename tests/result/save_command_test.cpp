#include "engine/engine.h"
#include "tests/support/fake_desktop.h"
#include "ui/result/frm_result.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <utility>

using ui::frmFengShuiCompatibilityResult;

namespace {

engine::CoupleReading readingOf(int selfKua, int partnerKua) {
    engine::CoupleReading reading;
    reading.Self.KuaNumber = static_cast<std::int16_t>(selfKua);
    reading.Partner.KuaNumber = static_cast<std::int16_t>(partnerKua);
    engine::CompleteReading(reading);
    return reading;
}

// What the user does: picks `path` in the save dialog and chooses File > Save.
void saveThroughMenu(test::FakeDesktop& desktop, const QString& path, int selfKua, int partnerKua) {
    desktop.saveFileAnswers.push_back(path);
    const engine::CoupleReading reading = readingOf(selfKua, partnerKua);
    frmFengShuiCompatibilityResult window(reading, desktop);
    window.findChild<QAction*>("mnuPrint")->trigger();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A directory in which nothing can be created, even by root: tests of failed saves need one.
class LockedDirectory {
public:
    explicit LockedDirectory(QString path) : path_(std::move(path)) {
        locked_ = geteuid() == 0 ? run("chattr", {"+i", path_})
                                 : QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~LockedDirectory() {
        if (geteuid() == 0) {
            run("chattr", {"-i", path_});
        } else {
            QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }
    bool isLocked() const { return locked_; }

private:
    static bool run(const QString& program, const QStringList& arguments) {
        return QProcess::execute(program, arguments) == 0;
    }
    QString path_;
    bool locked_ = false;
};

} // namespace

class SaveCommandTest : public QObject {
    Q_OBJECT

private slots:
    void asksWithTheSaveDialogOfOurFiles();
    void writesTheTwoKuaNumbers_data();
    void writesTheTwoKuaNumbers();
    void replacesAnExistingFile();
    void cancellingChangesNothing();
    void aFailedSaveIsReportedAndLeavesNoFile_data();
    void aFailedSaveIsReportedAndLeavesNoFile();
    void anExistingFileSurvivesAFailedSave();
};

void SaveCommandTest::asksWithTheSaveDialogOfOurFiles() {
    test::FakeDesktop desktop;
    const engine::CoupleReading reading = readingOf(3, 7);
    frmFengShuiCompatibilityResult window(reading, desktop);
    QTest::mouseClick(window.findChild<QPushButton*>("cmdPrint"), Qt::LeftButton);
    window.findChild<QAction*>("mnuPrint")->trigger();
    QCOMPARE(desktop.saveRequests.size(), std::size_t{2});
    const platform::FileDialogOptions& options = desktop.saveRequests.front().options;
    QCOMPARE(options.title, QString("Feng Shui Compatibility"));
    QVERIFY(options.filter.contains("*.fsc"));
    QCOMPARE(options.defaultSuffix, QString("fsc"));
    QVERIFY(options.confirmOverwrite);
    QVERIFY(!options.fileMustExist);
}

void SaveCommandTest::writesTheTwoKuaNumbers_data() {
    QTest::addColumn<int>("selfKua");
    QTest::addColumn<int>("partnerKua");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("user 3, partner 7") << 3 << 7 << QByteArray("\x88\r\n\x8C\r\n");
    QTest::newRow("user 1, partner 9") << 1 << 9 << QByteArray("\x86\r\n\x8E\r\n");
    QTest::newRow("an opened odd number is saved as it stands")
        << 12 << -1 << QByteArray("\x86\x87\r\n\x82\x86\r\n");
}

void SaveCommandTest::writesTheTwoKuaNumbers() {
    QFETCH(int, selfKua);
    QFETCH(int, partnerKua);
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.filePath("reading.fsc");
    test::FakeDesktop desktop;
    saveThroughMenu(desktop, path, selfKua, partnerKua);
    QCOMPARE(contentsOf(path), bytes);
    QVERIFY(desktop.messages.empty());
}

void SaveCommandTest::replacesAnExistingFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath("reading.fsc");
    QVERIFY(writeBytes(path, "an older and much longer file\r\n\r\n\r\n"));
    test::FakeDesktop desktop;
    saveThroughMenu(desktop, path, 2, 5);
    QCOMPARE(contentsOf(path), QByteArray("\x87\r\n\x8A\r\n"));
}

void SaveCommandTest::cancellingChangesNothing() {
    QTemporaryDir folder;
    test::FakeDesktop desktop; // no scripted path: the dialog is cancelled
    const engine::CoupleReading reading = readingOf(2, 5);
    frmFengShuiCompatibilityResult window(reading, desktop);
    window.findChild<QAction*>("mnuPrint")->trigger();
    QCOMPARE(desktop.saveRequests.size(), std::size_t{1});
    QVERIFY(desktop.messages.empty());
    QVERIFY(QDir(folder.path()).isEmpty());
}

void SaveCommandTest::aFailedSaveIsReportedAndLeavesNoFile_data() {
    QTest::addColumn<QString>("where");
    QTest::newRow("a folder that does not exist") << "missing/reading.fsc";
    QTest::newRow("a folder that cannot be written") << "locked/reading.fsc";
}

void SaveCommandTest::aFailedSaveIsReportedAndLeavesNoFile() {
    QFETCH(QString, where);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("locked"));
    LockedDirectory locked(folder.filePath("locked"));
    if (!locked.isLocked()) {
        QSKIP("this machine cannot lock a directory");
    }
    const QString path = folder.filePath(where);
    test::FakeDesktop desktop;
    saveThroughMenu(desktop, path, 3, 7);

    QCOMPARE(desktop.messages.size(), std::size_t{1});
    const test::FakeDesktop::Message& message = desktop.messages.front();
    QVERIFY(message.text.startsWith("Could Not Save The File.\n"));
    QVERIFY(message.text.size() > QString("Could Not Save The File.\n").size());
    QCOMPARE(message.icon, platform::MessageIcon::Critical);
    QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(folder.filePath("locked")).isEmpty());
}

void SaveCommandTest::anExistingFileSurvivesAFailedSave() {
    QTemporaryDir folder;
    const QString path = folder.filePath("reading.fsc");
    const QByteArray earlier("\x86\r\n\x8E\r\n");
    QVERIFY(writeBytes(path, earlier));
    LockedDirectory locked(folder.path());
    if (!locked.isLocked()) {
        QSKIP("this machine cannot lock a directory");
    }
    test::FakeDesktop desktop;
    saveThroughMenu(desktop, path, 3, 7);

    QCOMPARE(desktop.messages.size(), std::size_t{1});
    QCOMPARE(contentsOf(path), earlier);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"reading.fsc"});
}

QTEST_MAIN(SaveCommandTest)
#include "save_command_test.moc"
