#pragma once

#include "engine/couple_reading.h"

#include <array>
#include <string_view>

namespace engine {

// Fills both persons' pictures, list colour and eight directions from their element, colour
// and trigram. A value that is no key of its list leaves that step's fields as they were.
void SetDirectionsAndPictures(CoupleReading& reading);

// The eight directions of a trigram, from Success to Total Loss as a reading lists them, or
// nothing when the text is no trigram's name.
const std::array<std::string_view, 8>* DirectionsOfTrigram(std::string_view trigram);

// The trigram whose own direction this is (its "Personal" one): North is Kan's, South West
// Kun's. Empty for a text that is no direction.
std::string_view TrigramOfDirection(std::string_view direction);

} // namespace engine
