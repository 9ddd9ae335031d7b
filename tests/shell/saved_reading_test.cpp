// Saved readings through the windows: what the open command accepts and refuses, that a
// reading saved and opened again is the same reading, and readings that come from the desktop:
// dropped on a window or handed over by a later copy.

#include "engine/engine.h"
#include "tests/shell/program_driver.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <future>

using test::Person;

class SavedReadingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aSavedReadingOpensAsTheSameReading();
    void asksWithTheOpenDialogOfOurFiles();
    void cancellingTheOpenDialogChangesNothing();
    void opensFiles_data();
    void opensFiles();
    void refusesFiles_data();
    void refusesFiles();
    void anOpenedReadingNamesTheLastUser();
    void readingsFromTheDesktop_data();
    void readingsFromTheDesktop();
    void aFileThatDoesNotArriveFreezesNothing();
    void aFileOnItsWayWhenTheProgramEndsOpensNothing();

private:
    QString writeFile(const QString& name, const QByteArray& bytes) const;
    void open(const QString& path);
    QStringList shownTexts() const;

    std::unique_ptr<test::ProgramDriver> program_;
    std::unique_ptr<QTemporaryDir> folder_;
};

void SavedReadingTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    program_ = std::make_unique<test::ProgramDriver>();
    QVERIFY(program_->application().StartUp());
}

void SavedReadingTest::cleanup() {
    program_.reset();
    QVERIFY(test::ProgramDriver::visibleWindows().empty());
}

QString SavedReadingTest::writeFile(const QString& name, const QByteArray& bytes) const {
    QString path = folder_->filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return path;
}

void SavedReadingTest::open(const QString& path) {
    program_->desktop().openFileAnswers.push_back(path);
    program_->press(program_->input(), "cmdOpen");
}

// Everything the result window shows as text, labels in a fixed order.
QStringList SavedReadingTest::shownTexts() const {
    QStringList texts;
    for (const QLabel* label : program_->result()->findChildren<QLabel*>()) {
        texts << label->objectName() + '=' + label->text() + '=' + label->accessibleName();
    }
    return texts;
}

void SavedReadingTest::aSavedReadingOpensAsTheSameReading() {
    test::FakeDesktop saving;
    for (int self = 1; self <= 9; ++self) {
        for (int partner = 1; partner <= 9; ++partner) {
            engine::CoupleReading reading;
            reading.Self.KuaNumber = static_cast<std::int16_t>(self);
            reading.Partner.KuaNumber = static_cast<std::int16_t>(partner);
            engine::CompleteReading(reading);
            const QString path =
                folder_->filePath(QStringLiteral("pair-%1-%2.fsc").arg(self).arg(partner));
            saving.saveFileAnswers.push_back(path);
            QStringList expected;
            {
                ui::frmFengShuiCompatibilityResult saved(reading, saving);
                saved.findChild<QAction*>("mnuPrint")->trigger();
                for (const QLabel* label : saved.findChildren<QLabel*>()) {
                    expected << label->objectName() + '=' + label->text() + '=' +
                                    label->accessibleName();
                }
            }
            open(path);
            QVERIFY2(program_->result(), qPrintable(path));
            QCOMPARE(shownTexts(), expected);
            program_->press(program_->result(), "cmdBack");
        }
    }
    QVERIFY(saving.messages.empty());
    QVERIFY(program_->desktop().messages.empty());
}

void SavedReadingTest::asksWithTheOpenDialogOfOurFiles() {
    program_->press(program_->input(), "cmdOpen");
    QCOMPARE(program_->desktop().openRequests.size(), std::size_t{1});
    const platform::FileDialogOptions& options = program_->desktop().openRequests.front().options;
    QCOMPARE(options.title, QString("Select the source file"));
    QCOMPARE(options.filter, QString("Feng Shui Compatibility (*.fsc)"));
    QCOMPARE(options.defaultSuffix, QString("fsc"));
    QVERIFY(options.fileMustExist);
}

void SavedReadingTest::cancellingTheOpenDialogChangesNothing() {
    program_->press(program_->input(), "cmdOpen"); // no scripted answer: cancelled
    QVERIFY(program_->desktop().messages.empty());
    QVERIFY(program_->input()->isVisible());
    QVERIFY(!program_->result());
}

