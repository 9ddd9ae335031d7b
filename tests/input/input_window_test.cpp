// The input window as a user meets it: what it shows after loading, where Tab goes, what the
// proceed button says about bad details, which page every link opens, and which promotion
// is in front after a draw.

#include "engine/couple_reading.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/user_input.h"
#include "ui/common/link_label.h"
#include "ui/common/program_style.h"
#include "ui/common/widgets.h"
#include "ui/input/frm_main.h"
#include "ui/links/about_box.h"
#include "ui/links/web_hosts.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

using platform::MessageButtons;
using platform::MessageIcon;

Q_DECLARE_METATYPE(platform::MessageIcon)

namespace {} // namespace

using test::http;
using test::Person;

Q_DECLARE_METATYPE(Person)

class InputWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadedState();
    void reloadedWindowStartsEmpty();
    void tabOrder();
    void menus();
    void validation_data();
    void validation();
    void proceedButtonRunsTheValidation();
    void webCommands_data();
    void webCommands();
    void hiddenMakeMoneyEntry();
    void linkClickedTwiceOpensTwice();
    void aboutBoxIsModal();
    void coBrandRandomize_data();
    void coBrandRandomize();
    void programStyleLooksAsTheDesktopStyle();

private:
    template <typename T> T* control(const QString& name) const {
        return window_->findChild<T*>(name);
    }
    void createWindow();
    void showAndActivate();
    void enter(int person, const Person& details);
    void verifyLoadedState();
    QWidget* promotionInFront() const;

    engine::CoupleReading reading_;
    std::unique_ptr<test::FakeDesktop> desktop_;
    QPointer<ui::frmMain> window_;
};

void InputWindowTest::initTestCase() {
    ui::useProgramFont(*qApp);
}

void InputWindowTest::init() {
    desktop_ = std::make_unique<test::FakeDesktop>();
    createWindow();
}

void InputWindowTest::cleanup() {
    delete window_.data();
    desktop_.reset();
}

void InputWindowTest::createWindow() {
    window_ = new ui::frmMain(reading_, *desktop_);
}

void InputWindowTest::showAndActivate() {
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void InputWindowTest::enter(int person, const Person& details) {
    test::enterPerson(window_, person, details);
}

void InputWindowTest::verifyLoadedState() {
    const QStringList months = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
    for (int person = 0; person < 2; ++person) {
        auto* day = control<QComboBox>(QStringLiteral("cboDate_%1").arg(person));
        auto* month = control<QComboBox>(QStringLiteral("cboMonth_%1").arg(person));
        auto* year = control<QComboBox>(QStringLiteral("cboYear_%1").arg(person));
        QCOMPARE(day->count(), 31);
        QCOMPARE(day->itemText(30), QStringLiteral("31"));
        QCOMPARE(month->count(), 12);
        for (int index = 0; index < 12; ++index) {
            QCOMPARE(month->itemText(index), months[index]);
        }
        QCOMPARE(year->count(), 151);
        QCOMPARE(year->itemText(150), QStringLiteral("2050"));
        QCOMPARE(day->currentText(), QStringLiteral("1"));
        QCOMPARE(month->currentText(), QStringLiteral("January"));
        QCOMPARE(year->currentText(), QStringLiteral("1900"));
        QVERIFY(!day->isEditable() && !month->isEditable() && !year->isEditable());
        QCOMPARE(control<QLineEdit>(QStringLiteral("txtName_%1").arg(person))->text(), QString());
    }
    for (int button = 0; button < 4; ++button) {
        QVERIFY(!control<QRadioButton>(QStringLiteral("optSex_%1").arg(button))->isChecked());
    }
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(QStringLiteral("txtName_0")));
}

void InputWindowTest::loadedState() {
    showAndActivate();
    QCOMPARE(window_->windowTitle(), QStringLiteral("VA Zuvo Dada Vuvizoreduror v1.0"));
    QCOMPARE(window_->centralWidget()->size(), QSize(573, 388)); // 8595 x 5820 twips
    QVERIFY(window_->testAttribute(Qt::WA_DeleteOnClose));
    verifyLoadedState();
}

void InputWindowTest::reloadedWindowStartsEmpty() {
    showAndActivate();
    enter(0, {"Ann", "Female", "12", "May", "1975"});
    enter(1, {"Bob", "Male", "3", "March", "1972"});
    window_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window_.isNull());

    createWindow();
    showAndActivate();
    verifyLoadedState();
}

