#pragma once

#include "engine/kua_number.h"
#include "engine/shown_text.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace engine {

// One person's side of a reading. The fields from Group to ElementDescription are what the
// result window shows; picture fields hold the key of the picture, empty while none is found.
struct PersonReading {
    std::string Name;
    std::string Sex;
    std::int16_t BirthDay = 0;
    std::string BirthMonth;
    std::int16_t BirthYear = 0;
    std::int16_t KuaNumber = 0;
    std::string Group;
    std::string Element;
    std::string Trigram;
    std::string Colour;
    std::string ListColour;
    std::array<std::string, 8> Directions;
    std::string TrigramPicture;
    std::string ElementPicture;
    std::string ColourPicture;
    std::string ElementDescription;
};

// The one reading record of the program. A new record starts with the placeholders the result
// window shows for anything a reading leaves unset.
struct CoupleReading {
    CoupleReading();

    PersonReading Self;
    PersonReading Partner;
    std::string PairKey;
    std::string Rating;
    // The year rule the two Kua numbers were counted by from the birth dates; none for a
    // reading opened from a file, which brings its Kua numbers without dates.
    std::optional<YearStart> CountedBy;
};

// What a freshly built result window shows before a reading fills it in. None of these texts is
// a word a reading can produce, so a placeholder can never be mistaken for a result.
inline constexpr const char* kUnknownText = "?";
inline constexpr const char* kUnknownDescription =
    SHOWN_TEXT("ReadingWords", "No character reading is known for this Kua number.");

// Every reading is shown in a new result window, so it starts from the window's placeholders.
// Touches only the shown fields: names, sexes, birth data and Kua numbers stay.
void ResetShownFields(CoupleReading& reading);

} // namespace engine
