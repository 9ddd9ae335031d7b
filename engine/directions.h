#pragma once

#include "engine/couple_reading.h"

#include <array>
#include <optional>
#include <string_view>

namespace engine {

// Fills both persons' pictures, list colour and eight directions from their element, colour
// and trigram. A value that is no key of its list leaves that step's fields as they were.
void SetDirectionsAndPictures(CoupleReading& reading);

// The trigram whose own direction this is (its "Personal" one): North is Kan's, South West
// Kun's. Empty for a text that is no direction.
std::string_view TrigramOfDirection(std::string_view direction);

// The eight directions of a trigram's chart in the order a reading lists them, Success first;
// nothing for a text that is no trigram. A house has the chart of its trigram, as a person has.
std::optional<std::array<std::string_view, 8>> DirectionsOfTrigram(std::string_view trigram);

} // namespace engine
