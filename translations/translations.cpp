#include "translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace translations {

void installFor(QCoreApplication& application) {
    auto* ours = new QTranslator(&application);
    if (!ours->load(QLocale(), QStringLiteral("fengshui"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        delete ours;
        return;
    }
    QCoreApplication::installTranslator(ours);
    // Qt's own words only beside ours, so that a window never mixes two languages.
    auto* qt = new QTranslator(&application);
    if (qt->load(QStringLiteral("qtbase_") + ours->language(),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
}

} // namespace translations
