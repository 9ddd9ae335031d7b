#include "translations/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {
namespace {

const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("fengshui_");

// Chinese goes by its script rather than its country: Hong Kong and Macau read Traditional
// characters as Taiwan does, Singapore reads Simplified ones as the mainland does, and a plain
// "zh" means Simplified.
QStringList candidatesFor(const QLocale& language) {
    if (language.language() == QLocale::Chinese) {
        return {language.script() == QLocale::TraditionalChineseScript ? QStringLiteral("zh_TW")
                                                                       : QStringLiteral("zh_CN")};
    }
    return {language.name(), QLocale::languageToCode(language.language())};
}

QStringList embeddedTranslations() {
    QStringList names;
    // Matched by hand: a name filter compiles a regular expression, even for English.
    for (const QString& file : QDir(kFolder).entryList(QDir::Files)) {
        if (file.startsWith(kPrefix) && file.endsWith(QLatin1String(".qm"))) {
            names << file.mid(kPrefix.size()).chopped(3);
        }
    }
    return names;
}

} // namespace

QString chooseTranslation(const QStringList& uiLanguages, const QStringList& available) {
    for (const QString& name : uiLanguages) {
        const QLocale language(name);
        if (language.language() == QLocale::English) {
            return {};
        }
        for (const QString& candidate : candidatesFor(language)) {
            if (available.contains(candidate)) {
                return candidate;
            }
        }
        // Another country's form of the language, as Brazil's Portuguese for Portugal.
        for (const QString& other : available) {
            if (QLocale(other).language() == language.language()) {
                return other;
            }
        }
    }
    return {};
}

void installFor(QCoreApplication& application) {
    const QString chosen = chooseTranslation(QLocale().uiLanguages(), embeddedTranslations());
    auto* ours = new QTranslator(&application);
    if (chosen.isEmpty() || !ours->load(kPrefix + chosen, kFolder)) {
        delete ours;
        return;
    }
    QCoreApplication::installTranslator(ours);
    // Qt's own words only beside ours, so that a window never mixes two languages.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + chosen,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
}

} // namespace translations
