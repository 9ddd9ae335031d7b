// The exit screen on its own: the promotion it draws, the forum box that never stays ticked,
// the placeholders, the space filter, and the refer-a-friend rules in their order down to
// the exact request address.

#include "shell/exit_screen.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/user_input.h"
#include "ui/common/link_label.h"
#include "ui/common/widgets.h"
#include "ui/links/web_hosts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using test::http;

namespace {

// What the user does to one box before pressing submit: leave it as it is (a null text),
// or empty it and type the text.
struct Referral {
    QString name;
    QString email;
    QString friendName;
    QString friendEmail;
    QString message;
};

} // namespace

Q_DECLARE_METATYPE(Referral)

class ExitScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::useProgramFont(*qApp); }
    void init();
    void cleanup();

    void promotionDrawnAtLoad_data();
    void promotionDrawnAtLoad();
    void windowAndPlacement();
    void forumBoxNeverStaysTicked();
    void catalogueLink();
    void keyboardOrder();
    void placeholders_data();
    void placeholders();
    void messageBoxKeepsItsLineBreak();
    void spaceFilter_data();
    void spaceFilter();
    void submit_data();
    void submit();
    void requestCanBeSentAgain();

private:
    template <typename T = QWidget> T* control(const char* name) const {
        return screen_->findChild<T*>(QLatin1String(name));
    }
    void showAndActivate();
    void typeInto(const char* box, const QString& text);
    void pasteInto(const char* box, const QString& text);
    QString textOf(const char* box) const;

    std::unique_ptr<test::FakeDesktop> desktop_;
    QPointer<shell::frmExit> screen_;
};

void ExitScreenTest::init() {
    desktop_ = std::make_unique<test::FakeDesktop>();
    screen_ = new shell::frmExit(*desktop_);
}

void ExitScreenTest::cleanup() {
    delete screen_.data();
    desktop_.reset();
}