void SavedReadingTest::opensFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("kuaNumbers");
    QTest::addColumn<QString>("userTrigram");

    QTest::newRow("user 3, partner 7")
        << "a.fsc" << QByteArray("\x88\r\n\x8C\r\n") << QStringList{"3", "7"} << "Chen";
    QTest::newRow("an ending in fsc without a dot")
        << "readingfsc" << QByteArray("\x88\r\n\x8C\r\n") << QStringList{"3", "7"} << "Chen";
    QTest::newRow("a third line is ignored")
        << "b.fsc" << QByteArray("\x86\r\n\x8E\r\nanything\r\n") << QStringList{"1", "9"} << "Kan";
    QTest::newRow("lines ended by CR alone")
        << "c.fsc" << QByteArray("\x86\r\x8E\r") << QStringList{"1", "9"} << "Kan";
    QTest::newRow("blanks around, a fraction rounded half to even")
        << "d.fsc" << QByteArray("\x75\x88\x75\r\n\x87\x83\x8A\r\n") << QStringList{"3", "2"}
        << "Chen";
    const QString placeholder = QString::fromStdString(engine::CoupleReading().Self.Trigram);
    QTest::newRow("0 shows the placeholders")
        << "e.fsc" << QByteArray("\x85\r\n\x8C\r\n") << QStringList{"0", "7"} << placeholder;
    QTest::newRow("12 shows the placeholders")
        << "f.fsc" << QByteArray("\x86\x87\r\n\x8C\r\n") << QStringList{"12", "7"} << placeholder;
}

void SavedReadingTest::opensFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, kuaNumbers);
    QFETCH(QString, userTrigram);

    open(writeFile(name, bytes));

    QVERIFY(program_->desktop().messages.empty());
    QVERIFY(!program_->input());
    QVERIFY(program_->result());
    QCOMPARE(test::ProgramDriver::visibleWindows(), std::vector<QWidget*>{program_->result()});
    QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), kuaNumbers[0]);
    QCOMPARE(program_->shown("lblFengShuiKuaNo_1"), kuaNumbers[1]);
    QCOMPARE(program_->shown("lblFengShuiTrigram_0"), userTrigram);
}

void SavedReadingTest::refusesFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("an ending in upper-case FSC") << "a.FSC" << QByteArray("\x88\r\n\x8C\r\n");
    QTest::newRow("another extension") << "a.txt" << QByteArray("\x88\r\n\x8C\r\n");
    QTest::newRow("an empty file") << "b.fsc" << QByteArray();
    QTest::newRow("one line") << "c.fsc" << QByteArray("\x88\r\n");
    QTest::newRow("a line that is no number") << "d.fsc" << QByteArray("\x88\r\nhello\r\n");
    QTest::newRow("plain digits") << "e.fsc" << QByteArray("3\r\n7\r\n");
    QTest::newRow("a number out of range")
        << "f.fsc" << QByteArray("\x88\x87\x8C\x8D\x8D\r\n\x8C\r\n");
    QTest::newRow("a file that is not there") << "missing.fsc" << QByteArray("<none>");
    QTest::newRow("a folder") << "folder.fsc" << QByteArray("<folder>");
}

void SavedReadingTest::refusesFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    // A reading computed earlier, which a refused file must leave as it was.
    program_->proceed(Person{"Ann", "Female", "3", "March", "1977"},
                      Person{"Tom", "Male", "1", "July", "2000"});
    program_->press(program_->result(), "cmdBack");
    const engine::CoupleReading before = program_->application().reading();

    QString path = folder_->filePath(name);
    if (bytes == "<folder>") {
        QVERIFY(QDir(folder_->path()).mkdir(name));
    } else if (bytes != "<none>") {
        path = writeFile(name, bytes);
    }
    open(path);

    QCOMPARE(program_->desktop().messageTexts(), QStringList{"Please Check The File."});
    QCOMPARE(program_->desktop().messages.front().icon, platform::MessageIcon::Critical);
    QVERIFY(!program_->result());
    QVERIFY(program_->input()->isVisible());
    const engine::CoupleReading& after = program_->application().reading();
    QCOMPARE(after.Self.KuaNumber, before.Self.KuaNumber);
    QCOMPARE(after.Partner.KuaNumber, before.Partner.KuaNumber);
    QCOMPARE(after.Self.Colour, before.Self.Colour);
    QCOMPARE(after.PairKey, before.PairKey);
}

