#include "engine/kua_number.h"

#include <string>

namespace engine {

std::int16_t KuaYear(std::int16_t birthYear, std::string_view birthMonth) {
    const bool countsToYearBefore = birthMonth == "January" || birthMonth == "February";
    return static_cast<std::int16_t>(countsToYearBefore ? birthYear - 1 : birthYear);
}

std::int16_t YearDigits(std::int16_t kuaYear) {
    const std::string text = std::to_string(kuaYear);
    if (text.size() < 3) {
        return 0;
    }
    int digits = 0;
    for (const char c : text.substr(2, 2)) {
        digits = digits * 10 + (c - '0');
    }
    return static_cast<std::int16_t>(digits);
}

std::int16_t ReduceDigits(std::int16_t n) {
    // Work in int so that the magnitude of -32768 still fits.
    int value = n < 0 ? -static_cast<int>(n) : n;
    while (value > 9) {
        int sum = 0;
        for (; value > 0; value /= 10) {
            sum += value % 10;
        }
        value = sum;
    }
    return static_cast<std::int16_t>(value);
}

std::int16_t CalculateKuaNumber(std::int16_t yearDigits, std::string_view sex) {
    const int s = ReduceDigits(yearDigits);
    const int k = sex == "Male" ? 10 - s : s + 5;
    return ReduceDigits(static_cast<std::int16_t>(k));
}

} // namespace engine
