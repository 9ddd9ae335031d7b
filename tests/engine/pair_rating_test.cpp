#include "engine/engine.h"
#include "tests/engine/school.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using engine::CoupleReading;
using engine::RatePair;

// A pair's rating follows from the star under which the partner's trigram stands in the
// user's chart, for all 64 pairs: so a slip in either table shows here.
TEST(RatePair, FollowsThePartnersPlaceInTheUsersChart) {
    for (int self = 1; self <= 9; ++self) {
        for (int partner = 1; partner <= 9; ++partner) {
            CoupleReading reading = school::CoupleOf(self, partner);
            const std::string& selfTrigram = reading.Self.Trigram;
            const std::string& partnerTrigram = reading.Partner.Trigram;
            SCOPED_TRACE(testing::Message() << selfTrigram << " with " << partnerTrigram);
            const std::size_t row = school::RowOf(reading.Self, partnerTrigram);
            ASSERT_LT(row, school::kMeanings.size());
            RatePair(reading, selfTrigram, partnerTrigram);
            EXPECT_EQ(reading.PairKey, std::string(selfTrigram).append("-").append(partnerTrigram));
            EXPECT_EQ(reading.Rating, school::kRatingOfMeaning[row]);
        }
    }
}

struct PairCase {
    const char* self;
    const char* partner;
    const char* key;
    const char* rating;
};

class RatedPairTest : public testing::TestWithParam<PairCase> {};

TEST_P(RatedPairTest, KnownPairs) {
    const PairCase& c = GetParam();
    CoupleReading reading;
    RatePair(reading, c.self, c.partner);
    EXPECT_EQ(reading.PairKey, c.key);
    EXPECT_EQ(reading.Rating, c.rating);
}

INSTANTIATE_TEST_SUITE_P(Examples, RatedPairTest,
                         testing::Values(PairCase{"Kan", "Li", "Kan-Li", "Excellent"},
                                         PairCase{"Chen", "Chien", "Chen-Chien", "Disastrous"},
                                         PairCase{"Chien", "Chen", "Chien-Chen", "Disastrous"},
                                         PairCase{"Chien", "Tui", "Chien-Tui", "Excellent"},
                                         PairCase{"Kun", "Li", "Kun-Li", "Bad"},
                                         PairCase{"Kun", "Kun", "Kun-Kun", "Good"},
                                         PairCase{"Sun", "Chien", "Sun-Chien", "Unsatisfactory"},
                                         PairCase{"Chen", "Kan", "Chen-Kan", "Very Good"}));

struct UnknownPair {
    const char* name;
    const char* self;
    const char* partner;
};

class UnknownPairTest : public testing::TestWithParam<UnknownPair> {};

TEST_P(UnknownPairTest, KeepsTheEarlierRatingWord) {
    CoupleReading reading;
    RatePair(reading, "Kun", "Li");
    RatePair(reading, GetParam().self, GetParam().partner);
    EXPECT_EQ(reading.PairKey, "Kun-Li");
    EXPECT_EQ(reading.Rating, "Bad");
}

INSTANTIATE_TEST_SUITE_P(Keys, UnknownPairTest,
                         testing::Values(UnknownPair{"EmptyPartner", "Kan", ""},
                                         UnknownPair{"EmptySelf", "", "Kan"},
                                         UnknownPair{"LowerCase", "kan", "Li"},
                                         UnknownPair{"Placeholder", "?", "?"},
                                         UnknownPair{"HyphenInside", "Kan-Li", ""},
                                         UnknownPair{"TrailingBlank", "Kan ", "Li"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RatePair, AnUnknownPairOnANewRecordKeepsThePlaceholders) {
    CoupleReading reading;
    const CoupleReading fresh;
    RatePair(reading, "Kan", "");
    EXPECT_EQ(reading.PairKey, fresh.PairKey);
    EXPECT_EQ(reading.Rating, fresh.Rating);
}

} // namespace
