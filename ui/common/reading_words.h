#pragma once

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

} // namespace ui
