#include "engine/engine.h"
#include "tests/support/clipped_labels.h"
#include "tests/support/fake_desktop.h"
#include "translations/translations.h"
#include "ui/result/frm_result.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <memory>

using engine::CoupleReading;
using ui::frmFengShuiCompatibilityResult;

namespace {

CoupleReading readingOf(int selfKua, int partnerKua) {
    CoupleReading reading;
    engine::ResetShownFields(reading);
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(selfKua), true);
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(partnerKua), false);
    engine::SetElementDescriptions(reading);
    engine::SetDirectionsAndPictures(reading);
    return reading;
}

QString textOf(const QWidget* window, const QString& name) {
    const auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

bool hasPicture(const QWidget* window, const QString& name) {
    const auto* label = window->findChild<QLabel*>(name);
    return label && !label->pixmap().isNull();
}

} // namespace

class ResultWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsBothPersonsAndThePair_data();
    void showsBothPersonsAndThePair();
    void showsTheDirectionRows();
    void outOfRangeKuaShowsTheNumberAndPlaceholders_data();
    void outOfRangeKuaShowsTheNumberAndPlaceholders();
    void nameLine_data();
    void nameLine();
    void fixedTextsAreExact();
    void opensOnTheFirstTabWithTheUserPanelInFront();
    void eachTabBringsItsPanelToTheFront();
    void backAndExit();
    void hiddenMakeMoneyEntry();
    void fileMenuEntries();
    void labelsAreNotClipped();

private:
    test::FakeDesktop desktop_;
};

// In the user's language, as the program starts (the Chinese run checks the clipping).
void ResultWindowTest::initTestCase() {
    translations::installFor(*QCoreApplication::instance());
}

void ResultWindowTest::showsBothPersonsAndThePair_data() {
    QTest::addColumn<int>("selfKua");
    QTest::addColumn<int>("partnerKua");
    QTest::addColumn<QStringList>("self");    // Kua, Colour, Element, Group, Trigram
    QTest::addColumn<QStringList>("partner"); // the same
    QTest::addColumn<QString>("pairKey");
    QTest::addColumn<QString>("rating");

    QTest::newRow("Kua 2 and Kua 5 share the trigram Kun")
        << 2 << 5 << QStringList{"2", "Black", "Earth", "West", "Kun"}
        << QStringList{"5", "Orange", "Earth", "West", "Kun"} << "Kun-Kun"
        << "Good";
    QTest::newRow("Kua 1 against Kua 9")
        << 1 << 9 << QStringList{"1", "Off White", "Water", "East", "Kan"}
        << QStringList{"9", "Purple", "Fire", "East", "Li"} << "Kan-Li"
        << "Excellent";
    QTest::newRow("Kua 3 against Kua 6 is disastrous")
        << 3 << 6 << QStringList{"3", "Green", "Wood", "East", "Chen"}
        << QStringList{"6", "Gray", "Metal", "West", "Chien"} << "Chen-Chien"
        << "Disastrous";
    QTest::newRow("Kua 8 against Kua 4")
        << 8 << 4 << QStringList{"8", "White", "Earth", "West", "Ken"}
        << QStringList{"4", "Blue", "Wood", "East", "Sun"} << "Ken-Sun"
        << "Disastrous";
    QTest::newRow("Kua 7 against Kua 9")
        << 7 << 9 << QStringList{"7", "Red", "Metal", "West", "Tui"}
        << QStringList{"9", "Purple", "Fire", "East", "Li"} << "Tui-Li"
        << "Disastrous";
}

void ResultWindowTest::showsBothPersonsAndThePair() {
    QFETCH(int, selfKua);
    QFETCH(int, partnerKua);
    QFETCH(QStringList, self);
    QFETCH(QStringList, partner);
    QFETCH(QString, pairKey);
    QFETCH(QString, rating);

    const CoupleReading reading = readingOf(selfKua, partnerKua);
    frmFengShuiCompatibilityResult window(reading, desktop_);
    for (int i = 0; i < 2; ++i) {
        const QStringList& expected = i == 0 ? self : partner;
        const QString n = QString::number(i);
        QCOMPARE(textOf(&window, "lblFengShuiKuaNo_" + n), expected[0]);
        QCOMPARE(textOf(&window, "lblFengShuiColour_" + n), expected[1]);
        QCOMPARE(textOf(&window, "lblFengShuiElement_" + n), expected[2]);
        QCOMPARE(textOf(&window, "lblFengShuiGroup_" + n), expected[3]);
        QCOMPARE(textOf(&window, "lblFengShuiTrigram_" + n), expected[4]);
        QVERIFY(textOf(&window, "lblElementDesc_" + n).startsWith("You "));
        QVERIFY(textOf(&window, "lblElementDesc_" + n).contains("\n\nElement " + expected[2]));
        for (const char* picture : {"imgColour_", "imgElement_", "imgTrigram_"}) {
            QVERIFY2(hasPicture(&window, picture + n), picture);
        }
        QCOMPARE(window.findChild<QLabel*>("imgColour_" + n)->accessibleName(),
                 expected[1] + " picture");
    }
    QCOMPARE(textOf(&window, "lblCompatibility_0"), pairKey);
    QCOMPARE(textOf(&window, "lblCompatibility_1"), rating);
}

