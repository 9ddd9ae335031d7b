#pragma once

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

namespace engine {
struct CoupleReading;
}

namespace ui {

// A word or text of a reading as a window shows it: in the user's language where a
// translation has it, else the English the engine keeps. The kind ("group", "element",
// "trigram", "colour", "direction", "rating") tells apart words spelt alike; the longer texts
// have none. Paragraphs break at line feeds.
QString shownWord(const std::string& english, const char* kind = nullptr);

// A direction, a rating and a star (one of the eight meanings of a direction, as the result
// window's third tab heads its rows) in the user's language.
QString directionWord(std::string_view direction);
QString ratingWord(std::string_view rating);
QString starWord(std::string_view star);

// The pair key, two trigrams joined by a dash, with each trigram shown in the user's language.
QString shownPair(const std::string& pairKey);

// "Mr. " or "Ms. " before the user's name, as the user's language orders the two.
QString titledName(bool male, const std::string& name);

// How a person's Kua number was counted from their birth date, 0 the user and 1 the partner:
// "Counted from 1984: born before 1 March 1985", and on a second line the number the other
// year rule would give, where it differs. Empty for a reading opened from a file.
QString countedYearText(const engine::CoupleReading& reading, int person);

// The language the windows and the page speak, as the loaded translation names itself; English
// where none is loaded. A user whose own locale speaks that language gets their country's way
// of writing dates and lists. (Qt's system locale names the messages' language but formats by
// LC_TIME, so only its name counts.)
QLocale shownLocale();

} // namespace ui
