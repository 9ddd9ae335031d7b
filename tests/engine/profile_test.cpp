#include "engine/engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using engine::CoupleReading;
using engine::SetPersonProfile;

struct ProfileRow {
    int kua;
    const char* group;
    const char* element;
    const char* trigram;
    const char* colour;
};

class ProfileTest : public testing::TestWithParam<ProfileRow> {};

TEST_P(ProfileTest, SetsTheFourFieldsOfTheOnePerson) {
    const ProfileRow& row = GetParam();
    for (const bool isSelf : {true, false}) {
        CoupleReading reading;
        const CoupleReading untouched;
        SetPersonProfile(reading, static_cast<std::int16_t>(row.kua), isSelf);
        const engine::PersonReading& person = isSelf ? reading.Self : reading.Partner;
        const engine::PersonReading& other = isSelf ? reading.Partner : reading.Self;
        EXPECT_EQ(person.KuaNumber, row.kua);
        EXPECT_EQ(person.Group, row.group);
        EXPECT_EQ(person.Element, row.element);
        EXPECT_EQ(person.Trigram, row.trigram);
        EXPECT_EQ(person.Colour, row.colour);
        EXPECT_EQ(other.Trigram, untouched.Self.Trigram);
        EXPECT_EQ(other.KuaNumber, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(NineKuaNumbers, ProfileTest,
                         testing::Values(ProfileRow{1, "East", "Water", "Kan", "Off White"},
                                         ProfileRow{2, "West", "Earth", "Kun", "Black"},
                                         ProfileRow{3, "East", "Wood", "Chen", "Green"},
                                         ProfileRow{4, "East", "Wood", "Sun", "Blue"},
                                         ProfileRow{5, "West", "Earth", "Kun", "Orange"},
                                         ProfileRow{6, "West", "Metal", "Chien", "Gray"},
                                         ProfileRow{7, "West", "Metal", "Tui", "Red"},
                                         ProfileRow{8, "West", "Earth", "Ken", "White"},
                                         ProfileRow{9, "East", "Fire", "Li", "Purple"}),
                         [](const auto& info) { return "Kua" + std::to_string(info.param.kua); });

class OutOfRangeKuaTest : public testing::TestWithParam<int> {};

TEST_P(OutOfRangeKuaTest, StoresTheNumberAndKeepsTheProfile) {
    CoupleReading reading;
    SetPersonProfile(reading, 4, true);
    SetPersonProfile(reading, 9, false);
    const CoupleReading before = reading;

    SetPersonProfile(reading, static_cast<std::int16_t>(GetParam()), true);

    EXPECT_EQ(reading.Self.KuaNumber, GetParam());
    EXPECT_EQ(reading.Self.Group, before.Self.Group);
    EXPECT_EQ(reading.Self.Element, before.Self.Element);
    EXPECT_EQ(reading.Self.Trigram, "Sun");
    EXPECT_EQ(reading.Self.Colour, before.Self.Colour);
    // The pair is still rated from the trigrams as they stand.
    EXPECT_EQ(reading.PairKey, "Sun-Li");
    EXPECT_EQ(reading.Rating, "Very Good");
}

INSTANTIATE_TEST_SUITE_P(Numbers, OutOfRangeKuaTest, testing::Values(0, 10, 12, -1, 32767));

TEST(Profile, ANewRecordShowsPlaceholdersThatNoReadingProduces) {
    const CoupleReading reading;
    for (const std::string& shown :
         {reading.Self.Group, reading.Self.Element, reading.Self.Trigram, reading.Self.Colour,
          reading.Self.ListColour, reading.Self.Directions[0], reading.PairKey, reading.Rating}) {
        EXPECT_FALSE(shown.empty());
        for (const char* word : {"East", "West", "Water", "Earth", "Kan", "Kun", "Black", "Good",
                                 "Excellent", "North", "Off-White", "Orange"}) {
            EXPECT_NE(shown, word);
        }
    }
    EXPECT_TRUE(reading.Self.TrigramPicture.empty());
    EXPECT_TRUE(reading.Partner.ColourPicture.empty());
    EXPECT_FALSE(reading.Partner.ElementDescription.empty());
}

TEST(Profile, ResetShownFieldsKeepsWhatWasEnteredAndComputed) {
    CoupleReading reading;
    reading.Self.Name = "Ann";
    reading.Self.Sex = "Female";
    reading.Partner.BirthMonth = "May";
    reading.Partner.BirthYear = 1977;
    reading.Partner.BirthDay = 12;
    SetPersonProfile(reading, 3, true);
    SetPersonProfile(reading, 7, false);
    engine::SetElementDescriptions(reading);
    engine::SetDirectionsAndPictures(reading);

    engine::ResetShownFields(reading);

    const CoupleReading fresh;
    EXPECT_EQ(reading.Self.Name, "Ann");
    EXPECT_EQ(reading.Self.Sex, "Female");
    EXPECT_EQ(reading.Partner.BirthMonth, "May");
    EXPECT_EQ(reading.Partner.BirthYear, 1977);
    EXPECT_EQ(reading.Partner.BirthDay, 12);
    EXPECT_EQ(reading.Self.KuaNumber, 3);
    EXPECT_EQ(reading.Partner.KuaNumber, 7);
    for (const auto* person : {&reading.Self, &reading.Partner}) {
        EXPECT_EQ(person->Group, fresh.Self.Group);
        EXPECT_EQ(person->Element, fresh.Self.Element);
        EXPECT_EQ(person->Trigram, fresh.Self.Trigram);
        EXPECT_EQ(person->Colour, fresh.Self.Colour);
        EXPECT_EQ(person->ListColour, fresh.Self.ListColour);
        EXPECT_EQ(person->Directions, fresh.Self.Directions);
        EXPECT_EQ(person->TrigramPicture, "");
        EXPECT_EQ(person->ElementPicture, "");
        EXPECT_EQ(person->ColourPicture, "");
        EXPECT_EQ(person->ElementDescription, fresh.Self.ElementDescription);
    }
    EXPECT_EQ(reading.PairKey, fresh.PairKey);
    EXPECT_EQ(reading.Rating, fresh.Rating);
}

TEST(Profile, TheFirstRatingOfAReadingUsesThePartnerTrigramOfTheLastOne) {
    CoupleReading reading;
    SetPersonProfile(reading, 1, true);
    SetPersonProfile(reading, 9, false);
    ASSERT_EQ(reading.PairKey, "Kan-Li");

    SetPersonProfile(reading, 3, true);
    EXPECT_EQ(reading.PairKey, "Chen-Li");
    EXPECT_EQ(reading.Rating, "Excellent");

    SetPersonProfile(reading, 6, false);
    EXPECT_EQ(reading.PairKey, "Chen-Chien");
    EXPECT_EQ(reading.Rating, "Disastrous");
}

TEST(Profile, TheFirstRatingOfANewRecordFindsNoPair) {
    CoupleReading reading;
    const CoupleReading fresh;
    SetPersonProfile(reading, 1, true);
    EXPECT_EQ(reading.PairKey, fresh.PairKey);
    EXPECT_EQ(reading.Rating, fresh.Rating);
}

} // namespace

namespace {

TEST(CompleteReading, StartsFromPlaceholdersAndFillsEverythingFromTheKuaNumbers) {
    CoupleReading reading;
    reading.Self.KuaNumber = 2;
    reading.Partner.KuaNumber = 5;
    engine::CompleteReading(reading);
    EXPECT_EQ(reading.PairKey, "Kun-Kun");
    EXPECT_EQ(reading.Rating, "Good");
    EXPECT_EQ(reading.Self.ColourPicture, "Black");
    EXPECT_EQ(reading.Partner.ListColour, "Orange");

    // A later reading whose user number is out of range shows placeholders, not the old user.
    reading.Self.KuaNumber = 12;
    engine::CompleteReading(reading);
    const CoupleReading fresh;
    EXPECT_EQ(reading.Self.KuaNumber, 12);
    EXPECT_EQ(reading.Self.Colour, fresh.Self.Colour);
    EXPECT_EQ(reading.Self.ColourPicture, "");
    EXPECT_EQ(reading.PairKey, fresh.PairKey);
    EXPECT_EQ(reading.Partner.Colour, "Orange");
}

} // namespace
