#pragma once

#include "engine/couple_reading.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace compass {

// The eight directions clockwise from North, as a compass held over a plan shows them.
inline constexpr std::array<std::string_view, 8> kDirections = {
    "North", "North East", "East", "South East", "South", "South West", "West", "North West"};

// What one direction means for a person after the Eight Mansions school: one of the eight
// meanings, whether it is favourable, and how strongly on its side (4 is the strongest: Success
// among the favourable, Total Loss among the unfavourable).
struct Sector {
    std::string_view Direction;
    std::string_view Meaning;
    bool Favourable = false;
    int Strength = 0;

    friend bool operator==(const Sector&, const Sector&) = default;
};

// A person's eight sectors in compass order, from the directions of their reading; nothing
// when the reading has no eight distinct directions to show (a Kua number without a profile).
std::optional<std::array<Sector, 8>> SectorsOf(const engine::PersonReading& person);

// The directions favourable to both, in compass order; none when either has no sectors.
std::vector<std::string_view> GoodForBoth(const engine::PersonReading& one,
                                          const engine::PersonReading& other);

} // namespace compass
