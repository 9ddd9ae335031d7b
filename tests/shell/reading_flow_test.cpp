// A reading from end to end: details typed into the input window, the result window that
// replaces it, Back, Exit, and a refused press that must change nothing.

#include "tests/shell/program_driver.h"

#include <QAction>
#include <QTabBar>
#include <QtTest>

using test::Person;

Q_DECLARE_METATYPE(Person)

class ReadingFlowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheReadingOfTheCouple_data();
    void showsTheReadingOfTheCouple();
    void onlyTheResultWindowRemains();
    void backGivesAFreshInputWindow();
    void leavingTheResultWindowShowsTheExitScreen_data();
    void leavingTheResultWindowShowsTheExitScreen();
    void everyNewResultWindowOpensOnTheFirstTab();
    void aRefusedPressChangesNothing();
    void liChunIsChosenOnceAndKept();

private:
    std::unique_ptr<test::ProgramDriver> program_;
};

namespace {

const Person kJohn{"John", "Male", "10", "June", "1971"}; // Kua 2
const Person kMary{"Mary", "Female", "5", "May", "1999"}; // Kua 5

} // namespace

void ReadingFlowTest::init() {
    program_ = std::make_unique<test::ProgramDriver>();
    QVERIFY(program_->application().StartUp());
}

void ReadingFlowTest::cleanup() {
    program_.reset();
    QVERIFY(test::ProgramDriver::visibleWindows().empty());
}

void ReadingFlowTest::showsTheReadingOfTheCouple_data() {
    QTest::addColumn<Person>("self");
    QTest::addColumn<Person>("partner");
    QTest::addColumn<QStringList>("kuaNumbers");
    QTest::addColumn<QStringList>("colours"); // the user's colour and list colour
    QTest::addColumn<QString>("pairKey");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QString>("nameLine");

    QTest::newRow("Kua 2 and Kua 5 are both Kun")
        << kJohn << kMary << QStringList{"2", "5"} << QStringList{"Black", "Orange"} << "Kun-Kun"
        << "Good"
        << "Mr. John";
    QTest::newRow("Kua 1 is Off White with an Off-White list")
        << Person{"Ann", "Female", "3", "March", "1977"}
        << Person{"Tom", "Male", "1", "July", "1999"} << QStringList{"1", "1"}
        << QStringList{"Off White", "Off-White"} << "Kan-Kan"
        << "Good"
        << "Ms. Ann";
    QTest::newRow("February and January count to the year before")
        << Person{"Bob", "Male", "15", "February", "1980"}
        << Person{"Eve", "Female", "31", "January", "1950"} << QStringList{"3", "9"}
        << QStringList{"Green", "Green"} << "Chen-Li"
        << "Excellent"
        << "Mr. Bob";
    QTest::newRow("March counts to its own year")
        << Person{"Bob", "Male", "1", "March", "1980"}
        << Person{"Eve", "Female", "1", "March", "1950"} << QStringList{"2", "1"}
        << QStringList{"Black", "Orange"} << "Kun-Kan"
        << "Disastrous"
        << "Mr. Bob";
    QTest::newRow("29 February 1900 is a birthday, counted from 1899")
        << Person{"Max", "Male", "29", "February", "1900"}
        << Person{"Liz", "Female", "1", "January", "1900"} << QStringList{"2", "4"}
        << QStringList{"Black", "Orange"} << "Kun-Sun"
        << "Disastrous"
        << "Mr. Max";
    QTest::newRow("from 2000 on the century counts")
        << Person{"Sam", "Male", "10", "March", "2000"}
        << Person{"Ida", "Female", "10", "March", "2000"} << QStringList{"9", "6"}
        << QStringList{"Purple", "Purple"} << "Li-Chien"
        << "Disastrous"
        << "Mr. Sam";
    QTest::newRow("a name of blanks is shown as no name")
        << Person{"   ", "Female", "1", "January", "1985"} << kJohn << QStringList{"8", "2"}
        << QStringList{"White", "White"} << "Ken-Kun"
        << "Excellent"
        << "Ms. ";
    QTest::newRow("a man's name of blanks")
        << Person{" ", "Male", "1", "January", "1985"} << kMary << QStringList{"7", "5"}
        << QStringList{"Red", "Red"} << "Tui-Kun"
        << "Very Good"
        << "Mr. ";
}

void ReadingFlowTest::showsTheReadingOfTheCouple() {
    QFETCH(Person, self);
    QFETCH(Person, partner);
    QFETCH(QStringList, kuaNumbers);
    QFETCH(QStringList, colours);
    QFETCH(QString, pairKey);
    QFETCH(QString, rating);
    QFETCH(QString, nameLine);

    program_->proceed(self, partner);

    QVERIFY(program_->result());
    QCOMPARE(program_->desktop().messages.size(), std::size_t{0});
    QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), kuaNumbers[0]);
    QCOMPARE(program_->shown("lblFengShuiKuaNo_1"), kuaNumbers[1]);
    QCOMPARE(program_->shown("lblFengShuiColour_0"), colours[0]);
    QCOMPARE(program_->shown("lblResult_0"), colours[1]);
    QCOMPARE(program_->shown("lblCompatibility_0"), pairKey);
    QCOMPARE(program_->shown("lblCompatibility_1"), rating);
    QCOMPARE(program_->shown("lblName_0"), nameLine);
    QCOMPARE(QString::fromStdString(program_->application().reading().Self.Name),
             self.name.trimmed());
}

void ReadingFlowTest::onlyTheResultWindowRemains() {
    program_->proceed(kJohn, kMary);
    QVERIFY(!program_->input());
    QVERIFY(program_->result());
    QVERIFY(!program_->exitScreen() || !program_->exitScreen()->isVisible());
    QCOMPARE(test::ProgramDriver::visibleWindows(), std::vector<QWidget*>{program_->result()});
}

