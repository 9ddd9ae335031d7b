#include "engine/engine.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/readings.h"
#include "translations/translations.h"
#include "ui/common/house_words.h"
#include "ui/common/program_settings.h"
#include "ui/result/frm_result.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include <utility>

using ui::frmFengShuiCompatibilityResult;

namespace {

using test::readingOf;

// What the user does: picks `path` in the save dialog and chooses File > Save, or File >
// Export as PDF when the command names that entry.
void saveThroughMenu(test::FakeDesktop& desktop, const QString& path, int selfKua, int partnerKua,
                     const char* command = "mnuPrint") {
    desktop.saveFileAnswers.push_back(path);
    const engine::CoupleReading reading = readingOf(selfKua, partnerKua);
    frmFengShuiCompatibilityResult window(reading, desktop);
    window.findChild<QAction*>(command)->trigger();
}

// The two commands that write a file, each with the message a failure starts with.
void addFileCommandColumns() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("failure");
}
void addFileCommandRows(const char* situation) {
    QTest::addRow("save, %s", situation) << "mnuPrint"
                                         << "Could Not Save The File.\n";
    QTest::addRow("export as PDF, %s", situation) << "mnuExportPdf"
                                                  << "Could Not Export The File.\n";
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A directory in which nothing can be created: tests of failed saves need one. Taking the
// write permission away is enough for an ordinary user; root passes through permissions, so
// for root the directory is made immutable instead.
class LockedDirectory {
public:
    explicit LockedDirectory(QString path) : path_(std::move(path)) {
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
        if (canCreateIn(path_)) {
            immutable_ = run("chattr", {"+i", path_});
        }
        locked_ = !canCreateIn(path_);
    }
    ~LockedDirectory() {
        if (immutable_) {
            run("chattr", {"-i", path_});
        }
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool isLocked() const { return locked_; }

private:
    static bool run(const QString& program, const QStringList& arguments) {
        return QProcess::execute(program, arguments) == 0;
    }
    static bool canCreateIn(const QString& path) {
        QFile probe(QDir(path).filePath(QStringLiteral(".probe")));
        const bool created = probe.open(QIODevice::WriteOnly);
        if (created) {
            probe.remove();
        }
        return created;
    }
    QString path_;
    bool immutable_ = false;
    bool locked_ = false;
};

} // namespace

class SaveCommandTest : public QObject {
    Q_OBJECT

private slots:
    // In the user's language, as the program starts (the Chinese run checks the page).
    void initTestCase() { translations::installFor(*QCoreApplication::instance()); }
    void asksWithTheSaveDialogOfOurFiles();
    void writesTheTwoKuaNumbers_data();
    void writesTheTwoKuaNumbers();
    void replacesAnExistingFile();
    void exportAsksWithThePdfDialog();
    void cancellingChangesNothing_data();
    void cancellingChangesNothing();
    void aFailedSaveIsReportedAndLeavesNoFile_data();
    void aFailedSaveIsReportedAndLeavesNoFile();
    void anExistingFileSurvivesAFailedSave_data();
    void anExistingFileSurvivesAFailedSave();
    void exportedPageHoldsTheReading_data();
    void exportedPageHoldsTheReading();
    void printingSaysWhatHappened_data();
    void printingSaysWhatHappened();
    void theExportIsOnTheLocalPaper_data();
    void theExportIsOnTheLocalPaper();
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
    // The filter's name is the program's old words, kept on purpose.
    QCOMPARE(options.filter, QString("Rich Text Format (*.fsc)"));
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

void SaveCommandTest::exportAsksWithThePdfDialog() {
    test::FakeDesktop desktop;
    const engine::CoupleReading reading = readingOf(3, 7);
    frmFengShuiCompatibilityResult window(reading, desktop);
    window.findChild<QAction*>("mnuExportPdf")->trigger();
    QCOMPARE(desktop.saveRequests.size(), std::size_t{1});
    const platform::FileDialogOptions& options = desktop.saveRequests.front().options;
    QCOMPARE(options.title, QString("Export as PDF"));
    QCOMPARE(options.filter, QString("PDF Files (*.pdf)"));
    QCOMPARE(options.defaultSuffix, QString("pdf"));
    QVERIFY(options.confirmOverwrite);
    QVERIFY(!options.fileMustExist);
}

void SaveCommandTest::cancellingChangesNothing_data() {
    addFileCommandColumns();
    addFileCommandRows("cancelled");
}

void SaveCommandTest::cancellingChangesNothing() {
    QFETCH(QString, command);
    QTemporaryDir folder;
    test::FakeDesktop desktop; // no scripted path: the dialog is cancelled
    const engine::CoupleReading reading = readingOf(2, 5);
    frmFengShuiCompatibilityResult window(reading, desktop);
    window.findChild<QAction*>(command)->trigger();
    QCOMPARE(desktop.saveRequests.size(), std::size_t{1});
    QVERIFY(desktop.messages.empty());
    QVERIFY(QDir(folder.path()).isEmpty());
}

void SaveCommandTest::aFailedSaveIsReportedAndLeavesNoFile_data() {
    addFileCommandColumns();
    QTest::addColumn<QString>("where");
    for (const char* where : {"missing/reading", "locked/reading"}) {
        QTest::addRow("save into %s", where) << "mnuPrint"
                                             << "Could Not Save The File.\n"
                                             << where;
        QTest::addRow("export into %s", where) << "mnuExportPdf"
                                               << "Could Not Export The File.\n"
                                               << where;
    }
}

void SaveCommandTest::aFailedSaveIsReportedAndLeavesNoFile() {
    QFETCH(QString, command);
    QFETCH(QString, failure);
    QFETCH(QString, where);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("locked"));
    LockedDirectory locked(folder.filePath("locked"));
    if (!locked.isLocked()) {
        QSKIP("this machine cannot lock a directory");
    }
    const QString path = folder.filePath(where);
    test::FakeDesktop desktop;
    saveThroughMenu(desktop, path, 3, 7, qPrintable(command));

    QCOMPARE(desktop.messages.size(), std::size_t{1});
    const test::FakeDesktop::Message& message = desktop.messages.front();
    QVERIFY(message.text.startsWith(failure));
    QVERIFY(message.text.size() > failure.size());
    QCOMPARE(message.icon, platform::MessageIcon::Critical);
    QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(folder.filePath("locked")).isEmpty());
}

