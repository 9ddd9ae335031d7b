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
    // The rating a partner standing in each direction gets, which grades its shade.
    const std::array<const char*, 8> ratings = {"Excellent", "Very Good",      "Excellent",
                                                "Good",      "Unsatisfactory", "Disastrous",
                                                "Bad",       "Disastrous"};
    const std::array<int, 8> strengths = {3, 2, 3, 1, 1, 3, 2, 3};
    for (std::size_t row = 0; row < 8; ++row) {
        const auto at =
            std::find(clockwise.begin(), clockwise.end(), std::string(column.directions[row])) -
            clockwise.begin();
        const compass::Sector& sector = (*sectors)[static_cast<std::size_t>(at)];
        EXPECT_EQ(sector.Direction, column.directions[row]);
        EXPECT_EQ(sector.Meaning, meanings[row]);
        EXPECT_EQ(sector.Favourable, row < 4) << meanings[row];
        EXPECT_EQ(sector.Rating, ratings[row]) << meanings[row];
        const auto grade = compass::GradeOf(sector.Rating);
        ASSERT_TRUE(grade);
        EXPECT_EQ(grade->Favourable, row < 4) << meanings[row];
        EXPECT_EQ(grade->Strength, strengths[row]) << meanings[row];
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

CoupleReading coupleOf(int self, int partner) {
    CoupleReading reading;
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(self), true);
    engine::SetPersonProfile(reading, static_cast<std::int16_t>(partner), false);
    engine::SetDirectionsAndPictures(reading);
    return reading;
}

std::vector<std::string_view> bedDirections(const compass::CoupleAdvice& advice) {
    std::vector<std::string_view> directions;
    for (const compass::SectorForTwo& two : advice.Bed) {
        directions.push_back(two.Self.Direction);
    }
    return directions;
}

// Every couple of Kua numbers: two of one group share their group's four directions, with a
// direction that is Success for either never first; two of different groups share none and
// get two directions, each favourable for one and Mishaps for the other.
TEST(CoupleAdvice, ForEveryPairOfKuaNumbers) {
    const std::vector<std::string_view> east = {"North", "East", "South East", "South"};
    const std::vector<std::string_view> west = {"North East", "South West", "West", "North West"};
    for (int self = 1; self <= 9; ++self) {
        for (int partner = 1; partner <= 9; ++partner) {
            SCOPED_TRACE(testing::Message() << "Kua " << self << " and " << partner);
            const CoupleReading reading = coupleOf(self, partner);
            const auto advice = compass::AdviceFor(reading.Self, reading.Partner);
            ASSERT_TRUE(advice);
            EXPECT_EQ(advice->SelfDesk, reading.Self.Directions[0]);
            EXPECT_EQ(advice->PartnerDesk, reading.Partner.Directions[0]);
            std::vector<std::string_view> bed = bedDirections(*advice);
            if (reading.Self.Group == reading.Partner.Group) {
                EXPECT_TRUE(advice->ShareFavourable);
                EXPECT_NE(bed.front(), advice->SelfDesk);
                EXPECT_NE(bed.front(), advice->PartnerDesk);
                std::ranges::sort(bed, [](auto a, auto b) {
                    return std::ranges::find(compass::kDirections, a) <
                           std::ranges::find(compass::kDirections, b);
                });
                EXPECT_EQ(bed, reading.Self.Group == "East" ? east : west);
                continue;
            }
            EXPECT_FALSE(advice->ShareFavourable);
            ASSERT_EQ(advice->Bed.size(), 2U);
            for (const compass::SectorForTwo& two : advice->Bed) {
                const bool selfFavoured = two.Self.Favourable;
                EXPECT_NE(selfFavoured, two.Partner.Favourable);
                EXPECT_EQ((selfFavoured ? two.Partner : two.Self).Meaning, "Mishaps");
            }
            EXPECT_NE(advice->Bed[0].Self.Favourable, advice->Bed[1].Self.Favourable);
        }
    }
}

// Couples whose advice the published charts give.
struct PublishedAdvice {
    int self;
    int partner;
    std::vector<std::string_view> bed; // best first
    std::string_view selfDesk;
    std::string_view partnerDesk;
};

class PublishedAdviceTest : public testing::TestWithParam<PublishedAdvice> {};

TEST_P(PublishedAdviceTest, MatchesTheCharts) {
    const PublishedAdvice& row = GetParam();
    const CoupleReading reading = coupleOf(row.self, row.partner);
    const auto advice = compass::AdviceFor(reading.Self, reading.Partner);
    ASSERT_TRUE(advice);
    EXPECT_EQ(bedDirections(*advice), row.bed);
    EXPECT_EQ(advice->SelfDesk, row.selfDesk);
    EXPECT_EQ(advice->PartnerDesk, row.partnerDesk);
}

INSTANTIATE_TEST_SUITE_P(
    Couples, PublishedAdviceTest,
    testing::Values(
        // Li and Chen: North is her Relationship and his Health, South East the other way
        // round; East and South are the Success of one of them.
        PublishedAdvice{9, 3, {"North", "South East", "East", "South"}, "East", "South"},
        // Kan and Chien share nothing: South East is his Success and her Mishaps, West hers
        // and his.
        PublishedAdvice{1, 6, {"South East", "West"}, "South East", "West"},
        // Two of the same trigram: Health, Relationship, Personal, then Success.
        PublishedAdvice{
            2, 2, {"West", "North West", "South West", "North East"}, "North East", "North East"}),
    [](const auto& info) {
        return "Kua" + std::to_string(info.param.self) + "And" + std::to_string(info.param.partner);
    });

TEST(CoupleAdvice, NoneWithoutBothReadings) {
    const CoupleReading reading = coupleOf(1, 0);
    EXPECT_FALSE(compass::AdviceFor(reading.Self, reading.Partner));
}

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
