#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

// The reckoning year: births in January and February belong to the year before.
std::int16_t KuaYear(std::int16_t birthYear, std::string_view birthMonth);

// The third and fourth characters of the year's decimal text, as a number (1985 -> 85,
// 2005 -> 5). A year too short to have them gives 0.
std::int16_t YearDigits(std::int16_t kuaYear);

// Adds up the decimal digits of n, again and again, until one digit is left.
std::int16_t ReduceDigits(std::int16_t n);

// Eight Mansions Kua number; any sex text other than exactly "Male" counts as female.
std::int16_t CalculateKuaNumber(std::int16_t yearDigits, std::string_view sex);

} // namespace engine
