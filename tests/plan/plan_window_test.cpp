#include "tests/support/fake_desktop.h"
#include "tests/support/plan_pictures.h"
#include "tests/support/readings.h"
#include "translations/translations.h"
#include "ui/common/home_plan.h"
#include "ui/common/program_settings.h"
#include "ui/plan/frm_home_plan.h"
#include "ui/plan/plan_picture.h"
#include "ui/plan/plan_view.h"
#include "ui/result/frm_result.h"

#include <QAction>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using ui::frmHomePlan;

namespace {

// Anna of Kua 9 and Ben of Kua 3 in a house that faces South: a Kan house.
engine::CoupleReading annaAndBen() {
    engine::CoupleReading reading = test::readingOf(9, 3);
    reading.Self.Name = "Anna";
    reading.Partner.Name = "Ben";
    return reading;
}

QString writePlan(const QTemporaryDir& folder, const QByteArray& bytes,
                  const QString& name = QStringLiteral("plan.png")) {
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return {};
    }
    return file.fileName();
}

QListWidget* regionsOf(const frmHomePlan& window) {
    return window.findChild<QListWidget*>("lstRegions");
}

// The spot a ruler and a protractor find on the picture: so far from the home's centre, at an
// angle clockwise from the picture's top; where it lies on the screen.
QPoint onScreen(const frmHomePlan& window, QPointF centre, double pictureDegrees) {
    const auto* view = window.findChild<ui::PlanView*>("viewPlan");
    const double radians = pictureDegrees * std::numbers::pi / 180.0;
    const QPointF spot = centre + 200 * QPointF(std::sin(radians), -std::cos(radians));
    return view->toView().map(spot).toPoint();
}

QString spotReport(frmHomePlan& window, QPoint at) {
    QTest::mouseMove(window.findChild<ui::PlanView*>("viewPlan"), at);
    return window.findChild<QLabel*>("lblSpot")->text();
}

} // namespace

class PlanWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void hostilePicturesGetTheirMessage_data();
    void hostilePicturesGetTheirMessage();
    void aTurnedPlanHoldsItsSectorsAfterARestart();
    void theFrontDoorTurnsThePlan_data();
    void theFrontDoorTurnsThePlan();
    void forgettingTheHomeForgetsItsPlan();
    void thePlanPageIsOnePage();
};

void PlanWindowTest::initTestCase() {
    translations::installFor(*QCoreApplication::instance());
}

void PlanWindowTest::hostilePicturesGetTheirMessage_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("fault");
    const auto row = [](const char* kind, ui::PlanFault fault) {
        QTest::newRow(kind) << QString::fromLatin1(kind) << static_cast<int>(fault);
    };
    row("claims 100000 x 100000 pixels", ui::PlanFault::TooLarge);
    row("a JPEG cut short", ui::PlanFault::Damaged);
    row("a PNG cut short", ui::PlanFault::Damaged);
    row("text named .png", ui::PlanFault::NotAPicture);
    row("a folder named .png", ui::PlanFault::Unreadable);
    row("no file at all", ui::PlanFault::Unreadable);
    row("larger than a plan's file may be", ui::PlanFault::Unreadable);
#ifdef Q_OS_UNIX
    row("a named pipe", ui::PlanFault::Unreadable);
    row("a link to a device", ui::PlanFault::Unreadable);
#endif
}

