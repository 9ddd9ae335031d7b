// Which translation a user's list of interface languages gets: Chinese by its script, the
// list in the user's order, English where it comes first or nothing else is spoken.

#include "translations/translations.h"

#include <QtTest>

class LanguageChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
};

void LanguageChoiceTest::choice_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Taiwan") << QStringList{"zh-TW"} << "zh_TW";
    QTest::newRow("Hong Kong") << QStringList{"zh-HK"} << "zh_TW";
    QTest::newRow("Macau") << QStringList{"zh-MO"} << "zh_TW";
    QTest::newRow("Traditional script") << QStringList{"zh-Hant"} << "zh_TW";
    QTest::newRow("Traditional script in the mainland") << QStringList{"zh-Hant-CN"} << "zh_TW";
    QTest::newRow("the mainland") << QStringList{"zh-CN"} << "zh_CN";
    QTest::newRow("Singapore") << QStringList{"zh-SG"} << "zh_CN";
    QTest::newRow("Simplified script") << QStringList{"zh-Hans"} << "zh_CN";
    QTest::newRow("Simplified script in Hong Kong") << QStringList{"zh-Hans-HK"} << "zh_CN";
    QTest::newRow("plain Chinese") << QStringList{"zh"} << "zh_CN";
    QTest::newRow("English first") << QStringList{"en-US", "zh-TW"} << "";
    QTest::newRow("German, then Hong Kong") << QStringList{"de-DE", "de", "zh-HK"} << "zh_TW";
    QTest::newRow("Hong Kong, then the mainland") << QStringList{"zh-HK", "zh-CN"} << "zh_TW";
    QTest::newRow("only languages we do not speak") << QStringList{"fr-FR", "ja"} << "";
    QTest::newRow("no language at all") << QStringList{} << "";
}

void LanguageChoiceTest::choice() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(translations::chooseTranslation(uiLanguages, {"zh_CN", "zh_TW"}), chosen);
}

QTEST_APPLESS_MAIN(LanguageChoiceTest)
#include "language_choice_test.moc"
