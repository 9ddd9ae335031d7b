// Every window as a screen reader, a keyboard user and a dark desktop meet it. The checks read
// the QAccessible interfaces, which are what the platform bridges pass on to assistive
// technology, and the colours a style paints each text and what lies behind it with.

#include "tests/shell/program_driver.h"
#include "tests/support/clipped_labels.h"
#include "tests/support/plan_pictures.h"
#include "translations/translations.h"
#include "ui/links/about_box.h"
#include "ui/plan/frm_home_plan.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include <functional>
#include <map>

namespace {

// A window as the user reaches it: open it and return it. The specified windows keep their
// own look on any desktop, since their layout is fixed in pixels; the plan's window is laid out
// anew at any size and takes the desktop's colours and font.
struct Scene {
    const char* name;
    std::function<QWidget*(test::ProgramDriver&)> open;
    bool keepsItsLook = true;
};

// Born on Li Chun's day, with the year counted from Li Chun: the longest lines under a chart.
const test::Person kAnna{"Anna", "Female", "4", "February", "1985"};
const test::Person kBen{"Ben", "Male", "3", "September", "1979"};

QWidget* inputWindow(test::ProgramDriver& driver) {
    driver.application().StartUp();
    return driver.input();
}

std::function<QWidget*(test::ProgramDriver&)> resultWindowOnTab(int tab) {
    return [tab](test::ProgramDriver& driver) -> QWidget* {
        inputWindow(driver)->findChild<QAction*>(QStringLiteral("mnuLiChun"))->trigger();
        driver.proceed(kAnna, kBen);
        auto* tabs = driver.result()->findChild<QTabBar*>(QStringLiteral("TS"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        return driver.result();
    };
}

QWidget* aboutBox(test::ProgramDriver& driver) {
    // Shown modeless here: the menu entry's modal loop would wait for a user.
    auto* box = new ui::frmAbout(driver.desktop(), inputWindow(driver));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    return box;
}

// The plan of the home, opened from the directions tab's house, with a drawing of it open.
QWidget* homePlan(test::ProgramDriver& driver) {
    resultWindowOnTab(3)(driver)->findChild<QPushButton*>(QStringLiteral("cmdHomePlan"))->click();
    auto* plan = driver.loaded<ui::frmHomePlan>();
    if (plan == nullptr) {
        return nullptr;
    }
    QFile drawing(QDir(driver.desktop().userData.path()).filePath(QStringLiteral("drawing.png")));
    if (!drawing.open(QIODevice::WriteOnly) ||
        !test::simplePlan({900, 600}).save(&drawing, "PNG")) {
        return nullptr;
    }
    drawing.close();
    plan->openPlan(drawing.fileName());
    return plan;
}

QWidget* exitScreen(test::ProgramDriver& driver) {
    inputWindow(driver)->close();
    test::ProgramDriver::flushDeletes();
    return driver.exitScreen();
}

const Scene kScenes[] = {
    {"input window", inputWindow},
    {"result window, Your Kua Number", resultWindowOnTab(0)},
    {"result window, Your Partner's Kua Number", resultWindowOnTab(1)},
    {"result window, Trigram Compatibility", resultWindowOnTab(2)},
    {"result window, Your Directions", resultWindowOnTab(3)},
    {"About box", aboutBox},
    {"exit screen", exitScreen},
    {"plan of the home", homePlan, false},
};

QString describe(QAccessibleInterface* control) {
    const QString name = control->text(QAccessible::Name);
    const QString objectName = control->object() ? control->object()->objectName() : QString();
    return QStringLiteral("%1 \"%2\"").arg(objectName, name);
}

// A name that Qt takes from the current value, as it does for a drop-down list on Linux, tells
// nothing of what the control is for.
bool nameIsOnlyTheValue(QAccessibleInterface* control) {
    const auto* widget = qobject_cast<const QWidget*>(control->object());
    return widget && widget->accessibleName().isEmpty() &&
           control->text(QAccessible::Name) == control->text(QAccessible::Value);
}

// What a screen reader says of a control: its name, the labels that name it, its description.
QString spokenText(QAccessibleInterface* control) {
    QStringList parts;
    if (!nameIsOnlyTheValue(control)) {
        parts << control->text(QAccessible::Name);
    }
    for (const auto& [label, relation] : control->relations(QAccessible::Label)) {
        parts << label->text(QAccessible::Name);
    }
    parts << control->text(QAccessible::Description);
    parts.removeAll(QString());
    return parts.join(QLatin1String(" / "));
}

void collectExposed(QAccessibleInterface* parent, std::vector<QAccessibleInterface*>& exposed) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && !child->state().invisible) {
            exposed.push_back(child);
            collectExposed(child, exposed);
        }
    }
}

