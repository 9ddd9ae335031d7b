#include "tests/support/user_input.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace test {
namespace {

void pick(QWidget* input, const QString& list, const QString& entry) {
    auto* box = input->findChild<QComboBox*>(list);
    const int position = box->findText(entry);
    QVERIFY2(position >= 0, qPrintable(list + ": " + entry));
    box->setCurrentIndex(position);
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
        QTest::mouseClick(input->findChild<QRadioButton*>("optSex_" + QString::number(button)),
                          Qt::LeftButton);
    }
    pick(input, "cboDate_" + n, person.day);
    pick(input, "cboMonth_" + n, person.month);
    pick(input, "cboYear_" + n, person.year);
}

QString http(const char* host, const char* path) {
    return QStringLiteral("http://") + QLatin1String(host) + QLatin1String(path);
}

} // namespace test
