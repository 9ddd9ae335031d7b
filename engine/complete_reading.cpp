#include "engine/complete_reading.h"

#include "engine/directions.h"
#include "engine/element_texts.h"
#include "engine/profile.h"

namespace engine {

void CompleteReading(CoupleReading& reading) {
    ResetShownFields(reading);
    SetPersonProfile(reading, reading.Self.KuaNumber, true);
    SetPersonProfile(reading, reading.Partner.KuaNumber, false);
    SetElementDescriptions(reading);
    SetDirectionsAndPictures(reading);
}

} // namespace engine
