#pragma once

#include "engine/shown_text.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace engine {

struct PersonReading;

// The English month names a birth month is kept as; the input window shows them translated.
inline constexpr std::array<const char*, 12> kMonthNames = {
    SHOWN_TEXT("ui::frmMain", "January"),   SHOWN_TEXT("ui::frmMain", "February"),
    SHOWN_TEXT("ui::frmMain", "March"),     SHOWN_TEXT("ui::frmMain", "April"),
    SHOWN_TEXT("ui::frmMain", "May"),       SHOWN_TEXT("ui::frmMain", "June"),
    SHOWN_TEXT("ui::frmMain", "July"),      SHOWN_TEXT("ui::frmMain", "August"),
    SHOWN_TEXT("ui::frmMain", "September"), SHOWN_TEXT("ui::frmMain", "October"),
    SHOWN_TEXT("ui::frmMain", "November"),  SHOWN_TEXT("ui::frmMain", "December"),
};

// Where the reckoning year starts: on 1 March, as the program always counted, or at Li Chun,
// the start of spring on 3, 4 or 5 February, as most practitioners count.
enum class YearStart { FirstOfMarch, LiChun };

// How one birth date was counted to its reckoning year.
struct YearCount {
    std::int16_t KuaYear = 0;
    // The day and month on which the year of the birth date started under the rule.
    std::int16_t StartDay = 0;
    std::int16_t StartMonth = 0;
    // Born before that start, so counted to the year before.
    bool BornBeforeStart = false;
    // Born on Li Chun's day itself: the hour of birth, which nobody entered, would decide. Such
    // a birth is counted to its own year.
    bool BornOnStartDay = false;
};

// Counts a birth to its reckoning year. The month is one of kMonthNames, compared exactly; any
// other text counts as a month after the year's start.
YearCount CountKuaYear(std::int16_t birthDay, std::string_view birthMonth, std::int16_t birthYear,
                       YearStart rule);

// Adds up the decimal digits of n, again and again, until one digit is left.
std::int16_t ReduceDigits(std::int16_t n);

// The Eight Mansions Kua number of a whole reckoning year. The number runs in a cycle of nine
// years, so every year counts, the century too. Any sex text other than exactly "Male" counts
// as female.
std::int16_t KuaNumberOfYear(std::int16_t kuaYear, std::string_view sex);

// A person's Kua number from their birth date and sex, counted by the rule.
std::int16_t KuaNumberOfBirth(const PersonReading& person, YearStart rule);

} // namespace engine