void ResultWindowTest::showsTheDirectionRows() {
    const CoupleReading reading = readingOf(1, 9);
    frmFengShuiCompatibilityResult window(reading, desktop_);
    const QStringList kan = {"Off-White", "South East", "East",       "South",     "North",
                             "West",      "North East", "North West", "South West"};
    const QStringList li = {"Purple",     "East", "South East", "North",     "South",
                            "North East", "West", "South West", "North West"};
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(textOf(&window, "lblResult_" + QString::number(k)), kan[k]);
        QCOMPARE(textOf(&window, "lblResult_" + QString::number(9 + k)), li[k]);
    }
}

void ResultWindowTest::outOfRangeKuaShowsTheNumberAndPlaceholders_data() {
    QTest::addColumn<int>("kua");
    QTest::newRow("0") << 0;
    QTest::newRow("12") << 12;
    QTest::newRow("-3") << -3;
}

void ResultWindowTest::outOfRangeKuaShowsTheNumberAndPlaceholders() {
    QFETCH(int, kua);
    CoupleReading reading = readingOf(3, 7);
    // A saved reading with an odd number: the next window starts from its placeholders.
    engine::ResetShownFields(reading);
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(kua), true);
    engine::SetPersonProfile(reading, 7, false);
    engine::SetElementDescriptions(reading);
    engine::SetDirectionsAndPictures(reading);

    frmFengShuiCompatibilityResult window(reading, desktop_);
    const CoupleReading fresh;
    const QString placeholder = QString::fromStdString(fresh.Self.Group);
    QCOMPARE(textOf(&window, "lblFengShuiKuaNo_0"), QString::number(kua));
    for (const char* name : {"lblFengShuiColour_0", "lblFengShuiElement_0", "lblFengShuiGroup_0",
                             "lblFengShuiTrigram_0", "lblResult_0", "lblResult_8",
                             "lblCompatibility_0", "lblCompatibility_1"}) {
        QCOMPARE(textOf(&window, name), placeholder);
    }
    QCOMPARE(textOf(&window, "lblElementDesc_0"),
             QString::fromStdString(fresh.Self.ElementDescription));
    for (const char* picture : {"imgColour_0", "imgElement_0", "imgTrigram_0"}) {
        QVERIFY2(!hasPicture(&window, picture), picture);
        QCOMPARE(window.findChild<QLabel*>(picture)->accessibleName(), QString("No picture"));
    }
    QCOMPARE(textOf(&window, "lblFengShuiTrigram_1"), QString("Tui"));
    QVERIFY(hasPicture(&window, "imgTrigram_1"));
}

void ResultWindowTest::nameLine_data() {
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Male") << "Male"
                          << "John Smith"
                          << "Mr. John Smith";
    QTest::newRow("Female") << "Female"
                            << "Ann"
                            << "Ms. Ann";
    QTest::newRow("lower-case male") << "male"
                                     << "Bob"
                                     << "Ms. Bob";
    QTest::newRow("no reading computed yet") << ""
                                             << ""
                                             << "Ms. ";
    QTest::newRow("blank name") << "Male"
                                << ""
                                << "Mr. ";
}

void ResultWindowTest::nameLine() {
    QFETCH(QString, sex);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    CoupleReading reading = readingOf(4, 4);
    reading.Self.Sex = sex.toStdString();
    reading.Self.Name = name.toStdString();
    frmFengShuiCompatibilityResult window(reading, desktop_);
    QCOMPARE(textOf(&window, "lblName_0"), expected);
}