void SavedReadingTest::anOpenedReadingNamesTheLastUser() {
    const QString path = writeFile("a.fsc", QByteArray("\x88\r\n\x8C\r\n"));
    open(path);
    QCOMPARE(program_->shown("lblName_0"), QString("Ms. ")); // no reading typed in this run
    program_->press(program_->result(), "cmdBack");

    program_->proceed(Person{"John", "Male", "10", "June", "1971"},
                      Person{"Mary", "Female", "5", "May", "1999"});
    program_->press(program_->result(), "cmdBack");
    open(path);
    QCOMPARE(program_->shown("lblName_0"), QString("Mr. John"));
    QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), QString("3"));
    // The file brings no birth dates: the last user's are not counted as if it did.
    program_->showTab(3);
    QCOMPARE(program_->shown("lblCountedYear_0"), QString());
}

void SavedReadingTest::readingsFromTheDesktop_data() {
    QTest::addColumn<QString>("way");   // "drop", or "handover" by a later copy
    QTest::addColumn<QString>("shown"); // "input", "result" or "exit" when the file comes
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("outcome"); // "opens", "refused" (a message) or "not taken"

    QTest::newRow("a .fsc dropped on the input window's name box") << "drop"
                                                                   << "input"
                                                                   << "a.fsc"
                                                                   << "opens";
    QTest::newRow("a .FSC dropped on the result window") << "drop"
                                                         << "result"
                                                         << "a.FSC"
                                                         << "opens";
    QTest::newRow("a .txt dropped on the input window's name box") << "drop"
                                                                   << "input"
                                                                   << "a.txt"
                                                                   << "not taken";
    QTest::newRow("a .txt dropped on the result window") << "drop"
                                                         << "result"
                                                         << "a.txt"
                                                         << "not taken";
    QTest::newRow("a bad .fsc dropped on the input window") << "drop"
                                                            << "input"
                                                            << "bad.fsc"
                                                            << "refused";
    QTest::newRow("handed over to the input window") << "handover"
                                                     << "input"
                                                     << "a.fsc"
                                                     << "opens";
    QTest::newRow("handed over to the result window") << "handover"
                                                      << "result"
                                                      << "a.fsc"
                                                      << "opens";
    QTest::newRow("handed over while the exit screen is up") << "handover"
                                                             << "exit"
                                                             << "a.fsc"
                                                             << "opens";
    QTest::newRow("a .fsc on another machine dropped") << "drop"
                                                       << "input"
                                                       << "//host/share/a.fsc"
                                                       << "not taken";
    QTest::newRow("a .fsc on another machine, its host hidden in the path, dropped")
        << "drop"
        << "input"
        << "////host/share/a.fsc"
        << "not taken";
    QTest::newRow("a name ending in .fſc dropped") << "drop"
                                                   << "input"
                                                   << "a.fſc"
                                                   << "not taken";
    // The later copy reads its file and says what is wrong with it; the running copy only
    // refuses bytes that are no reading.
    QTest::newRow("bytes that are no reading handed over") << "handover"
                                                           << "input"
                                                           << "bad.fsc"
                                                           << "not taken";
    QTest::newRow("nothing handed over") << "handover"
                                         << "result"
                                         << "missing.fsc"
                                         << "not taken";
}

