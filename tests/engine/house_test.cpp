#include "compass/house.h"
#include "tests/engine/school.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <variant>

namespace {

using compass::House;
using compass::OnALine;

// A house takes the trigram of the side it sits on, and that trigram's group: the group whose
// four directions hold the trigram's own.
TEST(House, EachFacingSitsOnTheOppositeTrigram) {
    for (std::size_t i = 0; i < compass::kDirections.size(); ++i) {
        const std::string_view facing = compass::kDirections[i];
        const std::string_view sitting = compass::kDirections[(i + 4) % 8];
        const auto house = compass::HouseFacing(facing);
        ASSERT_TRUE(house) << facing;
        EXPECT_EQ(house->Sitting, sitting);
        EXPECT_EQ(house->Trigram, school::kTrigramIn.at(sitting));
        const auto& east = school::kGroupDirections.at("East");
        EXPECT_EQ(house->Group, std::ranges::find(east, sitting) != east.end() ? "East" : "West");
    }
    EXPECT_FALSE(compass::HouseFacing("Up"));
}

// Published house charts (taoismgate.com/ba-zhai-method/), each direction's star, clockwise from
// North.
struct PublishedHouse {
    const char* facing;
    std::array<std::string_view, 8> stars;
};

class PublishedHouseTest : public testing::TestWithParam<PublishedHouse> {};

TEST_P(PublishedHouseTest, HasTheStarsOfTheChart) {
    const auto house = compass::HouseFacing(GetParam().facing);
    ASSERT_TRUE(house);
    const auto sectors = compass::SectorsOfHouse(*house);
    ASSERT_TRUE(sectors);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ((*sectors)[i].Meaning, GetParam().stars[i]) << compass::kDirections[i];
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Houses, PublishedHouseTest, testing::Values(
    // Zhen (Chen) house, facing West.
    PublishedHouse{"West", {"Health", "Six Killings", "Personal", "Relationship", "Success", "Mishaps", "Total Loss", "Five Ghosts"}},
    // Kan house, facing South.
    PublishedHouse{"South", {"Personal", "Five Ghosts", "Health", "Success", "Relationship", "Total Loss", "Mishaps", "Six Killings"}},
    // Xun (Sun) house, facing North West.
    PublishedHouse{"North West", {"Success", "Total Loss", "Relationship", "Personal", "Health", "Five Ghosts", "Six Killings", "Mishaps"}}));
// clang-format on

// A facing names its house, or, within two degrees of the line between two directions, both
// houses and the line: never the one or the other in silence.
struct MeasuredFacing {
    double degrees;
    const char* facing;      // the house's facing, or the first of the two on a line
    const char* facingAfter; // the second on a line, or nothing
    double line;
};

class MeasuredFacingTest : public testing::TestWithParam<MeasuredFacing> {};

TEST_P(MeasuredFacingTest, NamesItsHouseOrItsLine) {
    const MeasuredFacing& row = GetParam();
    const auto reading = compass::ReadFacing(row.degrees);
    ASSERT_TRUE(reading);
    if (row.facingAfter == nullptr) {
        ASSERT_TRUE(std::holds_alternative<House>(*reading));
        EXPECT_EQ(std::get<House>(*reading), compass::HouseFacing(row.facing));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<OnALine>(*reading));
    const auto& line = std::get<OnALine>(*reading);
    EXPECT_EQ(line.Before, compass::HouseFacing(row.facing));
    EXPECT_EQ(line.After, compass::HouseFacing(row.facingAfter));
    EXPECT_DOUBLE_EQ(line.Line, row.line);
}

INSTANTIATE_TEST_SUITE_P(Degrees, MeasuredFacingTest,
                         testing::Values(MeasuredFacing{183, "South", nullptr, 0},
                                         MeasuredFacing{0, "North", nullptr, 0},
                                         MeasuredFacing{359.9, "North", nullptr, 0},
                                         MeasuredFacing{20.4, "North", nullptr, 0},
                                         MeasuredFacing{20.5, "North", "North East", 22.5},
                                         MeasuredFacing{22.4, "North", "North East", 22.5},
                                         MeasuredFacing{22.5, "North", "North East", 22.5},
                                         MeasuredFacing{22.6, "North", "North East", 22.5},
                                         MeasuredFacing{24.6, "North East", nullptr, 0},
                                         MeasuredFacing{337.4, "North West", "North", 337.5},
                                         MeasuredFacing{337.5, "North West", "North", 337.5},
                                         MeasuredFacing{337.6, "North West", "North", 337.5},
                                         MeasuredFacing{202.5, "South", "South West", 202.5}));

TEST(House, AFacingOutsideTheCircleNamesNothing) {
    for (const double degrees : {-1.0, -0.1, 360.0, 400.0, std::nan("")}) {
        EXPECT_FALSE(compass::ReadFacing(degrees)) << degrees;
    }
}

} // namespace