void ResultWindowTest::fixedTextsAreExact() {
    const CoupleReading reading = readingOf(4, 4);
    frmFengShuiCompatibilityResult window(reading, desktop_);
    QCOMPARE(window.windowTitle(), QString("VA Zuvo Dada Vuvizoreduror v1.0"));
    QCOMPARE(window.findChild<QFrame*>("fraResult_0")->accessibleName(),
             QString("Feng Shui Kua Number "));
    QCOMPARE(window.findChild<QFrame*>("fraResult_1")->accessibleName(),
             QString(" Feng Shui Kua Number "));
    QCOMPARE(window.findChild<QGroupBox*>("grpKuaNumber_1")->title(),
             QString("Your Kua Number is: "));
    QCOMPARE(window.findChild<QGroupBox*>("grpColour_0")->title(), QString("Your Color is:"));
    QCOMPARE(window.findChild<QGroupBox*>("grpElement_0")->title(), QString("Your Element is: "));
    QCOMPARE(textOf(&window, "lblGroupUpper_1"), QString("Your are a"));
    QCOMPARE(textOf(&window, "lblGroupLower_0"), QString("Group Person"));
    QCOMPARE(window.findChild<QGroupBox*>("grpTrigram_1")->title(),
             QString("Your Partner's Trigram"));
    QCOMPARE(textOf(&window, "lblCaption_1"), QString("Compatibility Interpretation"));
    const QStringList headings = {"Color",        "Success",      "Health",
                                  "Relationship", "Personal",     "Mishaps",
                                  "Five Ghosts",  "Six Killings", "Total Loss"};
    for (int k = 0; k < 9; ++k) {
        QCOMPARE(textOf(&window, "lblLabel_" + QString::number(k)), headings[k]);
        QCOMPARE(textOf(&window, "lblLabel_" + QString::number(9 + k)), headings[k]);
    }
    auto* tabs = window.findChild<QTabBar*>("TS");
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(1), QString("Your Partner's Kua Number"));
    QCOMPARE(tabs->tabText(3), QString("Your Directions"));
    QCOMPARE(window.findChild<QPushButton*>("cmdPrint")->text(), QString("&Save"));
    QCOMPARE(window.findChild<QPushButton*>("cmdBack")->text(), QString("&Back"));
    QVERIFY(textOf(&window, "lblCobrand").contains("site's name &  link here. See \"Help\""));
}

void ResultWindowTest::opensOnTheFirstTabWithTheUserPanelInFront() {
    const CoupleReading reading = readingOf(4, 4);
    for (int previousTab = 0; previousTab < 3; ++previousTab) {
        {
            frmFengShuiCompatibilityResult earlier(reading, desktop_);
            earlier.findChild<QTabBar*>("TS")->setCurrentIndex(previousTab);
        }
        frmFengShuiCompatibilityResult window(reading, desktop_);
        QCOMPARE(window.findChild<QTabBar*>("TS")->currentIndex(), 0);
        QCOMPARE(window.frontPanel(), 0);
    }
}

void ResultWindowTest::eachTabBringsItsPanelToTheFront() {
    const CoupleReading reading = readingOf(4, 4);
    frmFengShuiCompatibilityResult window(reading, desktop_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<QTabBar*>("TS");
    for (const int tab : {2, 1, 0, 2}) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        QCOMPARE(tabs->currentIndex(), tab);
        QCOMPARE(window.frontPanel(), tab);
    }
    // Clicking the selected tab brings its own panel forward again.
    window.findChild<QFrame*>("fraResult_0")->raise();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QCOMPARE(window.frontPanel(), 2);
}

void ResultWindowTest::backAndExit() {
    const CoupleReading reading = readingOf(4, 4);
    auto* window = new frmFengShuiCompatibilityResult(reading, desktop_);
    QSignalSpy back(window, &frmFengShuiCompatibilityResult::backRequested);
    QSignalSpy closed(window, &frmFengShuiCompatibilityResult::closed);
    window->show();
    QTest::mouseClick(window->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
    window->findChild<QAction*>("mnuBack")->trigger();
    QCOMPARE(back.count(), 2);
    QCOMPARE(closed.count(), 0);

    QPointer<QWidget> guard(window);
    window->findChild<QAction*>("mnuExit")->trigger();
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(guard.isNull()); // closing deletes the window
}

void ResultWindowTest::hiddenMakeMoneyEntry() {
    const CoupleReading reading = readingOf(4, 4);
    frmFengShuiCompatibilityResult window(reading, desktop_);
    auto* entry = window.findChild<QAction*>("mnuMakeMoney");
    QVERIFY(entry);
    QVERIFY(!entry->isVisible());
    QVERIFY(!entry->isEnabled());
    QCOMPARE(entry->text(), QString("Make Money &Online"));
}

void ResultWindowTest::fileMenuEntries() {
    const CoupleReading reading = readingOf(4, 4);
    frmFengShuiCompatibilityResult window(reading, desktop_);
    auto* file = window.findChild<QMenu*>("mnuFile");
    QStringList entries;
    for (const QAction* action : file->actions()) {
        entries << (action->isSeparator()
                        ? QStringLiteral("-")
                        : action->objectName() + QLatin1Char(' ') + action->text() +
                              QLatin1Char(' ') + action->shortcut().toString());
    }
    QCOMPARE(entries, (QStringList{"mnuPrint &Save ", "mnuPrintReading &Print... Ctrl+P",
                                   "mnuExportPdf &Export as PDF... ", "mnuBack &Back ", "-",
                                   "mnuExit E&xit "}));
}

void ResultWindowTest::labelsAreNotClipped() {
    CoupleReading reading = readingOf(2, 6);
    reading.Self.Name = "Maximilian Alexander";
    reading.Self.Sex = "Male";
    frmFengShuiCompatibilityResult window(reading, desktop_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList clipped = test::clippedLabels(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"
