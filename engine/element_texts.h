#pragma once

#include "engine/couple_reading.h"

namespace engine {

// Gives each person the character text of their element; an unknown element keeps the text
// that was there.
void SetElementDescriptions(CoupleReading& reading);

} // namespace engine