// A tab list speaks as its current tab does; that is one control, not two alike.
bool contains(QAccessibleInterface* container, QAccessibleInterface* control) {
    for (QAccessibleInterface* up = control->parent(); up; up = up->parent()) {
        if (up == container) {
            return true;
        }
    }
    return false;
}

QStringList unnamedOrTwinControls(QAccessibleInterface* window) {
    std::vector<QAccessibleInterface*> exposed;
    collectExposed(window, exposed);
    QStringList faults;
    std::map<QString, QAccessibleInterface*> spokenBy;
    for (QAccessibleInterface* control : exposed) {
        if (!control->state().focusable) {
            continue;
        }
        const QString spoken = spokenText(control);
        if (spoken.isEmpty()) {
            faults << describe(control) + QLatin1String(" says nothing");
        } else if (const auto [twin, fresh] = spokenBy.emplace(spoken, control);
                   !fresh && !contains(twin->second, control)) {
            faults << describe(control) + QLatin1String(" sounds like ") + describe(twin->second) +
                          ": " + spoken;
        }
    }
    return faults;
}

// Children come in stacking order: a later sibling is drawn over an earlier one.
QStringList coveredButExposed(QAccessibleInterface* parent) {
    QStringList faults;
    std::vector<QAccessibleInterface*> children;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && !child->state().invisible && !child->rect().isEmpty()) {
            children.push_back(child);
        }
    }
    for (std::size_t below = 0; below < children.size(); ++below) {
        for (std::size_t above = below + 1; above < children.size(); ++above) {
            if (children[above]->rect().contains(children[below]->rect())) {
                faults << describe(children[below]) + QLatin1String(" lies under ") +
                              describe(children[above]);
            }
        }
        faults << coveredButExposed(children[below]);
    }
    return faults;
}

// The colours a Qt style draws a control's text in, and what it draws behind that text.
struct TextColours {
    QColor text;
    QColor background;
};

QColor filledBehind(const QWidget* widget) {
    while (!widget->autoFillBackground() && !widget->isWindow()) {
        widget = widget->parentWidget();
    }
    return widget->palette().color(widget->backgroundRole());
}

std::optional<TextColours> textColours(const QWidget* widget) {
    const QPalette& palette = widget->palette();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty()) {
            return std::nullopt;
        }
        return TextColours{palette.color(label->foregroundRole()), filledBehind(label)};
    }
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget)) {
        return TextColours{palette.color(QPalette::Text), palette.color(QPalette::Base)};
    }
    if (qobject_cast<const QComboBox*>(widget) || qobject_cast<const QPushButton*>(widget)) {
        return TextColours{palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
    }
    // Check boxes, option buttons, frame titles and tabs draw their text as a label does.
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
        qobject_cast<const QTabBar*>(widget)) {
        return TextColours{palette.color(QPalette::WindowText), filledBehind(widget)};
    }
    return std::nullopt;
}

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& one, const QColor& other) {
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QStringList faintTexts(const QWidget* window) {
    QStringList faults;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const std::optional<TextColours> colours = textColours(widget);
        if (!widget->isVisibleTo(window) || !colours) {
            continue;
        }
        const double ratio = contrast(colours->text, colours->background);
        if (ratio < 4.5) {
            faults << QStringLiteral("%1: %2 on %3 is %4:1")
                          .arg(widget->objectName(), colours->text.name(),
                               colours->background.name(), QString::number(ratio, 'f', 2));
        }
    }
    return faults;
}

