// One complete reading, as the proceed command computes it once the details are valid: the
// two Kua numbers from year values and sexes, then everything the result window shows.

#include "engine/engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

struct Couple {
    std::int16_t selfYear;
    std::string selfMonth;
    std::string selfSex;
    std::int16_t partnerYear;
    std::string partnerMonth;
    std::string partnerSex;
};

// Every Kua number for both sexes turns up, and half the birthdays fall in the months that
// count to the year before.
std::array<Couple, 100> makeCouples() {
    std::array<Couple, 100> couples;
    for (std::size_t i = 0; i < couples.size(); ++i) {
        const auto year = static_cast<std::int16_t>(1930 + i);
        couples[i] = Couple{year,
                            i % 2 == 0 ? "January" : "June",
                            i % 3 == 0 ? "Female" : "Male",
                            static_cast<std::int16_t>(year + 7),
                            i % 4 < 2 ? "February" : "December",
                            i % 3 == 0 ? "Male" : "Female"};
    }
    return couples;
}

std::int16_t kuaNumber(std::int16_t birthYear, const std::string& birthMonth,
                       const std::string& sex) {
    return engine::CalculateKuaNumber(engine::YearDigits(engine::KuaYear(birthYear, birthMonth)),
                                      sex);
}

void BM_CompleteReading(benchmark::State& state) {
    const std::array<Couple, 100> couples = makeCouples();
    engine::CoupleReading reading;
    std::size_t next = 0;
    for (auto _ : state) {
        const Couple& couple = couples[next];
        next = (next + 1) % couples.size();
        reading.Self.KuaNumber = kuaNumber(couple.selfYear, couple.selfMonth, couple.selfSex);
        reading.Partner.KuaNumber =
            kuaNumber(couple.partnerYear, couple.partnerMonth, couple.partnerSex);
        engine::CompleteReading(reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_CompleteReading);

} // namespace