// Each gets its message, the window keeps no plan, and a good plan opens after it.
void PlanWindowTest::hostilePicturesGetTheirMessage() {
    QFETCH(QString, kind);
    QFETCH(int, fault);
    QTemporaryDir folder;
    const QImage plan = test::simplePlan({600, 400});
    QString path = folder.filePath("plan.png");
    if (kind.startsWith("claims")) {
        path = writePlan(folder, test::pngClaiming(100000, 100000));
    } else if (kind.contains("JPEG")) {
        const QByteArray jpeg = test::pictureFile(plan, "JPG");
        path = writePlan(folder, jpeg.left(jpeg.size() * 3 / 5), "plan.jpg");
    } else if (kind.contains("PNG")) {
        const QByteArray png = test::pictureFile(plan, "PNG");
        path = writePlan(folder, png.left(png.size() * 3 / 5));
    } else if (kind.startsWith("text")) {
        path = writePlan(folder, "Our new home: three rooms, a kitchen and a garden.\n");
    } else if (kind.contains("folder")) {
        QVERIFY(QDir(folder.path()).mkdir("plan.png"));
    } else if (kind.startsWith("larger")) {
        QFile large(path);
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(ui::kLargestPlanFileBytes + 1));
    } else if (kind.contains("device")) {
        // Endless zeros: a reader that took it for a file would never finish.
        QVERIFY(QFile::link("/dev/zero", path));
    } else if (kind.contains("pipe")) {
#ifdef Q_OS_UNIX
        // Nobody writes into it: a program that waited for a writer would wait for ever.
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    }

    test::FakeDesktop desktop;
    frmHomePlan window(annaAndBen(), desktop);
    window.show();
    window.openPlan(path);
    QCOMPARE(desktop.messageTexts(),
             QStringList{ui::planFaultText(static_cast<ui::PlanFault>(fault))});
    QCOMPARE(regionsOf(window)->count(), 0);
    QVERIFY(!ui::readHomePlan(desktop, ui::settingsApplication()));

    window.openPlan(writePlan(folder, test::pictureFile(plan, "JPG"), "good.jpg"));
    QCOMPARE(desktop.messages.size(), std::size_t{1});
    QCOMPARE(regionsOf(window)->count(), 8);
}

// A plan turned 30° with its centre moved by the keyboard: a spot North East of the centre
// names the stars there of the house and of each partner, then again after a restart, when the
// picture the user opened has gone.
void PlanWindowTest::aTurnedPlanHoldsItsSectorsAfterARestart() {
    QTemporaryDir folder;
    const QString path = writePlan(folder, test::pictureFile(test::simplePlan({900, 600}), "PNG"));
    test::FakeDesktop desktop;
    ui::writeHomeFacing(desktop, ui::settingsApplication(), 183.0);
    // The centre moved 5 steps right and 3 down, each a hundredth of the longer side; North
    // turned 30° right, so that North East lies 75° right of the picture's top.
    const QPointF centre(450 + 5 * 9, 300 + 3 * 9);
    const QString northEast = "North East: Five Ghosts for the house, Mishaps for Anna, Six "
                              "Killings for Ben";
    {
        frmHomePlan window(annaAndBen(), desktop);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        desktop.openFileAnswers.push_back(path);
        window.findChild<QPushButton*>("cmdOpenPlan")->click();
        QCOMPARE(regionsOf(window)->count(), 8);

        auto* north = window.findChild<QDoubleSpinBox*>("spnNorth");
        north->setFocus();
        north->selectAll();
        QTest::keyClicks(north, "30");
        QTest::keyClick(north, Qt::Key_Return);
        auto* view = window.findChild<ui::PlanView*>("viewPlan");
        view->setFocus();
        for (const auto& [key, presses] :
             {std::pair{Qt::Key_Right, 5}, std::pair{Qt::Key_Down, 3}}) {
            for (int i = 0; i < presses; ++i) {
                QTest::keyClick(view, key, Qt::ControlModifier);
            }
        }
        QCOMPARE(spotReport(window, onScreen(window, centre, 75)), northEast);
        QCOMPARE(spotReport(window, onScreen(window, centre, 30)).left(6), QString("North:"));
        QVERIFY(view->accessibleDescription().contains("North is turned 30° clockwise"));
    }
    QVERIFY(QFile::remove(path));

    frmHomePlan again(annaAndBen(), desktop);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QTRY_COMPARE(regionsOf(again)->count(), 8);
    QCOMPARE(again.findChild<QDoubleSpinBox*>("spnNorth")->value(), 30.0);
    QCOMPARE(spotReport(again, onScreen(again, centre, 75)), northEast);
    QVERIFY(desktop.messages.empty());

    // The program's copy gone too: the next window says so once, and the plan is forgotten.
    QVERIFY(QFile::remove(ui::keptPlanPath(desktop)));
    for (int start = 0; start < 2; ++start) {
        frmHomePlan later(annaAndBen(), desktop);
        later.show();
        QTRY_COMPARE(desktop.messages.size(), std::size_t{1});
        QTest::qWait(50);
        QCOMPARE(desktop.messages.size(), std::size_t{1});
        QCOMPARE(regionsOf(later)->count(), 0);
    }
}

