#include "compass/compass.h"
#include "engine/engine.h"
#include "tests/engine/school.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

using engine::CoupleReading;
using school::CoupleOf;

class KuaDirectionsTest : public testing::TestWithParam<int> {};

// Each Kua number's eight directions hold what the school says of any chart: each direction
// once, the favourable four are the group's four, and Personal is where the trigram stands.
TEST_P(KuaDirectionsTest, KeepTheSchoolsRules) {
    const engine::PersonReading person = CoupleOf(GetParam(), 1).Self;
    std::array<std::string_view, 4> favourable = {};
    std::copy_n(person.Directions.begin(), 4, favourable.begin());
    std::array<std::string_view, 4> groups = school::kGroupDirections.at(person.Group);
    std::ranges::sort(favourable);
    std::ranges::sort(groups);
    EXPECT_EQ(favourable, groups);
    std::array<std::string, 8> sorted = person.Directions;
    std::ranges::sort(sorted);
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    EXPECT_EQ(school::kTrigramIn.at(person.Directions[3]), person.Trigram);
    EXPECT_EQ(engine::TrigramOfDirection(person.Directions[3]), person.Trigram);
    // The pictures are named by the values they show; the list's colour is the profile's,
    // but for Kan's spelling and Kun's, which Kua 2 shares with Kua 5.
    EXPECT_EQ(person.TrigramPicture, person.Trigram);
    EXPECT_EQ(person.ElementPicture, person.Element);
    EXPECT_EQ(person.ColourPicture, person.Colour);
    const char* listColour = person.Trigram == "Kan"   ? "Off-White"
                             : person.Trigram == "Kun" ? "Orange"
                                                       : person.Colour.c_str();
    EXPECT_EQ(person.ListColour, listColour);
}

// The compass of the same person: each meaning sits at its direction, graded by the rating a
// partner standing there gets.
TEST_P(KuaDirectionsTest, OnTheCompass) {
    const engine::PersonReading person = CoupleOf(GetParam(), 1).Self;
    const auto sectors = compass::SectorsOf(person);
    ASSERT_TRUE(sectors);
    const std::array<int, 8> strengths = {3, 2, 3, 1, 1, 3, 2, 3};
    for (std::size_t row = 0; row < 8; ++row) {
        const auto at = std::ranges::find(compass::kDirections, person.Directions[row]) -
                        compass::kDirections.begin();
        const compass::Sector& sector = (*sectors)[static_cast<std::size_t>(at)];
        SCOPED_TRACE(school::kMeanings[row]);
        EXPECT_EQ(sector.Direction, person.Directions[row]);
        EXPECT_EQ(sector.Meaning, school::kMeanings[row]);
        EXPECT_EQ(sector.Favourable, row < 4);
        EXPECT_EQ(sector.Rating, school::kRatingOfMeaning[row]);
        const auto grade = compass::GradeOf(sector.Rating);
        ASSERT_TRUE(grade);
        EXPECT_EQ(grade->Favourable, row < 4);
        EXPECT_EQ(grade->Strength, strengths[row]);
    }
}

INSTANTIATE_TEST_SUITE_P(NineKuaNumbers, KuaDirectionsTest, testing::Range(1, 10),
                         [](const auto& info) { return "Kua" + std::to_string(info.param); });

// Two trigrams stand in each other's charts under the same star: Kan in Li's Relationship and
// Li in Kan's, and so on for all 64 pairs.
TEST(Directions, TwoTrigramsShareTheirStar) {
    for (int self = 1; self <= 9; ++self) {
        for (int partner = 1; partner <= 9; ++partner) {
            const CoupleReading reading = CoupleOf(self, partner);
            EXPECT_EQ(school::RowOf(reading.Self, reading.Partner.Trigram),
                      school::RowOf(reading.Partner, reading.Self.Trigram))
                << reading.Self.Trigram << " and " << reading.Partner.Trigram;
        }
    }
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
            const CoupleReading reading = CoupleOf(self, partner);
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
    const CoupleReading reading = CoupleOf(row.self, row.partner);
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
    const CoupleReading reading = CoupleOf(1, 0);
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
