#include "tests/support/user_input.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace test {
namespace {

void pickAt(QWidget* input, const QString& list, const QString& entry, int position) {
    auto* box = input->findChild<QComboBox*>(list);
    QVERIFY2(position >= 0 && position < box->count(), qPrintable(list + ": " + entry));
    box->setCurrentIndex(position);
}

void pick(QWidget* input, const QString& list, const QString& entry) {
    pickAt(input, list, entry, input->findChild<QComboBox*>(list)->findText(entry));
}

// The month list shows the user's language; a test names the month in English.
void pickMonth(QWidget* input, const QString& list, const QString& month) {
    int position = -1;
    for (int number = 1; number <= 12; ++number) {
        if (QLocale::c().monthName(number) == month) {
            position = number - 1;
        }
    }
    pickAt(input, list, month, position);
}

} // namespace

void enterPerson(QWidget* input, int index, const Person& person) {
    const QString n = QString::number(index);
    auto* name = input->findChild<QLineEdit*>("txtName_" + n);
    name->clear();
    QTest::keyClicks(name, person.name);
    if (!person.sex.isEmpty()) {
        // On screen both frames show "Male" first; the partner's buttons are numbered the
        // other way round.
        const bool male = person.sex == QLatin1String("Male");
        const int button = index == 0 ? (male ? 0 : 1) : (male ? 3 : 2);
        // On its circle: a short word in another language leaves the button's middle empty,
        // and a click there takes nothing.
        auto* radio = input->findChild<QRadioButton*>("optSex_" + QString::number(button));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    }
    pick(input, "cboDate_" + n, person.day);
    pickMonth(input, "cboMonth_" + n, person.month);
    pick(input, "cboYear_" + n, person.year);
}

int shownPanel(const QWidget* result) {
    const auto* stack = result->findChild<QStackedWidget*>(QStringLiteral("stkPanels"));
    int shown = -1;
    for (int page = 0; stack && page < stack->count(); ++page) {
        if (stack->widget(page)->isVisibleTo(result)) {
            if (shown >= 0) {
                return -1;
            }
            shown = page;
        }
    }
    return shown;
}

QString http(const char* host, const char* path) {
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

} // namespace test
