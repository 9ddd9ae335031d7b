#include "engine/engine.h"
#include "tests/support/clipped_labels.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/user_input.h"
#include "translations/translations.h"
#include "ui/common/advice_words.h"
#include "ui/common/compass_chart.h"
#include "ui/common/house_words.h"
#include "ui/common/reading_words.h"
#include "ui/result/frm_result.h"
#include "ui/result/reading_page.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>

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

// A point at a compass angle, North up and East to the right, as a reader holds a chart.
QPointF onCompass(const QPointF& centre, qreal radius, qreal degrees) {
    const qreal angle = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(angle), centre.y() - radius * std::cos(angle)};
}

// One direction's eighth of a ring: the ring cut by a wedge 22.5° either side of the middle.
QPainterPath ringPiece(const QPointF& centre, qreal inner, qreal outer, int sector) {
    QPainterPath ring;
    ring.addEllipse(centre, outer, outer);
    QPainterPath hole;
    hole.addEllipse(centre, inner, inner);
    QPainterPath wedge;
    wedge.moveTo(centre);
    for (int step = -4; step <= 4; ++step) {
        wedge.lineTo(onCompass(centre, outer * 2, 45.0 * sector + 22.5 * step / 4));
    }
    wedge.closeSubpath();
    return ring.subtracted(hole).intersected(wedge);
}

// What makes a chart's texts hard to read: smaller than the floor, over a sector's border, on a
// mark or on another text.
QStringList illegibleTexts(const ui::CompassChart& chart, qreal side, const QFont& font) {
    const ui::ChartLayout layout = ui::layoutCompass(chart, QRectF(0, 0, side, side), font);
    QStringList faults;
    const auto name = [&](const ui::ChartText& t) {
        return QStringLiteral("'%1' at %2° in ring %3, %4 px (side %5)")
            .arg(t.text)
            .arg(t.sector * 45)
            .arg(t.ring)
            .arg(t.pixelSize)
            .arg(side);
    };
    QPainterPath rings;
    rings.addEllipse(layout.centre, layout.outer, layout.outer);
    const auto outline = [](const ui::ChartText& t) {
        const QTransform turn = QTransform()
                                    .translate(t.box.center().x(), t.box.center().y())
                                    .rotate(t.rotation)
                                    .translate(-t.box.center().x(), -t.box.center().y());
        QPainterPath path;
        path.addPolygon(turn.map(QPolygonF(t.box)));
        return path;
    };
    std::vector<QRectF> marks;
    for (const ui::ChartText& text : layout.texts) {
        if (text.kind == ui::ChartText::Kind::Mark) {
            marks.push_back(text.box);
        }
    }
    for (const ui::ChartText& text : layout.texts) {
        if (text.pixelSize < ui::kSmallestChartPixels) {
            faults << name(text) + QStringLiteral(" is too small");
        }
        using Kind = ui::ChartText::Kind;
        if (text.kind == Kind::Star || text.kind == Kind::Mark) {
            const bool innerRing = text.ring == 0;
            const qreal inner = innerRing ? layout.hub : layout.middle;
            const qreal outer = innerRing && layout.middle > 0 ? layout.middle : layout.outer;
            if (!ringPiece(layout.centre, inner, outer, text.sector).contains(text.box)) {
                faults << name(text) + QStringLiteral(" crosses its sector's border");
            }
        }
        if (text.kind == Kind::Star &&
            std::ranges::any_of(marks, [&](const QRectF& m) { return m.intersects(text.box); })) {
            faults << name(text) + QStringLiteral(" lies on a mark");
        }
        if ((text.kind == Kind::Direction || text.kind == Kind::Degrees) &&
            (rings.intersects(outline(text)) ||
             !QRectF(0, 0, side, side).contains(outline(text).boundingRect()))) {
            faults << name(text) + QStringLiteral(" is not on the rim");
        }
        for (const ui::ChartText& other : layout.texts) {
            if (&other != &text && other.kind != Kind::Mark && text.kind != Kind::Mark &&
                outline(other).intersects(outline(text))) {
                faults << name(text) + QStringLiteral(" overlaps ") + name(other);
            }
        }
    }
    return faults;
}

