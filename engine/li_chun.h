#pragma once

#include <cstdint>

namespace engine {

// The first and last years whose Li Chun the program knows.
inline constexpr std::int16_t kFirstLiChunYear = 1899;
inline constexpr std::int16_t kLastLiChunYear = 2051;

// The day of February on which Li Chun, the start of spring, falls in that year, in Beijing
// time: 3, 4 or 5. A year outside the table gets 4, the commonest day.
std::int16_t LiChunDay(std::int16_t year);

} // namespace engine
