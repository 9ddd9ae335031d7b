#pragma once

#include "engine/couple_reading.h"

#include <cstdint>

namespace engine {

// Stores the Kua number of one person; for 1 to 9 also the group, element, trigram and colour
// of that number. Then rates the pair from the two trigrams as they stand.
void SetPersonProfile(CoupleReading& reading, std::int16_t kuaNumber, bool isSelf);

} // namespace engine
