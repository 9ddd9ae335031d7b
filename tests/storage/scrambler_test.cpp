#include "storage/scrambler.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using storage::ScrambleText;
using storage::UnscrambleText;

std::string bytes(std::initializer_list<int> codes) {
    std::string text;
    for (const int code : codes) {
        text += static_cast<char>(code);
    }
    return text;
}

TEST(Scrambler, EveryCodeUpTo170SurvivesTheRoundTrip) {
    for (int code = 0; code <= 170; ++code) {
        const std::string text = bytes({code});
        const std::string scrambled = ScrambleText(text);
        ASSERT_EQ(scrambled.size(), 1u) << code;
        EXPECT_EQ(static_cast<unsigned char>(scrambled[0]), code + 85);
        EXPECT_EQ(UnscrambleText(scrambled), text) << code;
    }
}

TEST(Scrambler, CodesAbove170AreDroppedAndTheRestKeepsItsOrder) {
    for (int code = 171; code <= 255; ++code) {
        EXPECT_EQ(ScrambleText(bytes({code})), "") << code;
    }
    EXPECT_EQ(ScrambleText(bytes({'a', 200, 'b', 255, 'c'})), bytes({182, 183, 184}));
}

struct Example {
    const char* name;
    std::string plain;
    std::string scrambled;
};

class ScrambleExampleTest : public testing::TestWithParam<Example> {};

TEST_P(ScrambleExampleTest, Scrambles) {
    EXPECT_EQ(ScrambleText(GetParam().plain), GetParam().scrambled);
}

INSTANTIATE_TEST_SUITE_P(Examples, ScrambleExampleTest,
                         testing::Values(Example{"Letters", "abc", bytes({182, 183, 184})},
                                         Example{"Three", "3", bytes({0x88})},
                                         Example{"Nine", "9", bytes({0x8E})},
                                         Example{"Minus", "-", bytes({0x82})},
                                         Example{"Empty", "", ""},
                                         Example{"Code200", bytes({200}), ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Unscrambler, DropsEveryCodeBelow85) {
    EXPECT_EQ(UnscrambleText(""), "");
    EXPECT_EQ(UnscrambleText("12"), "");
    EXPECT_EQ(UnscrambleText("ABCDEFGHIJKLMNOPQRST"), "");
    EXPECT_EQ(UnscrambleText("U"), bytes({0}));
    std::string lower;
    std::string shifted;
    for (int code = 'a'; code <= 'z'; ++code) {
        lower += static_cast<char>(code);
        shifted += static_cast<char>(code - 85);
    }
    EXPECT_EQ(UnscrambleText(lower), shifted);
    EXPECT_EQ(UnscrambleText(bytes({0x8E})), "9");
}

TEST(Scrambler, TextsOf32768BytesOrMoreGiveEmptyText) {
    EXPECT_EQ(ScrambleText(std::string(32768, 'a')), "");
    EXPECT_EQ(UnscrambleText(std::string(32768, 'a')), "");
    EXPECT_EQ(ScrambleText(std::string(40000, '1')), "");
    EXPECT_EQ(ScrambleText(std::string(32766, 'a')).size(), 32766u);
}

} // namespace