void InputWindowTest::tabOrder() {
    showAndActivate();
    // The window's keyboard order, each control in it once.
    const QStringList order = {"txtName_0",  "cboDate_0",   "cboMonth_0", "cboYear_0",  "txtName_1",
                               "cboDate_1",  "cboMonth_1",  "cboYear_1",  "cmdProceed", "optSex_0",
                               "optSex_1",   "optSex_2",    "optSex_3",   "Label14",    "cmdOpen",
                               "lblCobrand", "lblFullBrand"};
    QStringList chain;
    QWidget* first = control<QWidget>(QStringLiteral("txtName_0"));
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && order.contains(widget->objectName())) {
            chain.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(chain, order);

    // Pressing Tab: each pair of sex buttons is one stop, as a group of option buttons is, and
    // the promotion behind the one in front is skipped.
    const QStringList stops = {"cboDate_0",  "cboMonth_0", "cboYear_0",  "txtName_1", "cboDate_1",
                               "cboMonth_1", "cboYear_1",  "cmdProceed", "optSex_0",  "optSex_2",
                               "Label14",    "cmdOpen",    "lblCobrand", "txtName_0"};
    QStringList visited;
    for (qsizetype step = 0; step < stops.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, stops);

    // Within a pair the arrow keys move on.
    control<QWidget>(QStringLiteral("optSex_0"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optSex_1"));
}

void InputWindowTest::menus() {
    auto* help = control<QMenu>(QStringLiteral("mnuHelp"));
    QCOMPARE(help->title(), QStringLiteral("&Help"));
    QStringList entries;
    for (QAction* action : help->actions()) {
        entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(entries, QStringList({"&Online Help", "&Visit Us Online", "-",
                                   "&Check for Software Update", "-", "&About Software"}));
    QStringList bar;
    for (QAction* action : window_->menuBar()->actions()) {
        if (action->isVisible()) {
            bar.append(action->text());
        }
    }
    QCOMPARE(bar, QStringList({"&Settings", "&Help", "&Donate"}));
    QVERIFY(control<QAction>(QStringLiteral("mnuLiChun"))->isCheckable());
}

void InputWindowTest::validation_data() {
    QTest::addColumn<Person>("self");
    QTest::addColumn<Person>("partner");
    QTest::addColumn<QString>("message"); // empty: the details pass
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QString>("focus"); // where the focus is afterwards

    const Person ann{"Ann", "Female", "1", "January", "1900"};
    const Person bob{"Bob", "Male", "1", "January", "1900"};
    const auto born = [](Person person, const char* day, const char* month, const char* year) {
        person.day = day;
        person.month = month;
        person.year = year;
        return person;
    };
    const auto named = [](Person person, const char* name) {
        person.name = name;
        return person;
    };
    const auto sexless = [](Person person) {
        person.sex.clear();
        return person;
    };
    const auto critical = MessageIcon::Critical;
    const auto information = MessageIcon::Information;
    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString shortMonth = QStringLiteral("Please Enter Correct Date Or Month !");
    // Date faults leave the focus where it was: on the partner's year list in these rows.
    const QString unchanged = QStringLiteral("cboYear_1");

    QTest::newRow("the loaded dates pass once names and sexes are given")
        << ann << bob << QString() << critical << unchanged;
    QTest::newRow("both names empty: only the user's name is asked for")
        << named(ann, "") << named(bob, "") << "Please Enter Your Name" << critical << "txtName_0";
    QTest::newRow("a name of blanks only is a name")
        << named(ann, "   ") << named(bob, " ") << QString() << critical << unchanged;
    QTest::newRow("user's sex missing and partner unnamed: the sex comes first")
        << sexless(ann) << named(bob, "") << "Please Specify Your Sex" << critical << "cmdProceed";
    QTest::newRow("partner's name missing")
        << ann << named(bob, "") << "Please Enter Your Partner's Name" << critical << "txtName_1";
    QTest::newRow("partner's sex missing")
        << ann << sexless(bob) << "Please Specify Your Partner's Sex" << critical << "cmdProceed";
    QTest::newRow("names and sexes are checked before any date")
        << born(ann, "31", "April", "1980") << sexless(bob) << "Please Specify Your Partner's Sex"
        << critical << "cmdProceed";
    QTest::newRow("29 February 1996 passes")
        << born(ann, "29", "February", "1996") << bob << QString() << critical << unchanged;
    QTest::newRow("29 February 2000 passes")
        << born(ann, "29", "February", "2000") << bob << QString() << critical << unchanged;
    QTest::newRow("29 February 1900 passes: every fourth year is a leap year")
        << born(ann, "29", "February", "1900") << bob << QString() << critical << unchanged;
    QTest::newRow("29 February 1997 is refused")
        << born(ann, "29", "February", "1997") << bob << february << information << unchanged;
    QTest::newRow("30 February 2000 is refused")
        << born(ann, "30", "February", "2000") << bob << february << information << unchanged;
    QTest::newRow("31 February 2001 is refused")
        << born(ann, "31", "February", "2001") << bob << february << information << unchanged;
    QTest::newRow("28 February 1997 passes")
        << born(ann, "28", "February", "1997") << bob << QString() << critical << unchanged;
    QTest::newRow("31 April is refused")
        << born(ann, "31", "April", "1980") << bob << shortMonth << information << unchanged;
    QTest::newRow("31 June is refused")
        << born(ann, "31", "June", "1980") << bob << shortMonth << information << unchanged;
    QTest::newRow("31 September is refused")
        << born(ann, "31", "September", "1980") << bob << shortMonth << information << unchanged;
    QTest::newRow("31 November is refused")
        << born(ann, "31", "November", "1980") << bob << shortMonth << information << unchanged;
    QTest::newRow("30 April passes")
        << born(ann, "30", "April", "1980") << bob << QString() << critical << unchanged;
    QTest::newRow("31 May passes")
        << born(ann, "31", "May", "1980") << bob << QString() << critical << unchanged;
    QTest::newRow("31 December passes")
        << born(ann, "31", "December", "2050") << bob << QString() << critical << unchanged;
    QTest::newRow("partner's 29 February 1997 is refused")
        << ann << born(bob, "29", "February", "1997") << february << information << unchanged;
    QTest::newRow("partner's 31 November is refused")
        << ann << born(bob, "31", "November", "1999") << shortMonth << information << unchanged;
    QTest::newRow("the user's date is checked before the partner's")
        << born(ann, "31", "June", "1980") << born(bob, "30", "February", "1980") << shortMonth
        << information << unchanged;
}

void InputWindowTest::validation() {
    QFETCH(Person, self);
    QFETCH(Person, partner);
    QFETCH(QString, message);
    QFETCH(MessageIcon, icon);
    QFETCH(QString, focus);

    showAndActivate();
    enter(0, self);
    enter(1, partner);
    control<QWidget>(QStringLiteral("cboYear_1"))->setFocus();

    QCOMPARE(window_->ValidateInput(), message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(desktop_->messages.empty());
    } else {
        QCOMPARE(desktop_->messageTexts(), QStringList{message});
        QCOMPARE(desktop_->messages.front().icon, icon);
        QCOMPARE(desktop_->messages.front().buttons, MessageButtons::Ok);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void InputWindowTest::proceedButtonRunsTheValidation() {
    showAndActivate();
    enter(0, {"Ann", "Female", "1", "January", "1900"});
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdProceed")), Qt::LeftButton);
    QCOMPARE(desktop_->messageTexts(), QStringList{"Please Enter Your Partner's Name"});
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtName_1"));
    // What was typed stays for the user to correct.
    QCOMPARE(control<QLineEdit>(QStringLiteral("txtName_0"))->text(), QStringLiteral("Ann"));
    QVERIFY(window_->isVisible());
}

void InputWindowTest::webCommands_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");

    using namespace ui::hosts;
    QTest::newRow("Online Help") << "mnuOnline"
                                 << http(ProgramSite, "/vo-deze-vade-ruzo-rarovivozizuv-help.html");
    QTest::newRow("Visit Us Online: the home page has no trailing slash")
        << "mnuVisit" << http(MainSite);
    QTest::newRow("Check for Software Update")
        << "mnuUpdate" << http(ProgramSite, "/zevezevi-ze-zivi-vodo-deza-dirirazodevur.html");
    QTest::newRow("Donate") << "mnuDonate" << http(HelpSite, "/donate.html");
    QTest::newRow("forum invitation") << "Label14" << http(MainSite);
    QTest::newRow("co-branding offer") << "lblCobrand" << http(HelpSite, "/co-brand.html");
    QTest::newRow("fully branded offer") << "lblFullBrand" << http(HelpSite, "/fully-branded.html");
}

void InputWindowTest::webCommands() {
    QFETCH(QString, control);
    QFETCH(QString, address);

    showAndActivate();
    if (auto* action = this->control<QAction>(control)) {
        action->trigger();
    } else {
        auto* link = this->control<ui::LinkLabel>(control);
        QVERIFY(link);
        // Only the promotion in front can be clicked; a draw of 0.5 puts the full-brand offer
        // there, one of 0 the co-branding offer.
        desktop_->randomValues = {control == QLatin1String("lblFullBrand") ? 0.5 : 0.0};
        window_->CoBrand_Randomize();
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->isVisible());
        QTest::mouseClick(link, Qt::LeftButton);
    }
    QCOMPARE(desktop_->openedUrls, QStringList{address});
    QVERIFY(desktop_->messages.empty());
}

void InputWindowTest::hiddenMakeMoneyEntry() {
    auto* entry = control<QAction>(QStringLiteral("mnuMakeMoneyOnline"));
    QCOMPARE(entry->text(), QStringLiteral("&Make Money Online"));
    QVERIFY(!entry->isVisible());
    QVERIFY(!entry->isEnabled());
    entry->trigger();
    QVERIFY(desktop_->openedUrls.isEmpty());
    // Behind the hidden entry sits the fully branded offer.
    entry->setEnabled(true);
    entry->trigger();
    QCOMPARE(desktop_->openedUrls, QStringList{http(ui::hosts::HelpSite, "/fully-branded.html")});
}

void InputWindowTest::linkClickedTwiceOpensTwice() {
    showAndActivate();
    auto* link = control<ui::LinkLabel>(QStringLiteral("Label14"));
    QVERIFY(link->text().contains(QLatin1String(ui::hosts::MainSite)));
    QTest::mouseClick(link, Qt::LeftButton);
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Space);
    QCOMPARE(desktop_->openedUrls,
             QStringList({http(ui::hosts::MainSite), http(ui::hosts::MainSite)}));
}

void InputWindowTest::aboutBoxIsModal() {
    showAndActivate();
    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        auto* box = qobject_cast<ui::frmAbout*>(QApplication::activeModalWidget());
        if (box) {
            shown = box->windowTitle();
            QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        }
    });
    control<QAction>(QStringLiteral("mnuAbout"))->trigger();
    QCOMPARE(shown, QStringLiteral("VA Zuvo Dada Vuvizoreduror v1.0"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void InputWindowTest::coBrandRandomize_data() {
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("front");

    QTest::newRow("0 gives 1: co-branding") << QList<double>{0.0} << "lblCobrand";
    QTest::newRow("0.08 gives 1.48, so 1: co-branding") << QList<double>{0.08} << "lblCobrand";
    QTest::newRow("0.25 gives 2.5, a half, rounded to the even 2: full brand")
        << QList<double>{0.25} << "lblFullBrand";
    QTest::newRow("0.4 gives 3.4, so 3: co-branding") << QList<double>{0.4} << "lblCobrand";
    QTest::newRow("0.5 gives 4: full brand") << QList<double>{0.5} << "lblFullBrand";
    QTest::newRow("0.7 gives 5.2, so 5: co-branding") << QList<double>{0.7} << "lblCobrand";
    QTest::newRow("0.75 gives 5.5, rounded to the even 6: full brand")
        << QList<double>{0.75} << "lblFullBrand";
    QTest::newRow("0.9 gives 6.4, so 6: full brand") << QList<double>{0.9} << "lblFullBrand";
    QTest::newRow("7 keeps the full-brand offer in front")
        << QList<double>{0.5, 0.95} << "lblFullBrand";
    QTest::newRow("7 keeps the co-branding offer in front")
        << QList<double>{0.5, 0.0, 0.95} << "lblCobrand";
    QTest::newRow("0.9999 gives 7 as well") << QList<double>{0.5, 0.9999} << "lblFullBrand";
}

QWidget* InputWindowTest::promotionInFront() const {
    auto* band = control<QWidget>(QStringLiteral("fraFullBrand"));
    auto* someLabel = control<QWidget>(QStringLiteral("lblCobrand"));
    return band->childAt(someLabel->geometry().center());
}

void InputWindowTest::coBrandRandomize() {
    QFETCH(QList<double>, draws);
    QFETCH(QString, front);

    showAndActivate();
    for (double draw : draws) {
        desktop_->randomValues = {draw};
        window_->CoBrand_Randomize();
    }
    QCOMPARE(desktop_->randomDraws, static_cast<int>(draws.size()));
    QWidget* seen = promotionInFront();
    QVERIFY(seen);
    QCOMPARE(seen->objectName(), front);
    const QString other =
        front == QLatin1String("lblCobrand") ? QStringLiteral("lblFullBrand") : "lblCobrand";
    QVERIFY(!control<QWidget>(other)->isVisible());
}

// The program's style reads Qt's own pictures differently, never draws them differently: the
// window, group boxes and menu bar included, is the same to the pixel.
void InputWindowTest::programStyleLooksAsTheDesktopStyle() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    const QImage desktopStyle = window_->grab().toImage();
    const QString desktopStyleName = QApplication::style()->name();
    QApplication::setStyle(new ui::ProgramStyle);
    const QImage programStyle = window_->grab().toImage();
    QApplication::setStyle(desktopStyleName);
    QCOMPARE(programStyle, desktopStyle);
}

QTEST_MAIN(InputWindowTest)
#include "input_window_test.moc"
