// One complete reading, as the proceed command computes it once the details are valid: the
// two Kua numbers from birth dates and sexes (one by each year rule), then everything the result
// window shows.

#include "engine/engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

engine::PersonReading born(int year, const char* month, const char* sex) {
    engine::PersonReading person;
    person.BirthDay = 4;
    person.BirthMonth = month;
    person.BirthYear = static_cast<std::int16_t>(year);
    person.Sex = sex;
    return person;
}

struct Couple {
    engine::PersonReading self;
    engine::PersonReading partner;
};

// Every Kua number for both sexes turns up, and half the birthdays fall in the months that
// count to the year before.
std::array<Couple, 100> makeCouples() {
    std::array<Couple, 100> couples;
    for (std::size_t i = 0; i < couples.size(); ++i) {
        const int year = 1930 + static_cast<int>(i);
        couples[i] = Couple{
            born(year, i % 2 == 0 ? "January" : "June", i % 3 == 0 ? "Female" : "Male"),
            born(year + 7, i % 4 < 2 ? "February" : "December", i % 3 == 0 ? "Male" : "Female")};
    }
    return couples;
}

void BM_CompleteReading(benchmark::State& state) {
    const std::array<Couple, 100> couples = makeCouples();
    engine::CoupleReading reading;
    std::size_t next = 0;
    for (auto _ : state) {
        const Couple& couple = couples[next];
        next = (next + 1) % couples.size();
        reading.Self.KuaNumber = engine::KuaNumberOfBirth(couple.self, engine::YearStart::LiChun);
        reading.Partner.KuaNumber =
            engine::KuaNumberOfBirth(couple.partner, engine::YearStart::FirstOfMarch);
        engine::CompleteReading(reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_CompleteReading);

} // namespace
