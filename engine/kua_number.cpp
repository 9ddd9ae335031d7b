#include "engine/kua_number.h"

#include "engine/couple_reading.h"
#include "engine/li_chun.h"

#include <algorithm>

namespace engine {
namespace {

constexpr std::int16_t kJanuary = 1;
constexpr std::int16_t kFebruary = 2;
constexpr std::int16_t kMarch = 3;

// 1 to 12, or 0 for a text that names no month.
std::int16_t monthNumber(std::string_view name) {
    const auto* found = std::ranges::find(kMonthNames, name);
    return found == kMonthNames.end() ? std::int16_t{0}
                                      : static_cast<std::int16_t>(found - kMonthNames.begin() + 1);
}

} // namespace

YearCount CountKuaYear(std::int16_t birthDay, std::string_view birthMonth, std::int16_t birthYear,
                       YearStart rule) {
    YearCount count;
    const std::int16_t month = monthNumber(birthMonth);
    if (rule == YearStart::LiChun) {
        count.StartDay = LiChunDay(birthYear);
        count.StartMonth = kFebruary;
        count.BornBeforeStart =
            month == kJanuary || (month == kFebruary && birthDay < count.StartDay);
        count.BornOnStartDay = month == kFebruary && birthDay == count.StartDay;
    } else {
        // Every day of January and February counts, whatever the day.
        count.StartDay = 1;
        count.StartMonth = kMarch;
        count.BornBeforeStart = month == kJanuary || month == kFebruary;
    }
    count.KuaYear = static_cast<std::int16_t>(count.BornBeforeStart ? birthYear - 1 : birthYear);
    return count;
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

std::int16_t KuaNumberOfYear(std::int16_t kuaYear, std::string_view sex) {
    // A year and the next differ by one step of the cycle: a man's number steps down, a
    // woman's up. 100 years are 11 cycles and one step, so the century matters.
    const int r = (kuaYear % 9 + 9) % 9;
    const int k = sex == "Male" ? 11 - r : r + 4;
    return ReduceDigits(static_cast<std::int16_t>(k));
}

std::int16_t KuaNumberOfBirth(const PersonReading& person, YearStart rule) {
    const YearCount count =
        CountKuaYear(person.BirthDay, person.BirthMonth, person.BirthYear, rule);
    return KuaNumberOfYear(count.KuaYear, person.Sex);
}

} // namespace engine
