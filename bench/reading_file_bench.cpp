// Saving a reading and opening it again, minus the disk: the two Kua numbers to the bytes of
// a .fsc file and back.

#include "storage/reading_file.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

void BM_ReadingFileRoundTrip(benchmark::State& state) {
    std::int16_t self = 1;
    std::int16_t partner = 9;
    for (auto _ : state) {
        const std::string bytes = storage::EncodeReadingFile({self, partner});
        const std::optional<storage::SavedKuaNumbers> opened = storage::DecodeReadingFile(bytes);
        benchmark::DoNotOptimize(opened);
        self = static_cast<std::int16_t>(self % 9 + 1);
        partner = static_cast<std::int16_t>(partner % 9 + 1);
    }
}
BENCHMARK(BM_ReadingFileRoundTrip);

} // namespace
