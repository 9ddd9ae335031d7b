// The public header has to stand on its own: this file includes nothing before it.
#include "engine/engine.h"

#include <gtest/gtest.h>

TEST(EngineHeader, DeclaresTheWholeReading) {
    engine::CoupleReading reading;
    engine::SetPersonProfile(reading, engine::KuaNumberOfYear(1985, "Male"), true);
    engine::SetPersonProfile(reading, 9, false);
    engine::SetElementDescriptions(reading);
    engine::SetDirectionsAndPictures(reading);
    EXPECT_EQ(reading.PairKey, "Chien-Li");
    EXPECT_EQ(reading.Rating, "Disastrous");
}
