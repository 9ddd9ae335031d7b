#include "engine/li_chun.h"

#include <array>
#include <cstddef>

namespace engine {
namespace {

// Li Chun is the moment the Sun's apparent longitude reaches 315 degrees; the day is the day of
// February that moment falls on in UTC+8. Made once by tools/li_chun_table.py (VSOP87 through
// PyEphem) and checked against published solar-term tables; one decade a row, from 1899.
// clang-format off
constexpr std::array<std::uint8_t, kLastLiChunYear - kFirstLiChunYear + 1> kLiChunDays = {
    /* 1890 */                            4,
    /* 1900 */ 4, 4, 5, 5, 5, 4, 5, 5, 5, 4,
    /* 1910 */ 5, 5, 5, 4, 4, 5, 5, 4, 4, 5,
    /* 1920 */ 5, 4, 4, 5, 5, 4, 4, 5, 5, 4,
    /* 1930 */ 4, 5, 5, 4, 4, 5, 5, 4, 4, 5,
    /* 1940 */ 5, 4, 4, 5, 5, 4, 4, 4, 5, 4,
    /* 1950 */ 4, 4, 5, 4, 4, 4, 5, 4, 4, 4,
    /* 1960 */ 5, 4, 4, 4, 5, 4, 4, 4, 5, 4,
    /* 1970 */ 4, 4, 5, 4, 4, 4, 5, 4, 4, 4,
    /* 1980 */ 5, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    /* 1990 */ 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    /* 2000 */ 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    /* 2010 */ 4, 4, 4, 4, 4, 4, 4, 3, 4, 4,
    /* 2020 */ 4, 3, 4, 4, 4, 3, 4, 4, 4, 3,
    /* 2030 */ 4, 4, 4, 3, 4, 4, 4, 3, 4, 4,
    /* 2040 */ 4, 3, 4, 4, 4, 3, 4, 4, 4, 3,
    /* 2050 */ 3, 4,
};
// clang-format on

} // namespace

std::int16_t LiChunDay(std::int16_t year) {
    if (year < kFirstLiChunYear || year > kLastLiChunYear) {
        return 4;
    }
    return kLiChunDays[static_cast<std::size_t>(year - kFirstLiChunYear)];
}

} // namespace engine