void SaveCommandTest::anExistingFileSurvivesAFailedSave_data() {
    addFileCommandColumns();
    addFileCommandRows("over a file in a locked folder");
}

void SaveCommandTest::anExistingFileSurvivesAFailedSave() {
    QFETCH(QString, command);
    QTemporaryDir folder;
    const QString path = folder.filePath("reading.fsc");
    const QByteArray earlier("\x86\r\n\x8E\r\n");
    QVERIFY(writeBytes(path, earlier));
    LockedDirectory locked(folder.path());
    if (!locked.isLocked()) {
        QSKIP("this machine cannot lock a directory");
    }
    test::FakeDesktop desktop;
    saveThroughMenu(desktop, path, 3, 7, qPrintable(command));

    QCOMPARE(desktop.messages.size(), std::size_t{1});
    QCOMPARE(contentsOf(path), earlier);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"reading.fsc"});
}

// Bob, a man of Kua 3, and his partner of Kua 9: Chen and Li, an excellent pair, on 15 March
// 2024. The page is read back from the PDF's text, in the language the suite runs in (LANGUAGE,
// whatever the locale says of dates): its words, and the date in the same language.
void SaveCommandTest::exportedPageHoldsTheReading_data() {
    QTest::addColumn<QStringList>("words");
    const std::map<QString, QStringList> wordsByLanguage = {
        {"",
         {"Mr. Bob", "Chen-Li", "Excellent", "East", "Wood", "Fire", "Green", "Purple", "Success",
          "Total Loss", "South East", "North West",
          "Element Wood is compatible with elements Water and Fire",
          "Element Fire is compatible with elements Wood and Soil", "March", "Both of You",
          "Health for Bob"}},
        {"zh_CN",
         {"Bob先生", "震", "离", "极佳", "东四命", "木", "火", "绿色", "紫色", "生气", "绝命",
          "东南", "西北", "五行中，木与水、火相合", "五行中，火与木、土壤相合", "2024年3月15日"}},
        {"zh_TW",
         {"Bob先生", "震", "離", "極佳", "東四命", "木", "火", "綠色", "紫色", "生氣", "絕命",
          "東南", "西北", "五行中，木與水、火相合", "五行中，火與木、土壤相合", "2024年3月15日"}},
        {"de",
         {"Herr Bob", "Chen-Li", "Ausgezeichnet", "Holz", "Feuer", "Südosten", "Totalverlust",
          "März"}},
        {"es",
         {"Sr. Bob", "Chen-Li", "Excelente", "Madera", "Fuego", "Sureste", "Pérdida total",
          "marzo"}},
        {"fr",
         {"M. Bob", "Chen-Li", "Excellente", "Bois", "Feu", "Sud-Est", "Perte totale", "mars"}},
        {"pt_BR",
         {"Sr. Bob", "Chen-Li", "Excelente", "Madeira", "Fogo", "Sudeste", "Perda total", "março"}},
        {"ru",
         {"Bob", "Чжэнь-Ли", "Отлично", "Дерево", "Огонь", "Юго-восток", "Полная потеря", "марта"}},
        {"ja", {"Bob様", "震・離", "最良", "木", "火", "南東", "絶命", "2024年3月15日"}},
        {"ko",
         {"Bob 님", "진(震)-이(離)", "최상", "목(木)", "화(火)", "남동", "절명(絶命)",
          "2024년 3월 15일"}},
    };
    const QString language = qEnvironmentVariable("LANGUAGE");
    const auto found = wordsByLanguage.find(language);
    QVERIFY2(found != wordsByLanguage.end(), qPrintable(language));
    QTest::newRow(language.isEmpty() ? "English" : qPrintable(language)) << found->second;
}