// The colour that fills most of a sector of a chart drawn with North up.
QRgb sectorFill(const QImage& image, const ui::ChartLayout& layout, int sector) {
    std::map<QRgb, int> counts;
    for (qreal r = layout.hub + 2; r < layout.outer - 2; r += 2) {
        for (qreal a = -20; a <= 20; a += 2) {
            const QPoint at = onCompass(layout.centre, r, 45.0 * sector + a).toPoint();
            ++counts[image.pixel(at)];
        }
    }
    return std::ranges::max_element(counts, {}, [](const auto& c) { return c.second; })->first;
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
    void chartTextsAreLegible();
    void chartShadesFollowThePairRatings();
    void aFacingNamesItsHouseOrSaysWhatToType_data();
    void aFacingNamesItsHouseOrSaysWhatToType();
    void theHomeIsKeptUntilItIsForgotten();

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
        QCOMPARE(test::shownPanel(&window), 0);
    }
}

void ResultWindowTest::eachTabBringsItsPanelToTheFront() {
    const CoupleReading reading = readingOf(4, 4);
    frmFengShuiCompatibilityResult window(reading, desktop_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<QTabBar*>("TS");
    for (const int tab : {2, 1, 0, 3, 2}) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        QCOMPARE(tabs->currentIndex(), tab);
        QCOMPARE(test::shownPanel(&window), tab);
    }
    // The directions tab scrolls: Tab from the tabs gives its contents the keyboard.
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("scrDirections"));
    // Then the house's fields, in the order they stand.
    for (const char* field : {"txtFacing", "cboFacing"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(field));
    }
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
    QCOMPARE(entries,
             (QStringList{"mnuPrint &Save ", "mnuPrintReading &Print... Ctrl+P",
                          "mnuExportPdf &Export as PDF... ", "mnuHomePlan Plan of Your &Home... ",
                          "mnuBack &Back ", "-", "mnuExit E&xit "}));
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

// Every chart of every couple, at the sides the tab and the page draw it, in the user's
// language; the page's rings at least 45 mm across.
void ResultWindowTest::chartTextsAreLegible() {
    frmFengShuiCompatibilityResult window(readingOf(9, 3), desktop_);
    window.show();
    window.findChild<QTabBar*>("TS")->setCurrentIndex(3);
    const QSize tabPerson = window.findChild<QWidget*>("chartDirections_0")->size();
    const QSize tabCouple = window.findChild<QWidget*>("chartDirections_2")->size();
    QVERIFY(tabPerson.width() >= 240 && tabCouple.width() >= 280);
    QStringList faults;
    for (int self = 1; self <= 9; ++self) {
        for (int partner = 1; partner <= 9; ++partner) {
            const CoupleReading reading = readingOf(self, partner);
            // Without a house, and with one of each group, whose good directions the rim marks.
            for (const auto& house :
                 {std::optional<compass::House>(), compass::HouseFacing("South"),
                  compass::HouseFacing("North East")}) {
                const auto couple = ui::coupleChart(reading, house);
                QVERIFY(couple);
                for (const qreal side :
                     {qreal(tabCouple.width()), ui::kPageChartSide, ui::kPageChartSideOverHouse}) {
                    faults << illegibleTexts(*couple, side, window.font());
                }
            }
        }
        const auto person = ui::personChart(readingOf(self, 1).Self);
        QVERIFY(person);
        faults << illegibleTexts(*person, tabPerson.width(), window.font());
    }
    constexpr qreal k45Millimetres = 45 / 25.4 * 96;
    const QRectF page(0, 0, ui::kPageChartSide, ui::kPageChartSide);
    QVERIFY(ui::layoutCompass(*ui::coupleChart(readingOf(1, 2)), page, window.font()).outer * 2 >=
            k45Millimetres);
    const QRectF overHouse(0, 0, ui::kPageChartSideOverHouse, ui::kPageChartSideOverHouse);
    QVERIFY(ui::layoutCompass(*ui::coupleChart(readingOf(1, 2)), overHouse, window.font()).outer *
                2 >=
            k45Millimetres);
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 20).join(QLatin1Char('\n'))));
}

// Over all 64 pairs of trigrams: in the user's chart, drawn with North up and East to the
// right, the partner's own direction has the legend's shade of the pair's rating word.
void ResultWindowTest::chartShadesFollowThePairRatings() {
    const QStringList clockwise = {"North", "North East", "East", "South East",
                                   "South", "South West", "West", "North West"};
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    const std::vector<ui::LegendEntry> legend = ui::ratingLegend(palette);
    for (const int self : {1, 2, 3, 4, 6, 7, 8, 9}) {
        const auto chart = ui::personChart(readingOf(self, 1).Self);
        QVERIFY(chart);
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ui::paintCompass(painter, QRectF(image.rect()), *chart, palette);
        painter.end();
        const ui::ChartLayout layout = ui::layoutCompass(*chart, QRectF(image.rect()), QFont());
        for (const int partner : {1, 2, 3, 4, 6, 7, 8, 9}) {
            const CoupleReading reading = readingOf(self, partner);
            const QString home = QString::fromStdString(reading.Partner.Directions[3]);
            const auto shade =
                std::ranges::find(legend, ui::ratingWord(reading.Rating), &ui::LegendEntry::word);
            QVERIFY(shade != legend.end());
            QCOMPARE(
                QColor(sectorFill(image, layout, static_cast<int>(clockwise.indexOf(home)))).name(),
                shade->shade.name());
        }
    }
}

