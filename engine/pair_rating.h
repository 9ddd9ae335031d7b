#pragma once

#include "engine/couple_reading.h"

#include <string_view>

namespace engine {

// Looks the ordered trigram pair up and stores its key ("Kan-Li") and rating word. A pair that
// is not two of the eight trigram names changes nothing.
void RatePair(CoupleReading& reading, std::string_view selfTrigram,
              std::string_view partnerTrigram);

} // namespace engine