void SaveCommandTest::exportedPageHoldsTheReading() {
    QFETCH(QStringList, words);
    // On A4 and on Letter, the shorter paper, which a user in the United States gets.
    for (const QLocale& paperOf : {QLocale(QLocale::English, QLocale::UnitedKingdom),
                                   QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(paperOf);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        QTemporaryDir folder;
        const QString path = folder.filePath("reading.pdf");
        test::FakeDesktop desktop;
        desktop.saveFileAnswers.push_back(path);
        engine::CoupleReading reading = readingOf(3, 9);
        reading.Self.Name = "Bob";
        reading.Self.Sex = "Male";
        // Born on Li Chun's day, counted from Li Chun: the longest lines under a chart.
        reading.Self.BirthDay = 4;
        reading.Self.BirthMonth = "February";
        reading.Self.BirthYear = 1988;
        reading.Partner.Sex = "Female";
        reading.Partner.BirthDay = 14;
        reading.Partner.BirthMonth = "March";
        reading.Partner.BirthYear = 1985;
        reading.CountedBy = engine::YearStart::LiChun;
        // Their house known as well: its column and its lines make the page longest.
        ui::writeHomeFacing(desktop, ui::settingsApplication(), 183.0);
        frmFengShuiCompatibilityResult window(reading, desktop);
        window.findChild<QAction*>("mnuExportPdf")->trigger();
        QVERIFY(desktop.messages.empty());

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-enc", "UTF-8", path, "-"});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) is needed");
        // Words wrap and columns interleave, so white space does not count.
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const QString flat = text.simplified().remove(' ');
        for (const QString& word : words) {
            QVERIFY2(flat.contains(QString(word).remove(' ')), qPrintable(word));
        }
        QVERIFY(flat.contains("1988")); // the year Bob was counted from
        QVERIFY(
            flat.contains(ui::houseLine(*compass::HouseFacing("South")).simplified().remove(' ')));
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
        QCOMPARE(desktop.printedTexts.size(), 0);
    }
}