void ReadingFlowTest::backGivesAFreshInputWindow() {
    program_->proceed(kJohn, kMary);
    program_->press(program_->result(), "cmdBack");

    ui::frmMain* input = program_->input();
    QVERIFY(input);
    QVERIFY(!program_->result());
    QCOMPARE(test::ProgramDriver::visibleWindows(), std::vector<QWidget*>{input});
    QCOMPARE(input->findChild<QLineEdit*>("txtName_0")->text(), QString());
    QCOMPARE(input->findChild<QComboBox*>("cboYear_1")->currentText(), QString("1900"));
    QVERIFY(!input->findChild<QRadioButton*>("optSex_0")->isChecked());
    // The record keeps the last reading for whoever shows it next.
    QCOMPARE(program_->application().reading().Partner.KuaNumber, 5);

    // The menu's Back does the same.
    program_->proceed(kJohn, kMary);
    program_->result()->findChild<QAction*>("mnuBack")->trigger();
    test::ProgramDriver::flushDeletes();
    QVERIFY(program_->input());
    QCOMPARE(test::ProgramDriver::visibleWindows(), std::vector<QWidget*>{program_->input()});
}

void ReadingFlowTest::leavingTheResultWindowShowsTheExitScreen_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("E&xit on the File menu") << true;
    QTest::newRow("the close box") << false;
}

void ReadingFlowTest::leavingTheResultWindowShowsTheExitScreen() {
    QFETCH(bool, byMenu);
    program_->proceed(kJohn, kMary);
    if (byMenu) {
        program_->result()->findChild<QAction*>("mnuExit")->trigger();
    } else {
        program_->result()->close();
    }
    test::ProgramDriver::flushDeletes();

    QVERIFY(!program_->result());
    QVERIFY(program_->exitScreen());
    QCOMPARE(test::ProgramDriver::visibleWindows(), std::vector<QWidget*>{program_->exitScreen()});
    QVERIFY(!program_->application().hasEnded());
}

void ReadingFlowTest::everyNewResultWindowOpensOnTheFirstTab() {
    program_->proceed(kJohn, kMary);
    auto* tabs = program_->result()->findChild<QTabBar*>("TS");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QCOMPARE(test::shownPanel(program_->result()), 2);
    program_->press(program_->result(), "cmdBack");

    program_->proceed(kMary, kJohn);
    QCOMPARE(program_->result()->findChild<QTabBar*>("TS")->currentIndex(), 0);
    QCOMPARE(test::shownPanel(program_->result()), 0);
    QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), QString("5"));
}

void ReadingFlowTest::aRefusedPressChangesNothing() {
    program_->proceed(kJohn, kMary);
    program_->press(program_->result(), "cmdBack");
    const engine::CoupleReading before = program_->application().reading();

    program_->enter(0, Person{"Zoe", "Female", "31", "April", "1990"});
    program_->enter(1, Person{"Sam", "Male", "1", "May", "1991"});
    program_->press(program_->input(), "cmdProceed");

    QCOMPARE(program_->desktop().messageTexts(),
             QStringList{"Please Enter Correct Date Or Month !"});
    QVERIFY(!program_->result());
    QVERIFY(program_->input()->isVisible());
    QCOMPARE(program_->input()->findChild<QLineEdit*>("txtName_0")->text(), QString("Zoe"));
    const engine::CoupleReading& after = program_->application().reading();
    QCOMPARE(after.Self.Name, before.Self.Name);
    QCOMPARE(after.Self.Sex, before.Self.Sex);
    QCOMPARE(after.Self.BirthMonth, before.Self.BirthMonth);
    QCOMPARE(after.Self.KuaNumber, before.Self.KuaNumber);
    QCOMPARE(after.Partner.BirthYear, before.Partner.BirthYear);
    QCOMPARE(after.PairKey, before.PairKey);
}

void ReadingFlowTest::liChunIsChosenOnceAndKept() {
    const Person ann{"Ann", "Female", "14", "February", "1985"};
    const Person tom{"Tom", "Male", "14", "March", "1985"};
    program_->proceed(ann, tom);
    QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), QString("8"));
    program_->showTab(3);
    QVERIFY(program_->shown("lblCountedYear_0").startsWith("Counted from 1984: born before "));
    QVERIFY(program_->shown("lblCountedYear_0")
                .endsWith("\nCounted from Li Chun, your Kua number would be 9."));
    program_->press(program_->result(), "cmdBack");

    program_->input()->findChild<QAction*>("mnuLiChun")->trigger();
    const auto store = program_->desktop().settings;
    program_ = std::make_unique<test::ProgramDriver>();
    program_->desktop().settings = store;
    QVERIFY(program_->application().StartUp());
    QVERIFY(program_->input()->findChild<QAction*>("mnuLiChun")->isChecked());

    program_->proceed(ann, tom);
    QCOMPARE(program_->shown("lblFengShuiKuaNo_0"), QString("9"));
    QCOMPARE(program_->shown("lblFengShuiKuaNo_1"), QString("6"));
    program_->showTab(3);
    const QStringList self = program_->shown("lblCountedYear_0").split('\n');
    QCOMPARE(self.size(), 2);
    QVERIFY(self[0].startsWith("Counted from 1985: born on or after Li Chun ("));
    QCOMPARE(self[1], QString("Counted from 1 March, your Kua number would be 8."));
    QVERIFY(program_->shown("lblCountedYear_1").startsWith("Counted from 1985: born on or after "));
    QVERIFY(!program_->shown("lblCountedYear_1").contains('\n'));
}

QTEST_MAIN(ReadingFlowTest)
#include "reading_flow_test.moc"
