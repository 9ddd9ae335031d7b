#include "storage/reading_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using storage::DecodeReadingFile;
using storage::EncodeReadingFile;
using storage::ParseWholeNumber;
using storage::SavedKuaNumbers;

// The byte each Kua number 1..9 is stored as.
constexpr unsigned char kStoredByte[] = {0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E};

std::string stored(int kua) {
    return std::string(1, static_cast<char>(kStoredByte[kua - 1]));
}

TEST(ReadingFile, EveryPairOfKuaNumbersIsSixBytesAndComesBack) {
    for (int self = 1; self <= 9; ++self) {
        for (int partner = 1; partner <= 9; ++partner) {
            const SavedKuaNumbers numbers{static_cast<std::int16_t>(self),
                                          static_cast<std::int16_t>(partner)};
            const std::string bytes = EncodeReadingFile(numbers);
            EXPECT_EQ(bytes, stored(self) + "\r\n" + stored(partner) + "\r\n");
            EXPECT_EQ(DecodeReadingFile(bytes), numbers);
        }
    }
}

TEST(ReadingFile, UserThreePartnerSevenIsStoredAsOurReadersExpect) {
    EXPECT_EQ(EncodeReadingFile({3, 7}), std::string("\x88\r\n\x8C\r\n"));
}

TEST(ReadingFile, EverySixteenBitNumberSurvivesTheRoundTrip) {
    for (int n = -32768; n <= 32767; ++n) {
        const SavedKuaNumbers numbers{static_cast<std::int16_t>(n), 5};
        ASSERT_EQ(DecodeReadingFile(EncodeReadingFile(numbers)), numbers) << n;
    }
    EXPECT_EQ(EncodeReadingFile({-12, 0}), std::string("\x82\x86\x87\r\n\x85\r\n"));
}

struct FileCase {
    const char* name;
    std::string bytes;
    std::optional<SavedKuaNumbers> expected;
};

class DecodeTest : public testing::TestWithParam<FileCase> {};

TEST_P(DecodeTest, Decodes) {
    EXPECT_EQ(DecodeReadingFile(GetParam().bytes), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, DecodeTest, testing::Values(
    FileCase{"Empty", "", std::nullopt},
    FileCase{"OneLine", "\x88\r\n", std::nullopt},
    FileCase{"OneLineWithoutEnd", "\x88", std::nullopt},
    FileCase{"OneLineEndingInCr", "\x88\r", std::nullopt},
    FileCase{"SecondLineEmpty", "\x88\r\n\r\n", std::nullopt},
    FileCase{"PlainDigitsAreNoNumber", "3\r\n7\r\n", std::nullopt},
    FileCase{"Letters", "\xB6\r\n\x8C\r\n", std::nullopt},
    FileCase{"TooLarge", "\x88\x87\x8C\x8D\x8D\r\n\x8C\r\n", std::nullopt},
    FileCase{"TooSmall", "\x82\x88\x87\x8C\x8D\x8E\r\n\x8C\r\n", std::nullopt},
    FileCase{"CrOnlyLineEnds", "\x88\r\x8C\r", SavedKuaNumbers{3, 7}},
    FileCase{"SecondLineWithoutEnd", "\x88\r\n\x8C", SavedKuaNumbers{3, 7}},
    FileCase{"ThirdLineIgnored", "\x88\r\n\x8C\r\nnonsense\r\n", SavedKuaNumbers{3, 7}},
    FileCase{"ZeroAndTwelve", "\x85\r\n\x86\x87\r\n", SavedKuaNumbers{0, 12}},
    FileCase{"LoneLineFeedIsDroppedByTheUnscrambler", "\x88\n\r\n\x8C\r\n", SavedKuaNumbers{3, 7}},
    FileCase{"ScrambledBlanksAround", "\x75\x88\x75\r\n\x75\x75\x8C\r\n", SavedKuaNumbers{3, 7}},
    FileCase{"FractionRoundsHalfToEven", "\x87\x83\x8A\r\n\x88\x83\x8A\r\n", SavedKuaNumbers{2, 4}},
    FileCase{"LargestNumbers", "\x88\x87\x8C\x8B\x8C\r\n\x82\x88\x87\x8C\x8B\x8D\r\n", SavedKuaNumbers{32767, -32768}}));
// clang-format on

struct NumberCase {
    const char* text;
    std::optional<int> expected;
};

class ParseWholeNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseWholeNumberTest, Converts) {
    const std::optional<std::int16_t> parsed = ParseWholeNumber(GetParam().text);
    ASSERT_EQ(parsed.has_value(), GetParam().expected.has_value()) << GetParam().text;
    if (parsed) {
        EXPECT_EQ(*parsed, *GetParam().expected) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseWholeNumberTest,
    testing::Values(NumberCase{"5", 5}, NumberCase{"  5  ", 5}, NumberCase{"+5", 5},
                    NumberCase{"-5", -5}, NumberCase{"007", 7}, NumberCase{"0.5", 0},
                    NumberCase{"1.5", 2}, NumberCase{"2.5", 2}, NumberCase{"-2.5", -2},
                    NumberCase{"2.51", 3}, NumberCase{".5", 0}, NumberCase{"5.", 5},
                    NumberCase{"32767", 32767}, NumberCase{"-32768", -32768},
                    NumberCase{"32767.4", 32767}, NumberCase{"32767.5", std::nullopt},
                    NumberCase{"0.50000000000000000001", 1},
                    NumberCase{"32767.49999999999999999", 32767}, NumberCase{"-32768.5", -32768},
                    NumberCase{"32768", std::nullopt}, NumberCase{"-32769", std::nullopt},
                    NumberCase{"", std::nullopt}, NumberCase{"   ", std::nullopt},
                    NumberCase{"-", std::nullopt}, NumberCase{".", std::nullopt},
                    NumberCase{"5a", std::nullopt}, NumberCase{"5 5", std::nullopt},
                    NumberCase{"1.2.3", std::nullopt}, NumberCase{"--5", std::nullopt},
                    NumberCase{"1e3", std::nullopt}, NumberCase{"\t5", std::nullopt},
                    NumberCase{"99999999999999999999", std::nullopt}));

} // namespace
