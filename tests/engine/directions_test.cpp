#include "compass/compass.h"
#include "engine/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

using engine::CoupleReading;

struct DirectionColumn {
    int kua;
    const char* listColour;
    std::array<const char*, 8> directions; // Success .. Total Loss
    const char* trigramPicture;
    const char* elementPicture;
    const char* colourPicture;
};

// clang-format off
const DirectionColumn kColumns[] = {
    {1, "Off-White", {"South East", "East", "South", "North", "West", "North East", "North West", "South West"}, "Kan", "Water", "Off White"},
    {2, "Orange", {"North East", "West", "North West", "South West", "East", "South East", "South", "North"}, "Kun", "Earth", "Black"},
    {3, "Green", {"South", "North", "South East", "East", "South West", "North West", "North East", "West"}, "Chen", "Wood", "Green"},
    {4, "Blue", {"North", "South", "East", "South East", "North West", "South West", "West", "North East"}, "Sun", "Wood", "Blue"},
    {5, "Orange", {"North East", "West", "North West", "South West", "East", "South East", "South", "North"}, "Kun", "Earth", "Orange"},
    {6, "Gray", {"West", "North East", "South West", "North West", "South East", "East", "North", "South"}, "Chien", "Metal", "Gray"},
    {7, "Red", {"North West", "South West", "North East", "West", "North", "South", "South East", "East"}, "Tui", "Metal", "Red"},
    {8, "White", {"South West", "North West", "West", "North East", "South", "North", "East", "South East"}, "Ken", "Earth", "White"},
    {9, "Purple", {"East", "South East", "North", "South", "North East", "West", "South West", "North West"}, "Li", "Fire", "Purple"},
};
// clang-format on

class DirectionColumnTest : public testing::TestWithParam<DirectionColumn> {};

void expectColumn(const engine::PersonReading& person, const DirectionColumn& column) {
    EXPECT_EQ(person.ListColour, column.listColour);
    for (std::size_t row = 0; row < 8; ++row) {
        EXPECT_EQ(person.Directions[row], column.directions[row]) << "row " << row;
    }
    EXPECT_EQ(person.TrigramPicture, column.trigramPicture);
    EXPECT_EQ(person.ElementPicture, column.elementPicture);
    EXPECT_EQ(person.ColourPicture, column.colourPicture);
}

TEST_P(DirectionColumnTest, ForTheUserAndForThePartner) {
    const DirectionColumn& column = GetParam();
    const int otherKua = column.kua == 9 ? 1 : 9;
    CoupleReading reading;
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(column.kua), true);
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(otherKua), false);
    engine::SetDirectionsAndPictures(reading);
    expectColumn(reading.Self, column);

    CoupleReading swapped;
    engine::SetPersonProfile(swapped, static_cast<std::int16_t>(otherKua), true);
    engine::SetPersonProfile(swapped, static_cast<std::int16_t>(column.kua), false);
    engine::SetDirectionsAndPictures(swapped);
    expectColumn(swapped.Partner, column);
}

// The compass of the same person: each meaning sits at the direction the column gives it, on
// its side of the reading.
TEST_P(DirectionColumnTest, OnTheCompass) {
    const DirectionColumn& column = GetParam();
    CoupleReading reading;
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(column.kua), true);
    engine::SetDirectionsAndPictures(reading);
    const auto sectors = compass::SectorsOf(reading.Self);
    ASSERT_TRUE(sectors);
    const std::array<const char*, 8> meanings = {"Success",      "Health",    "Relationship",
                                                 "Personal",     "Mishaps",   "Five Ghosts",
                                                 "Six Killings", "Total Loss"};
    const std::array<const char*, 8> clockwise = {"North", "North East", "East", "South East",
                                                  "South", "South West", "West", "North West"};
    for (std::size_t row = 0; row < 8; ++row) {
        const auto at =
            std::find(clockwise.begin(), clockwise.end(), std::string(column.directions[row])) -
            clockwise.begin();
        const compass::Sector& sector = (*sectors)[static_cast<std::size_t>(at)];
        EXPECT_EQ(sector.Direction, column.directions[row]);
        EXPECT_EQ(sector.Meaning, meanings[row]);
        EXPECT_EQ(sector.Favourable, row < 4) << meanings[row];
        EXPECT_EQ(sector.Strength, row < 4 ? 4 - static_cast<int>(row) : static_cast<int>(row) - 3);
    }
}

INSTANTIATE_TEST_SUITE_P(NineKuaNumbers, DirectionColumnTest, testing::ValuesIn(kColumns),
                         [](const auto& info) { return "Kua" + std::to_string(info.param.kua); });

