#pragma once

#include <array>
#include <string_view>

namespace engine {

// The keys of the result window's three picture lists, in list order. A lookup walks a list
// from the front and takes the first equal key.
// clang-format off
inline constexpr std::array<std::string_view, 8> IMGTrigrams = {
    "Chen", "Chien", "Kan", "Ken", "Kun", "Li", "Sun", "Tui"};
inline constexpr std::array<std::string_view, 5> IMGElements = {
    "Earth", "Fire", "Metal", "Water", "Wood"};
inline constexpr std::array<std::string_view, 9> IMGColours = {
    "Black", "Blue", "Green", "Gray", "Off White", "Orange", "Purple", "Red", "White"};
// clang-format on

} // namespace engine
