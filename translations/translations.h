#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace translations {

// Speaks the user's language where we have a translation for it: ours for the program's own
// texts, and Qt's for its standard buttons and dialogs in the same language. The language
// comes from the user's interface languages, as the desktop sets them (LANGUAGE, LANG,
// LC_ALL, LC_MESSAGES). Without a translation the program speaks English, and says nothing
// about it.
void installFor(QCoreApplication& application);

// Which of our translations (named as "zh_CN") speaks to a user with these interface
// languages, most preferred first; empty text for English. The first language we speak wins,
// English included.
QString chooseTranslation(const QStringList& uiLanguages, const QStringList& available);

} // namespace translations
