#include "engine/couple_reading.h"
#include "engine/kua_number.h"
#include "engine/li_chun.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using engine::KuaNumberOfYear;
using engine::YearStart;

constexpr auto kMarch = YearStart::FirstOfMarch;
constexpr auto kLiChun = YearStart::LiChun;

// The Kua number by the reduced last two digits s of the year, for men and for everyone else,
// as the Eight Mansions tables give it for births in the twentieth century.
constexpr std::array<int, 10> kMaleKuaByDigit = {1, 9, 8, 7, 6, 5, 4, 3, 2, 1};
constexpr std::array<int, 10> kOtherKuaByDigit = {5, 6, 7, 8, 9, 1, 2, 3, 4, 5};

// The digital root, worked out arithmetically rather than by adding digits.
int digitalRoot(int n) {
    return n == 0 ? 0 : 1 + (n - 1) % 9;
}

TEST(KuaNumber, EveryYearOfTheTwentiethCenturyAsTheTwoDigitTablesHaveIt) {
    for (int year = 1900; year <= 1999; ++year) {
        const int s = digitalRoot(year % 100);
        SCOPED_TRACE("reckoning year " + std::to_string(year));
        EXPECT_EQ(KuaNumberOfYear(static_cast<std::int16_t>(year), "Male"), kMaleKuaByDigit[s]);
        EXPECT_EQ(KuaNumberOfYear(static_cast<std::int16_t>(year), "Female"), kOtherKuaByDigit[s]);
    }
}

// The nine-year cycle: from one reckoning year to the next a man's number steps down by one
// (1 is followed by 9) and a woman's up by one (9 is followed by 1), across 1999 to 2000 too.
TEST(KuaNumber, StepsOncePerYearThroughTheWholeRange) {
    for (int year = 1899; year < 2050; ++year) {
        SCOPED_TRACE("from " + std::to_string(year));
        const auto thisYear = static_cast<std::int16_t>(year);
        const auto nextYear = static_cast<std::int16_t>(year + 1);
        EXPECT_EQ(KuaNumberOfYear(nextYear, "Male"),
                  (KuaNumberOfYear(thisYear, "Male") + 7) % 9 + 1);
        EXPECT_EQ(KuaNumberOfYear(nextYear, "Female"), KuaNumberOfYear(thisYear, "Female") % 9 + 1);
    }
}

struct BirthCase {
    const char* name;
    int day;
    const char* month;
    int year;
    const char* sex;
    int underFirstOfMarch;
    int underLiChun;
};

class BirthTest : public testing::TestWithParam<BirthCase> {};

TEST_P(BirthTest, KuaNumberUnderEitherYearStart) {
    const BirthCase& c = GetParam();
    engine::PersonReading person;
    person.BirthDay = static_cast<std::int16_t>(c.day);
    person.BirthMonth = c.month;
    person.BirthYear = static_cast<std::int16_t>(c.year);
    person.Sex = c.sex;
    EXPECT_EQ(engine::KuaNumberOfBirth(person, kMarch), c.underFirstOfMarch);
    EXPECT_EQ(engine::KuaNumberOfBirth(person, kLiChun), c.underLiChun);
}