void SavedReadingTest::readingsFromTheDesktop() {
    QFETCH(QString, way);
    QFETCH(QString, shown);
    QFETCH(QString, name);
    QFETCH(QString, outcome);

    const Person ann{"Ann", "Female", "3", "March", "1977"};
    const Person tom{"Tom", "Male", "1", "July", "2000"};
    if (shown == QLatin1String("result")) {
        program_->proceed(ann, tom);
    } else if (shown == QLatin1String("exit")) {
        program_->input()->close();
        test::ProgramDriver::flushDeletes();
    }
    QWidget* window = shown == QLatin1String("input")    ? static_cast<QWidget*>(program_->input())
                      : shown == QLatin1String("result") ? static_cast<QWidget*>(program_->result())
                                                         : program_->exitScreen();
    const std::vector<QWidget*> before = test::ProgramDriver::visibleWindows();
    QString path = folder_->filePath(name);
    if (!name.startsWith(QLatin1String("missing")) && !name.startsWith(QLatin1String("//"))) {
        path =
            writeFile(name, name.startsWith(QLatin1String("bad")) ? QByteArray("hello\r\n")
                                                                  : QByteArray("\x88\r\n\x8C\r\n"));
    }

    if (way == QLatin1String("drop")) {
        auto* box = window->findChild<QLineEdit*>(QStringLiteral("txtName_0"));
        QWidget* target = box ? static_cast<QWidget*>(box) : window;
        QMimeData data;
        data.setUrls({name.startsWith(QLatin1String("//")) ? QUrl(QStringLiteral("file:") + name)
                                                           : QUrl::fromLocalFile(path)});
        data.setText(path); // as file managers give it too: no box may type it
        const QPoint spot = target->rect().center();
        QDragEnterEvent enter(spot, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QCOMPARE(enter.isAccepted(), outcome != QLatin1String("not taken"));
        if (enter.isAccepted()) {
            QCOMPARE(enter.dropAction(), Qt::CopyAction);
            QDropEvent drop(spot, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
        }
        if (box) {
            QCOMPARE(box->text(), QString());
        }
    } else {
        // The later copy hands over what its file holds, and confirms a reading taken.
        QVERIFY(program_->desktop().readingReceiver);
        QFile file(path);
        const QByteArray reading = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const std::function<void()> show = program_->desktop().readingReceiver(reading);
        QCOMPARE(static_cast<bool>(show), outcome == QLatin1String("opens"));
        if (show) {
            show();
        }
    }
    QCoreApplication::processEvents();
    test::ProgramDriver::flushDeletes();

    if (outcome == QLatin1String("opens")) {
        // However it came, the reading has the focus, not the forum link.
        QCOMPARE(program_->result()->focusWidget(), program_->result()->findChild<QWidget*>("TS"));
        QVERIFY(program_->desktop().messages.empty());
        QCOMPARE(test::ProgramDriver::visibleWindows(), std::vector<QWidget*>{program_->result()});
        QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), QStringLiteral("3"));
        QCOMPARE(program_->shown("lblFengShuiKuaNo_1"), QStringLiteral("7"));
        QVERIFY(!program_->input());
        return;
    }
    QCOMPARE(program_->desktop().messageTexts(), outcome == QLatin1String("refused")
                                                     ? QStringList{"Please Check The File."}
                                                     : QStringList());
    QCOMPARE(test::ProgramDriver::visibleWindows(), before);
}

// A reading on a disk that has stopped answering (a dead network share): while the Open command
// waits for it, the program goes on, and takes a reading that a later copy hands over. When the
// file does not come in time the user is told; when it comes after all, nothing changes.
void SavedReadingTest::aFileThatDoesNotArriveFreezesNothing() {
    const QString path = writeFile("remote.fsc", QByteArray("\x8F\r\n\x8D\r\n")); // 9 and 8
    std::promise<void> disk;
    program_->desktop().diskAnswers = disk.get_future().share();
    bool handedOver = false;
    QTimer::singleShot(100, [this, &handedOver] {
        if (const std::function<void()> show =
                program_->desktop().readingReceiver(QByteArray("\x88\r\n\x8C\r\n"))) {
            show();
            handedOver = true;
        }
    });

    open(path);

    QVERIFY(handedOver);
    QCOMPARE(program_->desktop().messageTexts(),
             QStringList{"The file did not arrive in time. Please try again later."});
    QVERIFY(program_->result());
    QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), QStringLiteral("3"));
    disk.set_value();
    QTest::qWait(100);
    QCOMPARE(program_->desktop().messages.size(), std::size_t{1});
    QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), QStringLiteral("3"));
}

// The user ends the program while a file is on its way: nothing opens afterwards, and nothing
// is said about the file.
void SavedReadingTest::aFileOnItsWayWhenTheProgramEndsOpensNothing() {
    const QString path = writeFile("slow.fsc", QByteArray("\x88\r\n\x8C\r\n"));
    std::promise<void> disk;
    program_->desktop().diskAnswers = disk.get_future().share();
    QTimer::singleShot(100, [this, &disk] {
        program_->application().ExitProgram();
        disk.set_value();
    });

    open(path);

    QVERIFY(program_->application().hasEnded());
    QVERIFY(test::ProgramDriver::visibleWindows().empty());
    QVERIFY(program_->desktop().messages.empty());
}

QTEST_MAIN(SavedReadingTest)
#include "saved_reading_test.moc"