void PlanWindowTest::theFrontDoorTurnsThePlan_data() {
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<double>("north");
    // The door clicked at the middle of the bottom wall: straight down from the centre, so
    // North lies 3° left of the picture's top for a house that faces 183°.
    QTest::newRow("clicked") << true << 357.0;
    // The keyboard's marker starts at the middle of the top edge: Enter takes it there.
    QTest::newRow("by the keyboard") << false << 177.0;
}

// "Align with the Front Door" turns the plan so that the door lies in the house's facing.
void PlanWindowTest::theFrontDoorTurnsThePlan() {
    QFETCH(bool, byMouse);
    QFETCH(double, north);
    QTemporaryDir folder;
    test::FakeDesktop desktop;
    ui::writeHomeFacing(desktop, ui::settingsApplication(), 183.0);
    frmHomePlan window(annaAndBen(), desktop);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.openPlan(writePlan(folder, test::pictureFile(test::simplePlan({900, 600}), "PNG")));
    window.findChild<QPushButton*>("cmdAlignDoor")->click();
    auto* view = window.findChild<ui::PlanView*>("viewPlan");
    if (byMouse) {
        QTest::mouseClick(view, Qt::LeftButton, {}, onScreen(window, {450, 300}, 180));
    } else {
        QTest::keyClick(view, Qt::Key_Return);
    }
    QCOMPARE(window.findChild<QDoubleSpinBox*>("spnNorth")->value(), north);
}

// "Forget This House" forgets the home whole: the facing, the plan and the program's copy.
void PlanWindowTest::forgettingTheHomeForgetsItsPlan() {
    QTemporaryDir folder;
    test::FakeDesktop desktop;
    {
        frmHomePlan window(annaAndBen(), desktop);
        window.show();
        window.openPlan(writePlan(folder, test::pictureFile(test::simplePlan({300, 200}), "PNG")));
    }
    QVERIFY(ui::readHomePlan(desktop, ui::settingsApplication()));
    QVERIFY(QFile::exists(ui::keptPlanPath(desktop)));
    const engine::CoupleReading reading = annaAndBen();
    ui::frmFengShuiCompatibilityResult result(reading, desktop);
    result.show();
    result.findChild<QTabBar*>("TS")->setCurrentIndex(3);
    QTest::keyClicks(result.findChild<QLineEdit*>("txtFacing"), "183");
    result.findChild<QPushButton*>("cmdForgetHome")->click();
    QVERIFY(!ui::readHomePlan(desktop, ui::settingsApplication()));
    QVERIFY(!QFile::exists(ui::keptPlanPath(desktop)));

    frmHomePlan again(annaAndBen(), desktop);
    again.show();
    QTest::qWait(50);
    QCOMPARE(regionsOf(again)->count(), 0);
    QVERIFY(desktop.messages.empty());
}

// The plan on a page of its own, in the suite's language, on A4 and on Letter: one page, with
// the picture as the page's one image and the sectors' words as text over it.
void PlanWindowTest::thePlanPageIsOnePage() {
    QTemporaryDir folder;
    const QString picture =
        writePlan(folder, test::pictureFile(test::simplePlan({1200, 1500}), "JPG"), "plan.jpg");
    for (const QLocale& paperOf : {QLocale(QLocale::English, QLocale::UnitedKingdom),
                                   QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(paperOf);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        test::FakeDesktop desktop;
        ui::writeHomeFacing(desktop, ui::settingsApplication(), 183.0);
        frmHomePlan window(annaAndBen(), desktop);
        window.show();
        window.openPlan(picture);
        const QString path = folder.filePath("plan.pdf");
        desktop.saveFileAnswers.push_back(path);
        window.findChild<QAction*>("mnuExportPlan")->trigger();
        QVERIFY(desktop.messages.empty());

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-enc", "UTF-8", path, "-"});
        QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) is needed");
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        const QString flat = text.simplified().remove(' ');
        QVERIFY(flat.contains(ui::northText(0).simplified().remove(' ')));
        const QString house = QCoreApplication::translate("ui::Plan", "House");
        QVERIFY2(text.count(house) >= 8, qPrintable(text)); // a label in each sector

        QProcess pdfimages;
        pdfimages.start("pdfimages", {"-list", path});
        QVERIFY(pdfimages.waitForFinished());
        // A header of two lines, then one line for each image.
        QCOMPARE(QString::fromUtf8(pdfimages.readAllStandardOutput()).trimmed().count('\n'), 2);
    }
}

QTEST_MAIN(PlanWindowTest)
#include "plan_window_test.moc"