TEST(Directions, EveryColumnHoldsEachDirectionOnce) {
    for (const DirectionColumn& column : kColumns) {
        CoupleReading reading;
        engine::SetPersonProfile(reading, static_cast<std::int16_t>(column.kua), true);
        engine::SetDirectionsAndPictures(reading);
        std::array<std::string, 8> sorted = reading.Self.Directions;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted,
                  (std::array<std::string, 8>{"East", "North", "North East", "North West", "South",
                                              "South East", "South West", "West"}));
    }
}

// The directions favourable to both of a couple.
struct SharedDirections {
    int self;
    int partner;
    std::vector<std::string_view> good;
};

class GoodForBothTest : public testing::TestWithParam<SharedDirections> {};

TEST_P(GoodForBothTest, FromBothTables) {
    const SharedDirections& row = GetParam();
    CoupleReading reading;
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(row.self), true);
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(row.partner), false);
    engine::SetDirectionsAndPictures(reading);
    EXPECT_EQ(compass::GoodForBoth(reading.Self, reading.Partner), row.good);
    EXPECT_EQ(compass::GoodForBoth(reading.Partner, reading.Self), row.good);
}

INSTANTIATE_TEST_SUITE_P(
    Couples, GoodForBothTest,
    testing::Values(
        // Two of the East group share its four directions.
        SharedDirections{1, 3, {"North", "East", "South East", "South"}},
        // The West group's four; Kua 5 reads as Kun.
        SharedDirections{5, 7, {"North East", "South West", "West", "North West"}},
        // An East and a West person share none.
        SharedDirections{4, 6, {}},
        // The same Kua twice: all four of its own.
        SharedDirections{9, 9, {"North", "East", "South East", "South"}},
        // A partner with no reading yet has no directions to share.
        SharedDirections{1, 0, {}}),
    [](const auto& info) {
        return "Kua" + std::to_string(info.param.self) + "And" + std::to_string(info.param.partner);
    });

struct UnknownValue {
    const char* name;
    const char* trigram;
    const char* element;
    const char* colour;
};

class UnknownValueTest : public testing::TestWithParam<UnknownValue> {};

TEST_P(UnknownValueTest, LeavesThatStepsFieldsAsTheyWere) {
    CoupleReading reading;
    engine::SetPersonProfile(reading, 3, true);
    engine::SetDirectionsAndPictures(reading);
    const engine::PersonReading before = reading.Self;

    const UnknownValue& value = GetParam();
    if (value.trigram) {
        reading.Self.Trigram = value.trigram;
    }
    if (value.element) {
        reading.Self.Element = value.element;
    }
    if (value.colour) {
        reading.Self.Colour = value.colour;
    }
    engine::SetDirectionsAndPictures(reading);

    EXPECT_EQ(reading.Self.ListColour, before.ListColour);
    EXPECT_EQ(reading.Self.Directions, before.Directions);
    EXPECT_EQ(reading.Self.TrigramPicture, value.trigram ? before.TrigramPicture : "Chen");
    EXPECT_EQ(reading.Self.ElementPicture, before.ElementPicture);
    EXPECT_EQ(reading.Self.ColourPicture, before.ColourPicture);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnknownValueTest,
    testing::Values(UnknownValue{"EmptyTrigram", "", nullptr, nullptr},
                    UnknownValue{"LowerCaseTrigram", "chen", nullptr, nullptr},
                    UnknownValue{"UnknownElement", nullptr, "Soil", nullptr},
                    UnknownValue{"ListColourIsNoPictureKey", nullptr, nullptr, "Off-White"},
                    UnknownValue{"GreyIsSpelledGray", nullptr, nullptr, "Grey"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Directions, PartnerWithKuaNineFillsTheSecondColumn) {
    CoupleReading reading;
    engine::SetPersonProfile(reading, 2, true);
    engine::SetPersonProfile(reading, 9, false);
    engine::SetDirectionsAndPictures(reading);
    EXPECT_EQ(reading.Partner.ListColour, "Purple");
    EXPECT_EQ(reading.Partner.Directions.front(), "East");
    EXPECT_EQ(reading.Partner.Directions.back(), "North West");
    EXPECT_EQ(reading.Self.ListColour, "Orange");
    EXPECT_EQ(reading.Self.ColourPicture, "Black");
}

TEST(PictureKeys, ListsHoldTheirKeysInOrder) {
    EXPECT_EQ(engine::IMGTrigrams.size(), 8u);
    EXPECT_EQ(engine::IMGTrigrams[0], "Chen");
    EXPECT_EQ(engine::IMGTrigrams[7], "Tui");
    EXPECT_EQ(engine::IMGElements.size(), 5u);
    EXPECT_EQ(engine::IMGColours.size(), 9u);
    EXPECT_EQ(engine::IMGColours[2], "Green");
    EXPECT_EQ(engine::IMGColours[3], "Gray");
    EXPECT_EQ(engine::IMGColours[4], "Off White");
}

} // namespace
