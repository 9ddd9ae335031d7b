#pragma once

#include "engine/couple_reading.h"

#include <cstdint>
#include <string_view>

namespace engine {

// Stores the Kua number of one person; for 1 to 9 also the group, element, trigram and colour
// of that number. Then rates the pair from the two trigrams as they stand.
void SetPersonProfile(CoupleReading& reading, std::int16_t kuaNumber, bool isSelf);

// The group of a trigram, "East" or "West", as the persons of that trigram have it; empty for a
// text that is no trigram.
std::string_view GroupOfTrigram(std::string_view trigram);

} // namespace engine