// What the user types as the house's facing, read in the language's way of writing numbers:
// a house only from a number of degrees on the circle, never a guess.
void ResultWindowTest::aFacingNamesItsHouseOrSaysWhatToType_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("trigram"); // the house's, or empty for none
    QTest::addColumn<QString>("says");    // a piece of what the line under the entry says
    QTest::newRow("nothing yet") << "en"
                                 << "  "
                                 << ""
                                 << "";
    QTest::newRow("183") << "en"
                         << "183"
                         << "Kan"
                         << "faces South, sits North";
    QTest::newRow("with its sign") << "en"
                                   << " 183.5° "
                                   << "Kan"
                                   << "183.5°";
    QTest::newRow("a line") << "en"
                            << "22.5"
                            << ""
                            << "lies on the line between North and North East";
    QTest::newRow("360") << "en"
                         << "360"
                         << ""
                         << "from 0 to 359.9";
    QTest::newRow("below 0") << "en"
                             << "-1"
                             << ""
                             << "from 0 to 359.9";
    QTest::newRow("letters") << "en"
                             << "south"
                             << ""
                             << "from 0 to 359.9";
    QTest::newRow("a comma in English") << "en"
                                        << "183,5"
                                        << ""
                                        << "from 0 to 359.9";
    QTest::newRow("a comma in German") << "de"
                                       << "183,5"
                                       << "Kan"
                                       << "183.5°";
    QTest::newRow("a point in German") << "de"
                                       << "183.5"
                                       << "Kan"
                                       << "183.5°";
}

void ResultWindowTest::aFacingNamesItsHouseOrSaysWhatToType() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, trigram);
    QFETCH(QString, says);
    const ui::FacingEntry entry = ui::readFacingEntry(typed, QLocale(locale));
    const auto house = entry.degrees ? compass::HouseAt(*entry.degrees) : std::nullopt;
    QCOMPARE(house ? QString::fromUtf8(house->Trigram) : QString(), trigram);
    const QString text = ui::facingText(entry);
    QVERIFY2(says.isEmpty() ? text.isEmpty() : text.contains(says), qPrintable(text));
}

// The facing typed on the directions tab is the user's home: the next reading shows it again,
// with the house's chart that a screen reader hears, until the user forgets it.
void ResultWindowTest::theHomeIsKeptUntilItIsForgotten() {
    CoupleReading reading = readingOf(9, 3);
    reading.Self.Name = "Anna";
    reading.Partner.Name = "Ben";
    const auto directionsOf = [&](frmFengShuiCompatibilityResult& window) {
        window.show();
        window.findChild<QTabBar*>("TS")->setCurrentIndex(3);
        return window.findChild<QLineEdit*>("txtFacing");
    };
    {
        frmFengShuiCompatibilityResult window(reading, desktop_);
        QLineEdit* facing = directionsOf(window);
        QVERIFY(facing && facing->text().isEmpty());
        QTest::keyClicks(facing, "183");
        QVERIFY(textOf(&window, "lblHouse").contains("a Kan house of the East group"));
    }
    frmFengShuiCompatibilityResult again(reading, desktop_);
    QCOMPARE(directionsOf(again)->text(), QString("183"));
    QCOMPARE(textOf(&again, "lblHouseFit_0"), QString("Anna: of the East group, like the house"));
    auto* chart = again.findChild<QWidget*>("chartHouse");
    QVERIFY(chart->isVisible());
    QVERIFY(chart->accessibleDescription().startsWith("North: Personal; North East: Five Ghosts"));
    QTest::mouseClick(again.findChild<QPushButton*>("cmdForgetHome"), Qt::LeftButton);
    QVERIFY(!chart->isVisible());

    frmFengShuiCompatibilityResult afterwards(reading, desktop_);
    QVERIFY(directionsOf(afterwards)->text().isEmpty());
    QVERIFY(textOf(&afterwards, "lblHouse").isEmpty());
}

QTEST_MAIN(ResultWindowTest)
#include "result_window_test.moc"