// What a desktop theme could change of a window: each control's font, place and colours.
using Look = std::map<QString, QString>;

Look lookOf(const QWidget* window) {
    Look look;
    // What a user sees: a hidden box's scroll bars may settle their size whenever they like.
    QList<const QWidget*> widgets{window};
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisibleTo(window)) {
            widgets << child;
        }
    }
    for (const QWidget* widget : widgets) {
        const QRect place = widget->geometry();
        const std::optional<TextColours> colours = textColours(widget);
        look[widget->objectName() + QLatin1Char('@') + QString::number(quintptr(widget))] =
            QStringLiteral("%1, %2,%3 %4x%5, %6 on %7")
                .arg(widget->font().toString())
                .arg(place.x())
                .arg(place.y())
                .arg(place.width())
                .arg(place.height())
                .arg(colours ? colours->text.name() : QString(),
                     colours ? colours->background.name() : QString());
    }
    return look;
}

QStringList changes(const Look& before, const Look& after) {
    QStringList faults;
    for (const auto& [widget, was] : before) {
        const auto now = after.find(widget);
        if (now != after.end() && now->second != was) {
            faults << QStringLiteral("%1 was %2, is %3").arg(widget, was, now->second);
        }
    }
    return faults;
}

// The way a desktop theme reaches a running program: a new palette and a new font for the
// whole application.
QPalette darkDesktopPalette() {
    QPalette dark(QColor(64, 64, 64), QColor(48, 48, 48));
    for (const auto& [role, colour] : {std::pair{QPalette::WindowText, QColor(230, 230, 230)},
                                       {QPalette::Text, Qt::white},
                                       {QPalette::ButtonText, Qt::white},
                                       {QPalette::Base, QColor(32, 32, 32)},
                                       {QPalette::Link, QColor(110, 170, 255)}}) {
        dark.setColor(role, colour);
    }
    return dark;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyWindow_data();
    void everyWindow();

private:
    QPalette desktopPalette_;
    QFont desktopFont_;
};

// In the user's language, as the program starts: run under LANGUAGE=zh_CN, every window is
// audited in Chinese.
void AccessibilityTest::initTestCase() {
    translations::installFor(*QCoreApplication::instance());
}

void AccessibilityTest::init() {
    desktopPalette_ = QApplication::palette();
    desktopFont_ = QApplication::font();
}

void AccessibilityTest::cleanup() {
    QApplication::setPalette(desktopPalette_);
    QApplication::setFont(desktopFont_);
}

void AccessibilityTest::everyWindow_data() {
    QTest::addColumn<int>("scene");
    for (std::size_t i = 0; i < std::size(kScenes); ++i) {
        QTest::newRow(kScenes[i].name) << static_cast<int>(i);
    }
}

void AccessibilityTest::everyWindow() {
    QFETCH(int, scene);
    test::ProgramDriver driver;
    QWidget* window = kScenes[scene].open(driver);
    QVERIFY(window && window->isVisible());
    QAccessibleInterface* exposed = QAccessible::queryAccessibleInterface(window);

    const QAccessible::Role role = exposed->role();
    QVERIFY2(role == QAccessible::Window || role == QAccessible::Dialog,
             qPrintable(QStringLiteral("exposed with role %1").arg(role)));
    QCOMPARE(exposed->text(QAccessible::Name), window->windowTitle());

    const QStringList unnamed = unnamedOrTwinControls(exposed);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    const QStringList covered = coveredButExposed(exposed);
    QVERIFY2(covered.isEmpty(), qPrintable(covered.join(QLatin1Char('\n'))));
    const QStringList clipped = test::clippedLabels(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));

    // Scroll bars settle their place in a layout pass of their own; the look is taken after it.
    QCoreApplication::processEvents();
    const Look before = lookOf(window);
    QApplication::setPalette(darkDesktopPalette());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 12));
    QCoreApplication::processEvents();
    if (kScenes[scene].keepsItsLook) {
        const QStringList changed = changes(before, lookOf(window));
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
    }
    const QStringList faint = faintTexts(window);
    QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QLatin1Char('\n'))));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
