#pragma once

class QCoreApplication;

namespace translations {

// Speaks the user's language where we have a translation for it: ours for the program's own
// texts, and Qt's for its standard buttons and dialogs in the same language. The language
// comes from the user's interface languages, as the desktop sets them (LANGUAGE, LANG,
// LC_ALL, LC_MESSAGES). Without a translation the program speaks English, and says nothing
// about it.
void installFor(QCoreApplication& application);

} // namespace translations
