#pragma once

#include <QLocale>
#include <QString>

#include <string>

namespace ui {

// A word or text of a reading as a window shows it: in the user's language where a
// translation has it, else the English the engine keeps. The kind ("group", "element",
// "trigram", "colour", "direction", "rating") tells apart words spelt alike; the longer texts
// have none. Paragraphs break at line feeds.
QString shownWord(const std::string& english, const char* kind = nullptr);

// The pair key, two trigrams joined by a dash, with each trigram shown in the user's language.
QString shownPair(const std::string& pairKey);

// "Mr. " or "Ms. " before the user's name, as the user's language orders the two.
QString titledName(bool male, const std::string& name);

// The language the windows and the page speak, as the loaded translation names itself; English
// where none is loaded. A user whose own locale speaks that language gets their country's way
// of writing dates and lists. (Qt's system locale names the messages' language but formats by
// LC_TIME, so only its name counts.)
QLocale shownLocale();

} // namespace ui
