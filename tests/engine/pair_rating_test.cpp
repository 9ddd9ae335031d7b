#include "engine/engine.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace {

using engine::CoupleReading;
using engine::RatePair;

const std::array<std::string, 8> kTrigrams = {"Chen",  "Sun", "Kan", "Li",
                                              "Chien", "Kun", "Ken", "Tui"};

// The compatibility codes, rows by the user's trigram, columns by the partner's.
const std::array<std::array<std::string, 8>, 8> kCodes = {{
    {"F4", "F2", "F3", "F1", "H3", "H1", "H2", "H4"},
    {"F2", "F4", "F1", "F3", "H1", "H3", "H4", "H2"},
    {"F3", "F1", "F4", "F2", "H2", "H4", "H3", "H1"},
    {"F1", "F3", "F2", "F4", "H4", "H2", "H1", "H3"},
    {"H3", "H1", "H2", "H4", "F4", "F2", "F3", "F1"},
    {"H1", "H3", "H4", "H2", "F2", "F4", "F1", "F3"},
    {"H2", "H4", "H3", "H1", "F3", "F1", "F4", "F2"},
    {"H4", "H2", "H1", "H3", "F1", "F3", "F2", "F4"},
}};

const std::map<std::string, std::string> kWordByCode = {
    {"F1", "Excellent"},      {"F2", "Excellent"}, {"F3", "Very Good"},  {"F4", "Good"},
    {"H1", "Unsatisfactory"}, {"H2", "Bad"},       {"H3", "Disastrous"}, {"H4", "Disastrous"},
};

TEST(RatePair, AllSixtyFourPairs) {
    for (std::size_t i = 0; i < 8; ++i) {
        for (std::size_t j = 0; j < 8; ++j) {
            CoupleReading reading;
            RatePair(reading, kTrigrams[i], kTrigrams[j]);
            const std::string key = kTrigrams[i] + "-" + kTrigrams[j];
            SCOPED_TRACE(key);
            EXPECT_EQ(reading.PairKey, key);
            EXPECT_EQ(reading.Rating, kWordByCode.at(kCodes[i][j]));
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