// Published worked examples (a Kua number article, a children's bedroom article, a worked Kua
// article, a Hong Kong newspaper's Feng Shui column); where an example names only the year,
// the day is one that neither rule moves.
INSTANTIATE_TEST_SUITE_P(
    Published, BirthTest,
    testing::Values(BirthCase{"Man1951", 15, "June", 1951, "Male", 4, 4},
                    BirthCase{"Woman1966", 15, "June", 1966, "Female", 8, 8},
                    BirthCase{"Man2010", 10, "June", 2010, "Male", 8, 8},
                    BirthCase{"Woman2012", 5, "May", 2012, "Female", 9, 9},
                    BirthCase{"Man2February2002CountsAs2001", 2, "February", 2002, "Male", 8, 8},
                    BirthCase{"Boy2001", 15, "June", 2001, "Male", 8, 8},
                    BirthCase{"Girl2006", 15, "June", 2006, "Female", 3, 3},
                    BirthCase{"ManMarch1969", 20, "March", 1969, "Male", 4, 4},
                    BirthCase{"WomanMarch1969", 20, "March", 1969, "Female", 2, 2},
                    BirthCase{"ManJanuary1969", 20, "January", 1969, "Male", 5, 5},
                    BirthCase{"WomanJanuary1969", 20, "January", 1969, "Female", 1, 1},
                    BirthCase{"Man1980", 15, "June", 1980, "Male", 2, 2},
                    BirthCase{"Woman1980", 15, "June", 1980, "Female", 4, 4},
                    BirthCase{"Man1981", 15, "June", 1981, "Male", 1, 1},
                    BirthCase{"Man1990", 15, "June", 1990, "Male", 1, 1},
                    BirthCase{"Man10March2000", 10, "March", 2000, "Male", 9, 9},
                    BirthCase{"Woman10March2000", 10, "March", 2000, "Female", 6, 6},
                    BirthCase{"Man14March1985", 14, "March", 1985, "Male", 6, 6},
                    BirthCase{"Woman14March1985", 14, "March", 1985, "Female", 9, 9},
                    BirthCase{"Woman14February1985IsTheYearBeforeOnlyBy1March", 14, "February",
                              1985, "Female", 8, 9},
                    BirthCase{"Default1January1900CountsAs1899", 1, "January", 1900, "Male", 2, 2},
                    BirthCase{"LowerCaseMaleIsFemale", 15, "June", 1985, "male", 9, 9},
                    BirthCase{"MaleWithBlankIsFemale", 15, "June", 1985, "Male ", 9, 9},
                    BirthCase{"LowerCaseMonthIsNotJanuary", 15, "january", 1990, "Male", 1, 1},
                    BirthCase{"WomanKuaFiveKeepsFive", 15, "June", 2008, "Female", 5, 5}),
    [](const auto& info) { return std::string(info.param.name); });

// Li Chun's day, as published in solar-term tables (the Hong Kong Observatory's calendars and
// almanacs that give the time in UTC+8). 1980 and 2013 fall within a quarter of an hour of
// midnight.
TEST(LiChun, DaysAsPublished) {
    const std::array<std::array<int, 2>, 20> published = {{
        {1902, 5}, {1913, 4}, {1923, 5}, {1926, 4}, {1976, 5}, {1978, 4}, {1979, 4},
        {1980, 5}, {1988, 4}, {2009, 4}, {2013, 4}, {2017, 3}, {2021, 3}, {2025, 3},
        {2029, 3}, {2030, 4}, {2031, 4}, {2032, 4}, {2033, 3}, {2042, 4},
    }};
    for (const auto& [year, day] : published) {
        EXPECT_EQ(engine::LiChunDay(static_cast<std::int16_t>(year)), day) << year;
    }
}

struct FebruaryCase {
    const char* name;
    int day;
    int year;
    YearStart rule;
    int kuaYear;
    bool bornOnStartDay;
};

class FebruaryTest : public testing::TestWithParam<FebruaryCase> {};

TEST_P(FebruaryTest, CountsToTheYearItStartedIn) {
    const FebruaryCase& c = GetParam();
    const engine::YearCount count = engine::CountKuaYear(
        static_cast<std::int16_t>(c.day), "February", static_cast<std::int16_t>(c.year), c.rule);
    EXPECT_EQ(count.KuaYear, c.kuaYear);
    EXPECT_EQ(count.BornOnStartDay, c.bornOnStartDay);
    EXPECT_EQ(count.BornBeforeStart, c.kuaYear < c.year);
}

// 2021's Li Chun fell on 3 February, 1985's on the 4th.
INSTANTIATE_TEST_SUITE_P(
    AroundLiChun, FebruaryTest,
    testing::Values(FebruaryCase{"Day2Of2021ByLiChun", 2, 2021, kLiChun, 2020, false},
                    FebruaryCase{"Day3Of2021ByLiChun", 3, 2021, kLiChun, 2021, true},
                    FebruaryCase{"Day4Of2021ByLiChun", 4, 2021, kLiChun, 2021, false},
                    FebruaryCase{"Day3Of1985ByLiChun", 3, 1985, kLiChun, 1984, false},
                    FebruaryCase{"Day4Of1985ByLiChun", 4, 1985, kLiChun, 1985, true},
                    FebruaryCase{"Day5Of1985ByLiChun", 5, 1985, kLiChun, 1985, false},
                    FebruaryCase{"Day3Of2021ByMarch", 3, 2021, kMarch, 2020, false},
                    FebruaryCase{"Day28Of1985ByMarch", 28, 1985, kMarch, 1984, false}),
    [](const auto& info) { return std::string(info.param.name); });

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
