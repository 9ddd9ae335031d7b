#include "compass/compass.h"

#include <algorithm>

namespace compass {
namespace {

// The meanings in the order of a reading's directions, with their side and strength.
struct Meaning {
    std::string_view Name;
    bool Favourable;
    int Strength;
};
constexpr std::array<Meaning, 8> kMeanings = {{
    // clang-format off
    {"Success",      true,  4},
    {"Health",       true,  3},
    {"Relationship", true,  2},
    {"Personal",     true,  1},
    {"Mishaps",      false, 1},
    {"Five Ghosts",  false, 2},
    {"Six Killings", false, 3},
    {"Total Loss",   false, 4},
    // clang-format on
}};

} // namespace

std::optional<std::array<Sector, 8>> SectorsOf(const engine::PersonReading& person) {
    std::array<Sector, 8> sectors{};
    std::array<bool, 8> filled{};
    for (std::size_t meaning = 0; meaning < kMeanings.size(); ++meaning) {
        const auto found =
            std::find(kDirections.begin(), kDirections.end(), person.Directions[meaning]);
        if (found == kDirections.end()) {
            return std::nullopt;
        }
        const auto at = static_cast<std::size_t>(found - kDirections.begin());
        if (filled[at]) {
            return std::nullopt;
        }
        filled[at] = true;
        sectors[at] = {*found, kMeanings[meaning].Name, kMeanings[meaning].Favourable,
                       kMeanings[meaning].Strength};
    }
    return sectors;
}

std::vector<std::string_view> GoodForBoth(const engine::PersonReading& one,
                                          const engine::PersonReading& other) {
    const auto first = SectorsOf(one);
    const auto second = SectorsOf(other);
    std::vector<std::string_view> good;
    if (!first || !second) {
        return good;
    }
    for (std::size_t i = 0; i < kDirections.size(); ++i) {
        if ((*first)[i].Favourable && (*second)[i].Favourable) {
            good.push_back(kDirections[i]);
        }
    }
    return good;
}

} // namespace compass
