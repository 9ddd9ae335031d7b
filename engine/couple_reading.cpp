#include "engine/couple_reading.h"

namespace engine {
namespace {

void resetShownFields(PersonReading& person) {
    person.Group = kUnknownText;
    person.Element = kUnknownText;
    person.Trigram = kUnknownText;
    person.Colour = kUnknownText;
    person.ListColour = kUnknownText;
    person.Directions.fill(kUnknownText);
    person.TrigramPicture.clear();
    person.ElementPicture.clear();
    person.ColourPicture.clear();
    person.ElementDescription = kUnknownDescription;
}

} // namespace

CoupleReading::CoupleReading() {
    ResetShownFields(*this);
}

void ResetShownFields(CoupleReading& reading) {
    resetShownFields(reading.Self);
    resetShownFields(reading.Partner);
    reading.PairKey = kUnknownText;
    reading.Rating = kUnknownText;
}

} // namespace engine
