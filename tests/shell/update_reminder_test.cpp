// The update reminder against a scripted clock and store, and once against the real store.

#include "platform/code_page.h"
#include "platform/qt_desktop.h"
#include "shell/update_reminder.h"
#include "storage/scrambler.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/user_input.h"
#include "ui/links/web_hosts.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kApplication = QStringLiteral("fengshui-compatibility");
const QString kSection = QStringLiteral("Settings");
const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

QString scrambled(const QString& text) {
    return platform::fromCodePage(storage::ScrambleText(platform::toCodePage(text)));
}

QString unscrambled(const QString& text) {
    return platform::fromCodePage(storage::UnscrambleText(platform::toCodePage(text)));
}

const QString kValueName = scrambled(QStringLiteral("Duration"));
const test::FakeDesktop::SettingKey kKey{kApplication, kSection, kValueName};

QString storedDate(const test::FakeDesktop& desktop) {
    const auto found = desktop.settings.find(kKey);
    return found == desktop.settings.end() ? QString() : unscrambled(found->second);
}

} // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT

private slots:
    void aCleanStoreRemembersTodayWithoutAsking();
    void withinFourteenDaysNothingHappens_data();
    void withinFourteenDaysNothingHappens();
    void beyondFourteenDaysItAsks_data();
    void beyondFourteenDaysItAsks();
    void aDateInTheLocalesOwnFormIsRead();
    void aValueThatIsNoDateIsLeftAlone();
    void theRealStoreHoldsNeitherTheNameNorTheDateInPlain();
};

void UpdateReminderTest::aCleanStoreRemembersTodayWithoutAsking() {
    test::FakeDesktop desktop;
    shell::RemindOfUpdate(desktop, kApplication);
    QVERIFY(desktop.messages.empty());
    QCOMPARE(desktop.settings.size(), std::size_t{1});
    QCOMPARE(desktop.settings.begin()->first, kKey);
    QCOMPARE(storedDate(desktop), desktop.clock.toString(Qt::ISODate));
}

void UpdateReminderTest::withinFourteenDaysNothingHappens_data() {
    QTest::addColumn<QDateTime>("stored");
    QTest::addColumn<QDateTime>("today");
    const QDate day(2024, 3, 15);
    QTest::newRow("today") << QDateTime(day, QTime(8, 0)) << QDateTime(day, QTime(9, 0));
    QTest::newRow("14 days ago, late in the evening")
        << QDateTime(day.addDays(-14), QTime(23, 59)) << QDateTime(day, QTime(0, 1));
    QTest::newRow("14 days ago, early in the morning")
        << QDateTime(day.addDays(-14), QTime(0, 1)) << QDateTime(day, QTime(23, 59));
    QTest::newRow("14 days ahead")
        << QDateTime(day.addDays(14), QTime(0, 0)) << QDateTime(day, QTime(23, 0));
}

void UpdateReminderTest::withinFourteenDaysNothingHappens() {
    QFETCH(QDateTime, stored);
    QFETCH(QDateTime, today);
    test::FakeDesktop desktop;
    desktop.clock = today;
    desktop.settings[kKey] = scrambled(stored.toString(Qt::ISODate));
    shell::RemindOfUpdate(desktop, kApplication);
    QVERIFY(desktop.messages.empty());
    QVERIFY(desktop.settingWrites.empty());
    QCOMPARE(storedDate(desktop), stored.toString(Qt::ISODate));
}

void UpdateReminderTest::beyondFourteenDaysItAsks_data() {
    QTest::addColumn<int>("daysAway");
    QTest::addColumn<platform::MessageAnswer>("answer");
    QTest::newRow("15 days ago, Yes") << -15 << platform::MessageAnswer::Yes;
    QTest::newRow("15 days ago, No") << -15 << platform::MessageAnswer::No;
    QTest::newRow("15 days ahead, Yes") << 15 << platform::MessageAnswer::Yes;
    QTest::newRow("15 days ahead, No") << 15 << platform::MessageAnswer::No;
    QTest::newRow("three years ago, No") << -1096 << platform::MessageAnswer::No;
}

void UpdateReminderTest::beyondFourteenDaysItAsks() {
    QFETCH(int, daysAway);
    QFETCH(platform::MessageAnswer, answer);
    test::FakeDesktop desktop;
    desktop.clock = QDateTime(QDate(2024, 3, 15), QTime(0, 5));
    const QDateTime stored(desktop.clock.date().addDays(daysAway), QTime(23, 55));
    desktop.settings[kKey] = scrambled(stored.toString(Qt::ISODate));
    desktop.answers.push_back(answer);

    shell::RemindOfUpdate(desktop, kApplication);

    QCOMPARE(desktop.messageTexts(), QStringList{kQuestion});
    QCOMPARE(desktop.messages.front().icon, platform::MessageIcon::Information);
    QCOMPARE(desktop.messages.front().buttons, platform::MessageButtons::YesNo);
    QCOMPARE(storedDate(desktop), desktop.clock.toString(Qt::ISODate));
    const QStringList download = {
        test::http(ui::hosts::ProgramSite, "/zevezevi-ze-zivi-vodo-deza-dirirazodevur.html")};
    QCOMPARE(desktop.openedUrls, answer == platform::MessageAnswer::Yes ? download : QStringList());
}

void UpdateReminderTest::aDateInTheLocalesOwnFormIsRead() {
    test::FakeDesktop desktop;
    desktop.clock = QDateTime(QDate(2024, 3, 15), QTime(12, 0));
    const QDateTime stored(QDate(2024, 1, 2), QTime(10, 30));
    for (const char* name : {"C", "en_US", "de_DE", "fr_FR"}) {
        QLocale::setDefault(QLocale(QLatin1String(name)));
        for (const QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
            desktop.settings[kKey] = scrambled(QLocale().toString(stored, format));
            desktop.messages.clear();
            shell::RemindOfUpdate(desktop, kApplication);
            QVERIFY2(desktop.messageTexts() == QStringList{kQuestion}, name);
        }
    }
    QLocale::setDefault(QLocale::c());
}

void UpdateReminderTest::aValueThatIsNoDateIsLeftAlone() {
    for (const QString& value :
         {QStringLiteral("next Tuesday"), QStringLiteral("31/31/2020"), QStringLiteral("zzzz")}) {
        test::FakeDesktop desktop;
        desktop.settings[kKey] = scrambled(value);
        shell::RemindOfUpdate(desktop, kApplication);
        QVERIFY(desktop.messages.empty());
        QVERIFY(desktop.settingWrites.empty());
        QCOMPARE(storedDate(desktop), value);
    }
}

void UpdateReminderTest::theRealStoreHoldsNeitherTheNameNorTheDateInPlain() {
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    platform::QtDesktop desktop(QCoreApplication::applicationFilePath());
    const QString application = QStringLiteral("reminder-test");

    shell::RemindOfUpdate(desktop, application);

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QString stored = unscrambled(desktop.readSetting(application, kSection, kValueName));
    QVERIFY2(stored.startsWith(today), qPrintable(stored));
    QStringList files = QDir(home.path()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile file(home.filePath(files.front()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY(!contents.isEmpty());
    QVERIFY(!contents.contains("Duration"));
    QVERIFY(!contents.contains(today.toLatin1()));
}

QTEST_MAIN(UpdateReminderTest)
#include "update_reminder_test.moc"
