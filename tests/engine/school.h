#pragma once

// What the Eight Mansions school itself says, written down apart from the program's tables so
// that the engine tests check those tables against it rather than against copies of them.

#include "engine/engine.h"

#include <array>
#include <cstdint>
#include <map>
#include <string_view>

namespace school {

// The trigram that stands in each direction of the compass (the Later Heaven arrangement).
inline const std::map<std::string_view, std::string_view> kTrigramIn = {
    {"North", "Kan"}, {"North East", "Ken"}, {"East", "Chen"}, {"South East", "Sun"},
    {"South", "Li"},  {"South West", "Kun"}, {"West", "Tui"},  {"North West", "Chien"},
};

// A reading's eight directions in the order it lists them: the four favourable, then the four
// unfavourable.
inline constexpr std::array<std::string_view, 8> kMeanings = {
    "Success", "Health",      "Relationship", "Personal",
    "Mishaps", "Five Ghosts", "Six Killings", "Total Loss"};

// What a partner gets whose trigram stands in the user's direction of each meaning.
inline constexpr std::array<std::string_view, 8> kRatingOfMeaning = {
    "Excellent",      "Very Good",  "Excellent", "Good",
    "Unsatisfactory", "Disastrous", "Bad",       "Disastrous"};

// The four directions of each group.
inline const std::map<std::string_view, std::array<std::string_view, 4>> kGroupDirections = {
    {"East", {"North", "East", "South East", "South"}},
    {"West", {"North East", "South West", "West", "North West"}},
};

// The row of the user's directions in which the partner's trigram stands.
inline std::size_t RowOf(const engine::PersonReading& self, std::string_view partnerTrigram) {
    std::size_t row = 0;
    while (row < self.Directions.size() && kTrigramIn.at(self.Directions[row]) != partnerTrigram) {
        ++row;
    }
    return row;
}

// A couple's reading from the two Kua numbers alone.
inline engine::CoupleReading CoupleOf(int self, int partner) {
    engine::CoupleReading reading;
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(self), true);
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(partner), false);
    engine::SetDirectionsAndPictures(reading);
    return reading;
}

} // namespace school
