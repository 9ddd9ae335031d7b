#include "engine/kua_number.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using engine::CalculateKuaNumber;

// The Kua number by reduced year digit s, for men and for everyone else, as the Eight
// Mansions tables give it.
constexpr std::array<int, 10> kMaleKuaByDigit = {1, 9, 8, 7, 6, 5, 4, 3, 2, 1};
constexpr std::array<int, 10> kOtherKuaByDigit = {5, 6, 7, 8, 9, 1, 2, 3, 4, 5};

// The digital root, worked out arithmetically rather than by adding digits.
int digitalRoot(int n) {
    return n == 0 ? 0 : 1 + (n - 1) % 9;
}

TEST(KuaNumber, EveryYearValueForBothSexes) {
    for (int digits = 0; digits <= 99; ++digits) {
        const int s = digitalRoot(digits);
        SCOPED_TRACE("year value " + std::to_string(digits));
        EXPECT_EQ(CalculateKuaNumber(static_cast<std::int16_t>(digits), "Male"),
                  kMaleKuaByDigit[s]);
        EXPECT_EQ(CalculateKuaNumber(static_cast<std::int16_t>(digits), "Female"),
                  kOtherKuaByDigit[s]);
    }
}

struct SexCase {
    const char* name;
    const char* sex;
    int yearDigits;
    int expected;
};

class SexTextTest : public testing::TestWithParam<SexCase> {};

TEST_P(SexTextTest, OnlyExactlyMaleCountsAsMale) {
    const SexCase& c = GetParam();
    EXPECT_EQ(CalculateKuaNumber(static_cast<std::int16_t>(c.yearDigits), c.sex), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Sexes, SexTextTest,
                         testing::Values(SexCase{"Male", "Male", 85, 6},
                                         SexCase{"Female", "Female", 85, 9},
                                         SexCase{"LowerCaseMaleIsFemale", "male", 85, 9},
                                         SexCase{"EmptyIsFemale", "", 85, 9},
                                         SexCase{"MaleWithBlankIsFemale", "Male ", 19, 6},
                                         SexCase{"WomanBorn2009IsFive", "Female", 9, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct YearCase {
    const char* name;
    int birthYear;
    const char* month;
    int kuaYear;
    int yearDigits;
};

class YearValueTest : public testing::TestWithParam<YearCase> {};

TEST_P(YearValueTest, JanuaryAndFebruaryBelongToTheYearBefore) {
    const YearCase& c = GetParam();
    const std::int16_t kuaYear = engine::KuaYear(static_cast<std::int16_t>(c.birthYear), c.month);
    EXPECT_EQ(kuaYear, c.kuaYear);
    EXPECT_EQ(engine::YearDigits(kuaYear), c.yearDigits);
}

INSTANTIATE_TEST_SUITE_P(Births, YearValueTest,
                         testing::Values(YearCase{"March1985", 1985, "March", 1985, 85},
                                         YearCase{"January1986", 1986, "January", 1985, 85},
                                         YearCase{"February1980", 1980, "February", 1979, 79},
                                         YearCase{"March1980", 1980, "March", 1980, 80},
                                         YearCase{"December1980", 1980, "December", 1980, 80},
                                         YearCase{"January1900", 1900, "January", 1899, 99},
                                         YearCase{"January2000", 2000, "January", 1999, 99},
                                         YearCase{"June2000", 2000, "June", 2000, 0},
                                         YearCase{"June2005", 2005, "June", 2005, 5},
                                         YearCase{"June2050", 2050, "June", 2050, 50},
                                         YearCase{"LowerCaseMonthIsNotJanuary", 1990, "january",
                                                  1990, 90},
                                         YearCase{"February2001", 2001, "February", 2000, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(YearDigits, TheCenturyIsDropped) {
    EXPECT_EQ(engine::YearDigits(1923), engine::YearDigits(2023));
    EXPECT_EQ(CalculateKuaNumber(engine::YearDigits(1950), "Male"),
              CalculateKuaNumber(engine::YearDigits(2050), "Male"));
}

TEST(YearDigits, AYearWithoutThirdDigitGivesZero) {
    EXPECT_EQ(engine::YearDigits(99), 0);
}

TEST(ReduceDigits, ReducesUntilOneDigitIsLeft) {
    const std::array<std::array<int, 2>, 7> cases = {{
        {0, 0},
        {85, 4},
        {99, 9},
        {10, 1},
        {18, 9},
        {9999, 9},
        {-85, 4},
    }};
    for (const auto& [n, expected] : cases) {
        EXPECT_EQ(engine::ReduceDigits(static_cast<std::int16_t>(n)), expected) << n;
    }
    EXPECT_EQ(engine::ReduceDigits(-32768), 8);
}

} // namespace
