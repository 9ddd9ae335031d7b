#pragma once

#include "engine/couple_reading.h"

#include <array>
#include <string_view>

namespace engine {

// The rating words from the best to the worst. The first three say a partner stands in one of
// the user's favourable directions, the other three in an unfavourable one.
inline constexpr std::array<std::string_view, 6> kRatingScale = {
    "Excellent", "Very Good", "Good", "Unsatisfactory", "Bad", "Disastrous"};

// The rating word of the ordered trigram pair, or nothing when either is not a trigram's name.
std::string_view PairRating(std::string_view selfTrigram, std::string_view partnerTrigram);

// Looks the ordered trigram pair up and stores its key ("Kan-Li") and rating word. A pair that
// is not two of the eight trigram names changes nothing.
void RatePair(CoupleReading& reading, std::string_view selfTrigram,
              std::string_view partnerTrigram);

} // namespace engine