void SaveCommandTest::printingSaysWhatHappened_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("message"); // empty for none

    QTest::newRow("printed") << true << false << ""
                             << "";
    QTest::newRow("cancelled") << false << false << ""
                               << "";
    QTest::newRow("the printer does not take the page") << true << true << ""
                                                        << "Could Not Print The Reading.";
    QTest::newRow("the file printed to cannot be written")
        << true << true << "No space left on device"
        << "Could Not Print The Reading.\nNo space left on device";
}

void SaveCommandTest::printingSaysWhatHappened() {
    QFETCH(bool, confirmed);
    QFETCH(bool, fails);
    QFETCH(QString, reason);
    QFETCH(QString, message);
    test::FakeDesktop desktop;
    desktop.printChoice = confirmed;
    desktop.printFails = fails;
    desktop.printFailure = reason;
    engine::CoupleReading reading = readingOf(3, 9);
    reading.Self.Name = "Bob";
    reading.Self.Sex = "Male";
    frmFengShuiCompatibilityResult window(reading, desktop);
    window.findChild<QAction*>("mnuPrintReading")->trigger();

    QCOMPARE(desktop.calls.count(QStringLiteral("printDocument")), 1);
    QCOMPARE(desktop.messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(desktop.messages.front().icon, platform::MessageIcon::Critical);
    }
    if (!confirmed) {
        QVERIFY(desktop.printedTexts.isEmpty());
        return;
    }
    // The page that went to the printer: one, with the reading on it.
    QCOMPARE(desktop.printedPageCounts, std::vector<int>{1});
    for (const char* word : {"Mr. Bob", "Chen-Li", "Excellent", "Total Loss", "North West"}) {
        QVERIFY2(desktop.printedTexts.front().contains(QLatin1String(word)), word);
    }
}

// The paper follows where the user lives, not the language: Letter where CLDR has it, A4
// elsewhere. Read back from the PDF with poppler's pdfinfo, in points.
void SaveCommandTest::theExportIsOnTheLocalPaper_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("paper");
    const QString letter = QStringLiteral("612 x 792");
    const QString a4 = QStringLiteral("595 x 842");
    for (const char* name : {"en_US", "es_PR", "en_CA", "fr_CA", "es_MX", "en_BZ", "es_CL", "es_CO",
                             "es_CR", "es_GT", "es_NI", "es_PA", "en_PH", "es_SV", "es_VE"}) {
        QTest::addRow("%s: Letter", name) << name << letter;
    }
    for (const char* name : {"de_DE", "en_GB", "es_ES", "es_AR", "pt_BR", "fr_FR", "ja_JP", "zh_TW",
                             "ru_RU", "ko_KR", "C"}) {
        QTest::addRow("%s: A4", name) << name << a4;
    }
}

void SaveCommandTest::theExportIsOnTheLocalPaper() {
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    QTemporaryDir folder;
    const QString path = folder.filePath("reading.pdf");
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    saveThroughMenu(*std::make_unique<test::FakeDesktop>(), path, 3, 9, "mnuExportPdf");
    QLocale::setDefault(before);

    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {path});
    QVERIFY2(pdfinfo.waitForFinished(), "pdfinfo (poppler-utils) is needed");
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput()).simplified();
    QVERIFY2(info.contains(QStringLiteral("Page size: ") + paper + QStringLiteral(" pts")),
             qPrintable(info));
}

QTEST_MAIN(SaveCommandTest)
#include "save_command_test.moc"
