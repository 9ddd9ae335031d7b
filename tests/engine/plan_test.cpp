#include "compass/plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string_view>
#include <variant>

namespace {

using compass::LineBetween;
using compass::PlanDirection;
using compass::PlanPoint;

// What a spot should read: one direction, or the line between two.
struct Expected {
    const char* direction; // the direction, or the first of the two on a line
    const char* after;     // the second on a line, or nothing
};

void expectDirection(const std::optional<PlanDirection>& read, Expected expected) {
    ASSERT_TRUE(read);
    if (expected.after == nullptr) {
        ASSERT_TRUE(std::holds_alternative<std::string_view>(*read));
        EXPECT_EQ(std::get<std::string_view>(*read), expected.direction);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<LineBetween>(*read));
    EXPECT_EQ(std::get<LineBetween>(*read).Before, expected.direction);
    EXPECT_EQ(std::get<LineBetween>(*read).After, expected.after);
}

// A spot on the picture at an angle clockwise from the picture's top, as a ruler and a
// protractor laid on the paper find it.
PlanPoint spotAt(PlanPoint centre, double pictureDegrees) {
    constexpr double kDistance = 250;
    const double radians = pictureDegrees * std::numbers::pi / 180.0;
    return {centre.X + kDistance * std::sin(radians), centre.Y - kDistance * std::cos(radians)};
}

struct SpotRow {
    double north;          // how far North is turned clockwise from the picture's top
    double pictureDegrees; // where the spot lies from the centre on the picture
    Expected expected;
};

class PlanSpotTest : public testing::TestWithParam<SpotRow> {};

TEST_P(PlanSpotTest, LiesInTheSectorItsBearingNames) {
    const SpotRow& row = GetParam();
    const PlanPoint centre{412, 230};
    expectDirection(compass::SectorOnPlan({centre, row.north}, spotAt(centre, row.pictureDegrees)),
                    row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Norths, PlanSpotTest, testing::Values(
    SpotRow{0, 0, {"North", nullptr}},
    SpotRow{0, 90, {"East", nullptr}},
    SpotRow{0, 22.5, {"North", "North East"}},
    SpotRow{0, 200, {"South", nullptr}},
    // North turned 30° to the right: the picture's top lies North West.
    SpotRow{30, 30, {"North", nullptr}},
    SpotRow{30, 0, {"North West", nullptr}},
    SpotRow{30, 75, {"North East", nullptr}},
    SpotRow{30, 52.5, {"North", "North East"}},
    SpotRow{30, 54.4, {"North", "North East"}},
    SpotRow{30, 54.6, {"North East", nullptr}},
    SpotRow{30, 210, {"South", nullptr}},
    // A plan drawn with South at the top.
    SpotRow{180, 0, {"South", nullptr}},
    SpotRow{180, 90, {"West", nullptr}},
    SpotRow{180, 157.5, {"North West", "North"}},
    // North on a line itself: the picture's top lies on the line to North East.
    SpotRow{337.5, 0, {"North", "North East"}},
    SpotRow{337.5, 337.5, {"North", nullptr}},
    SpotRow{337.5, 45, {"North East", "East"}},
    SpotRow{337.5, 60, {"East", nullptr}},
    SpotRow{337.5, 315, {"North West", "North"}},
    SpotRow{337.5, 270, {"West", "North West"}}));
// clang-format on

TEST(PlanSpot, TheCentreLiesInNoSector) {
    const PlanPoint centre{10, 20};
    EXPECT_FALSE(compass::SectorOnPlan({centre, 30}, centre));
    EXPECT_FALSE(compass::DirectionOfCell(30, {0, 0}));
}

// A picture 300 × 150 with the home's centre moved to 100, 60 and North turned 30°: the middle
// cell is 100 × 50 around the centre, and the grid's sides lie along the picture's, turned
// from the compass.
struct CellRow {
    double north;
    PlanPoint spot;
    compass::GridCell cell;
    Expected expected;
};

class PlanGridTest : public testing::TestWithParam<CellRow> {};

TEST_P(PlanGridTest, EachCellTakesTheDirectionItsSideFaces) {
    const CellRow& row = GetParam();
    const compass::PlanFrame frame{{100, 60}, row.north};
    const compass::GridCell cell = compass::GridCellOnPlan(frame, {300, 150}, row.spot);
    EXPECT_EQ(cell, row.cell);
    expectDirection(compass::DirectionOfCell(row.north, cell), row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(TurnedRectangle, PlanGridTest, testing::Values(
    CellRow{30, {10, 10}, {-1, -1}, {"West", nullptr}},
    CellRow{30, {290, 60}, {1, 0}, {"North East", nullptr}},
    CellRow{30, {100, 140}, {0, 1}, {"South East", nullptr}},
    CellRow{30, {151, 86}, {1, 1}, {"East", nullptr}},
    CellRow{30, {40, 40}, {-1, 0}, {"South West", nullptr}},
    CellRow{0, {290, 5}, {1, -1}, {"North East", nullptr}},
    CellRow{0, {100, 5}, {0, -1}, {"North", nullptr}},
    // Half-way between two directions, the grid's cells lie on lines.
    CellRow{22.5, {100, 5}, {0, -1}, {"North West", "North"}}));
// clang-format on

TEST(PlanGrid, TheMiddleCellHoldsTheCentreAndItsThird) {
    const compass::PlanFrame frame{{100, 60}, 30};
    EXPECT_EQ(compass::GridCellOnPlan(frame, {300, 150}, {100, 60}), (compass::GridCell{0, 0}));
    EXPECT_EQ(compass::GridCellOnPlan(frame, {300, 150}, {149, 84}), (compass::GridCell{0, 0}));
}

// The front door clicked on the plan's right-hand side of a house that faces 183°.
TEST(PlanNorth, TurnsSoThatTheFrontDoorLiesInTheFacing) {
    const PlanPoint centre{50, 50};
    const PlanPoint door{150, 50};
    const auto north = compass::NorthForDoor(centre, door, 183);
    ASSERT_TRUE(north);
    EXPECT_DOUBLE_EQ(*north, 267);
    expectDirection(compass::SectorOnPlan({centre, *north}, door), {"South", nullptr});
    EXPECT_FALSE(compass::NorthForDoor(centre, centre, 183));
    EXPECT_FALSE(compass::NorthForDoor(centre, door, 360));
}

} // namespace
