// Which translation a user's list of interface languages gets: Chinese by its script, another
// country's form of a language where we have no nearer one, the list in the user's order,
// English where it comes first or nothing else is spoken.

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
    QTest::newRow("Italian, then Hong Kong") << QStringList{"it-IT", "it", "zh-HK"} << "zh_TW";
    QTest::newRow("Hong Kong, then the mainland") << QStringList{"zh-HK", "zh-CN"} << "zh_TW";
    QTest::newRow("only languages we do not speak") << QStringList{"it-IT", "nl"} << "";
    QTest::newRow("Mexico") << QStringList{"es-MX"} << "es";
    QTest::newRow("Argentina") << QStringList{"es-AR", "es"} << "es";
    QTest::newRow("Spain") << QStringList{"es-ES"} << "es";
    QTest::newRow("Brazil") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portugal, nothing nearer") << QStringList{"pt-PT", "pt"} << "pt_BR";
    QTest::newRow("Portugal, then English") << QStringList{"pt-PT", "en-GB"} << "pt_BR";
    QTest::newRow("Austria") << QStringList{"de-AT"} << "de";
    QTest::newRow("Switzerland, German") << QStringList{"de-CH"} << "de";
    QTest::newRow("Canada, French") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("Belgium, French") << QStringList{"fr-BE"} << "fr";
    QTest::newRow("Russia") << QStringList{"ru-RU"} << "ru";
    QTest::newRow("Japan") << QStringList{"ja-JP"} << "ja";
    QTest::newRow("Korea") << QStringList{"ko-KR"} << "ko";
    QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("Italian, then French") << QStringList{"it-IT", "fr-FR"} << "fr";
    QTest::newRow("no language at all") << QStringList{} << "";
}

void LanguageChoiceTest::choice() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(translations::chooseTranslation(
                 uiLanguages, {"de", "es", "fr", "ja", "ko", "pt_BR", "ru", "zh_CN", "zh_TW"}),
             chosen);
}

QTEST_APPLESS_MAIN(LanguageChoiceTest)
#include "language_choice_test.moc"
