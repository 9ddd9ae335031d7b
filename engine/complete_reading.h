#pragma once

#include "engine/couple_reading.h"

namespace engine {

// Everything a reading shows follows from the two Kua numbers. Starts from the placeholders of
// a new result window, then sets both profiles (which rate the pair), the element texts and
// the directions and pictures, in that order. Shared by a typed-in reading and an opened one.
void CompleteReading(CoupleReading& reading);

} // namespace engine
