#pragma once

#include "engine/couple_reading.h"

namespace engine {

// Fills both persons' pictures, list colour and eight directions from their element, colour
// and trigram. A value that is no key of its list leaves that step's fields as they were.
void SetDirectionsAndPictures(CoupleReading& reading);

} // namespace engine