void ExitScreenTest::showAndActivate() {
    screen_->show();
    screen_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

QString ExitScreenTest::textOf(const char* box) const {
    if (auto* line = control<QLineEdit>(box)) {
        return line->text();
    }
    return control<QPlainTextEdit>(box)->toPlainText();
}

// Like a user: click into the box, clear what is there, type, and move on with Tab.
void ExitScreenTest::typeInto(const char* box, const QString& text) {
    QWidget* widget = control(box);
    widget->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    for (QChar character : text) {
        if (character == QLatin1Char('\n')) {
            QTest::keyClick(widget, Qt::Key_Return);
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
    QTest::keyClick(widget, Qt::Key_Tab);
}

// Text that arrives by pasting, which no key filter sees.
void ExitScreenTest::pasteInto(const char* box, const QString& text) {
    QWidget* widget = control(box);
    widget->setFocus(Qt::MouseFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->selectAll();
        line->insert(text);
    } else {
        auto* lines = static_cast<QPlainTextEdit*>(widget);
        lines->selectAll();
        lines->insertPlainText(text);
    }
    QTest::keyClick(widget, Qt::Key_Tab);
}

void ExitScreenTest::promotionDrawnAtLoad_data() {
    QTest::addColumn<double>("draw");
    QTest::addColumn<double>("sameQuarter");
    QTest::newRow("first quarter") << 0.0 << 0.2499;
    QTest::newRow("second quarter") << 0.25 << 0.4999;
    QTest::newRow("third quarter") << 0.5 << 0.7499;
    QTest::newRow("fourth quarter") << 0.75 << 0.9999;
}

void ExitScreenTest::promotionDrawnAtLoad() {
    QFETCH(double, draw);
    QFETCH(double, sameQuarter);

    // Each quarter of the draw gives a message of its own, and the whole quarter gives it.
    QStringList messages;
    for (double quarter : {0.0, 0.25, 0.5, 0.75}) {
        test::FakeDesktop desktop;
        desktop.randomValues = {quarter};
        shell::frmExit screen(desktop);
        QCOMPARE(desktop.calls, QStringList({"now", "seedRandom", "random"}));
        messages.append(screen.findChild<QLabel*>(QStringLiteral("Label2"))->text());
    }
    QCOMPARE(QSet<QString>(messages.begin(), messages.end()).size(), 4);

    test::FakeDesktop desktop;
    desktop.randomValues = {sameQuarter};
    shell::frmExit screen(desktop);
    const QString shown = screen.findChild<QLabel*>(QStringLiteral("Label2"))->text();
    QCOMPARE(shown, messages[static_cast<int>(draw * 4)]);
    QVERIFY(shown.contains(QLatin1String(ui::hosts::MainSite)));
}

void ExitScreenTest::windowAndPlacement() {
    QCOMPARE(screen_->windowTitle(), QStringLiteral("VA Zuvo Dada Vuvizoreduror v1.0"));
    QCOMPARE(screen_->size(), QSize(741, 315)); // 11115 x 4725 twips
    QVERIFY(screen_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // Whether the window system honours it cannot be seen without one; the request is made.
    QVERIFY(screen_->testAttribute(Qt::WA_ShowWithoutActivating));
}

void ExitScreenTest::forumBoxNeverStaysTicked() {
    showAndActivate();
    auto* box = control<QCheckBox>("Check1");
    QVERIFY(box->text().contains(QLatin1String(ui::hosts::MainSite)));
    QCOMPARE(box->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(desktop_->openedUrls, QStringList{http(ui::hosts::MainSite)});

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(!box->isChecked());
    QCOMPARE(desktop_->openedUrls.size(), 2);
}

void ExitScreenTest::catalogueLink() {
    showAndActivate();
    auto* link = control<ui::LinkLabel>("lblGoToHome");
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(desktop_->openedUrls, QStringList{http(ui::hosts::MainSite, "/vedazoverezuvuro")});
}

void ExitScreenTest::keyboardOrder() {
    showAndActivate();
    control("cmdClose")->setFocus();
    const QStringList expected = {"Check1",     "txtName",        "cmdSubmit",
                                  "txtEmail",   "txtFriendEmail", "txtFriendName",
                                  "txtMessage", "lblGoToHome",    "cmdClose"};
    QStringList visited;
    for (qsizetype step = 0; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

void ExitScreenTest::placeholders_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("your name") << "txtName"
                               << "Your Name";
    QTest::newRow("your address") << "txtEmail"
                                  << "Your Email Address";
    QTest::newRow("friend's name") << "txtFriendName"
                                   << "Friend's Name";
    QTest::newRow("friend's address") << "txtFriendEmail"
                                      << "Friend's Email Address";
    QTest::newRow("message") << "txtMessage"
                             << "Your Message";
}

void ExitScreenTest::placeholders() {
    QFETCH(QString, box);
    QFETCH(QString, placeholder);
    const QByteArray name = box.toLatin1();
    showAndActivate();
    QWidget* widget = control(name.constData());
    QWidget* elsewhere = control("cmdClose");

    // Left empty, or blanks only, the box shows its placeholder again.
    pasteInto(name.constData(), QStringLiteral("   "));
    QCOMPARE(textOf(name.constData()), placeholder);
    // The placeholder, even with blanks around it, clears when the box is entered.
    widget->setFocus(Qt::TabFocusReason);
    QCOMPARE(textOf(name.constData()), QString());
    pasteInto(name.constData(), QStringLiteral("  ") + placeholder + QStringLiteral(" "));
    widget->setFocus(Qt::MouseFocusReason);
    QCOMPARE(textOf(name.constData()), QString());
    // Anything else is the user's own text and stays, whatever its case.
    pasteInto(name.constData(), placeholder.toUpper());
    widget->setFocus(Qt::TabFocusReason);
    elsewhere->setFocus(Qt::TabFocusReason);
    QCOMPARE(textOf(name.constData()), placeholder.toUpper());
}

void ExitScreenTest::messageBoxKeepsItsLineBreak() {
    showAndActivate();
    // The message starts as its placeholder and a line break, which is not the placeholder.
    control("txtMessage")->setFocus(Qt::TabFocusReason);
    QCOMPARE(textOf("txtMessage"), QStringLiteral("Your Message\n"));
}

void ExitScreenTest::spaceFilter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("filtered");
    QTest::newRow("your address") << "txtEmail" << true;
    QTest::newRow("friend's address") << "txtFriendEmail" << true;
    QTest::newRow("names take blanks") << "txtName" << false;
    QTest::newRow("friend's name takes blanks") << "txtFriendName" << false;
}

void ExitScreenTest::spaceFilter() {
    QFETCH(QString, box);
    QFETCH(bool, filtered);
    showAndActivate();
    auto* widget = control<QLineEdit>(box.toLatin1().constData());
    widget->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(widget, QStringLiteral("a b"));

    QCOMPARE(widget->text(), filtered ? QStringLiteral("ab") : QStringLiteral("a b"));
    QCOMPARE(QApplication::focusWidget(), widget);
    if (filtered) {
        QCOMPARE(desktop_->messageTexts(), QStringList{"Email Address Cannot Contain Space"});
        QCOMPARE(desktop_->messages.front().icon, platform::MessageIcon::Critical);
    } else {
        QVERIFY(desktop_->messages.empty());
    }
    // Pasted text is not filtered.
    if (filtered) {
        widget->insert(QStringLiteral(" c"));
        QCOMPARE(widget->text(), QStringLiteral("ab c"));
    }
}

void ExitScreenTest::submit_data() {
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("message"); // empty: the request is sent
    QTest::addColumn<QString>("query");   // the request's query up to "&taf6="

    const Referral good{"Ann", "ann@example.com", "Bob", "bob@example.org", QString()};
    const auto with = [](Referral referral, QString Referral::*field, const char* text) {
        referral.*field = QString::fromUtf8(text);
        return referral;
    };
    const QString improper = QStringLiteral("Please Enter Proper Email Address");
    const QString sentAsIs = QStringLiteral("taf1=Ann&taf2=ann%40example.com"
                                            "&taf3=Your%20Message%0D%0A"
                                            "&taf4=Bob&taf5=bob%40example.org");

    QTest::newRow("all boxes untouched: the placeholders are no addresses")
        << Referral{} << improper << QString();
    QTest::newRow("the same address twice is refused before anything else")
        << with(with(Referral{}, &Referral::email, "x"), &Referral::friendEmail, "x")
        << "Please Enter Distinct Email Addresses" << QString();
    QTest::newRow("the same address twice, even a proper one")
        << with(with(Referral{}, &Referral::email, "a@b.c"), &Referral::friendEmail, "a@b.c")
        << "Please Enter Distinct Email Addresses" << QString();
    QTest::newRow("no @ in your address")
        << with(good, &Referral::email, "ann.example.com") << improper << QString();
    QTest::newRow("no @ in your friend's address")
        << with(good, &Referral::friendEmail, "bob.example.org") << improper << QString();
    QTest::newRow("no dot in your address")
        << with(good, &Referral::email, "ann@example") << improper << QString();
    QTest::newRow("no dot in your friend's address")
        << with(good, &Referral::friendEmail, "bob@example") << improper << QString();
    QTest::newRow("your name left at its placeholder")
        << with(good, &Referral::name, "Your Name") << "Please Enter Your Name" << QString();
    QTest::newRow("your name of blanks only")
        << with(good, &Referral::name, "   ") << "Please Enter Your Name" << QString();
    QTest::newRow("message emptied")
        << with(good, &Referral::message, "") << "Please Enter Your Message" << QString();
    QTest::newRow("friend's name left at its placeholder")
        << with(good, &Referral::friendName, "Friend's Name") << "Please Enter Your Friend's Name"
        << QString();
    QTest::newRow("all filled in: the message is sent as it stands, with its line break")
        << good << QString() << sentAsIs;
    QTest::newRow("addresses differing only in case are distinct")
        << with(good, &Referral::friendEmail, "ANN@example.com") << QString()
        << "taf1=Ann&taf2=ann%40example.com&taf3=Your%20Message%0D%0A&taf4=Bob"
           "&taf5=ANN%40example.com";
    QTest::newRow("a dot before the @ is enough")
        << with(good, &Referral::email, "ann.lee@example") << QString()
        << "taf1=Ann&taf2=ann.lee%40example&taf3=Your%20Message%0D%0A&taf4=Bob"
           "&taf5=bob%40example.org";
    QTest::newRow("blanks around a value are dropped")
        << with(good, &Referral::name, "  Ann  ") << QString() << sentAsIs;
    QTest::newRow("characters that would forge the request are encoded")
        << with(with(good, &Referral::name, "Ann & Co=1#2+3"), &Referral::message,
                "Hi,\nyou'll like it")
        << QString()
        << "taf1=Ann%20%26%20Co%3D1%232%2B3&taf2=ann%40example.com"
           "&taf3=Hi%2C%0D%0Ayou%27ll%20like%20it&taf4=Bob&taf5=bob%40example.org";
    QTest::newRow("letters beyond ASCII go as UTF-8, unreserved marks stay")
        << with(with(good, &Referral::name, "Zoë"), &Referral::friendName, "a-b_c.d~e") << QString()
        << "taf1=Zo%C3%AB&taf2=ann%40example.com&taf3=Your%20Message%0D%0A"
           "&taf4=a-b_c.d~e&taf5=bob%40example.org";
}

void ExitScreenTest::submit() {
    QFETCH(Referral, referral);
    QFETCH(QString, message);
    QFETCH(QString, query);

    showAndActivate();
    const std::pair<const char*, QString> boxes[] = {
        {"txtName", referral.name},
        {"txtEmail", referral.email},
        {"txtFriendName", referral.friendName},
        {"txtFriendEmail", referral.friendEmail},
        {"txtMessage", referral.message},
    };
    for (const auto& [box, text] : boxes) {
        if (!text.isNull()) {
            typeInto(box, text);
        }
    }
    QTest::mouseClick(control<QPushButton>("cmdSubmit"), Qt::LeftButton);

    if (query.isEmpty()) {
        QVERIFY(desktop_->openedUrls.isEmpty());
        QCOMPARE(desktop_->messageTexts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(desktop_->messages.front().icon, platform::MessageIcon::Critical);
        }
        return;
    }
    QVERIFY(desktop_->messages.empty());
    QCOMPARE(desktop_->openedUrls,
             QStringList{http(ui::hosts::MainSite, "/rire-refer-a-friend.php?") + query +
                         QStringLiteral("&taf6=") + http(ui::hosts::ProgramSite, "/")});
}

void ExitScreenTest::requestCanBeSentAgain() {
    showAndActivate();
    typeInto("txtName", QStringLiteral("Ann"));
    typeInto("txtEmail", QStringLiteral("ann@example.com"));
    typeInto("txtFriendName", QStringLiteral("Bob"));
    typeInto("txtFriendEmail", QStringLiteral("bob@example.org"));
    auto* submit = control<QPushButton>("cmdSubmit");
    QTest::mouseClick(submit, Qt::LeftButton);
    QTest::mouseClick(submit, Qt::LeftButton);
    QCOMPARE(desktop_->openedUrls.size(), 2);
    QCOMPARE(desktop_->openedUrls[0], desktop_->openedUrls[1]);
    QCOMPARE(textOf("txtName"), QStringLiteral("Ann"));
}

QTEST_MAIN(ExitScreenTest)
#include "exit_screen_test.moc"
