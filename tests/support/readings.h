#pragma once

#include "engine/complete_reading.h"
#include "engine/couple_reading.h"

#include <cstdint>

namespace test {

// A couple's reading from their two Kua numbers, as opening a saved reading gives it.
inline engine::CoupleReading readingOf(int selfKua, int partnerKua) {
    engine::CoupleReading reading;
    reading.Self.KuaNumber = static_cast<std::int16_t>(selfKua);
    reading.Partner.KuaNumber = static_cast<std::int16_t>(partnerKua);
    engine::CompleteReading(reading);
    return reading;
}

} // namespace test
