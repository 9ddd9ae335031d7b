#include "compass/house.h"

#include "engine/directions.h"
#include "engine/profile.h"

#include <algorithm>
#include <cmath>

namespace compass {
namespace {

constexpr double kSectorDegrees = 45.0;

std::optional<std::size_t> indexOf(std::string_view direction) {
    const auto found = std::ranges::find(kDirections, direction);
    if (found == kDirections.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kDirections.begin());
}

House houseFacing(std::size_t facing) {
    const std::string_view sitting = kDirections[(facing + 4) % kDirections.size()];
    const std::string_view trigram = engine::TrigramOfDirection(sitting);
    return {kDirections[facing], sitting, trigram, engine::GroupOfTrigram(trigram)};
}

} // namespace

std::optional<House> HouseFacing(std::string_view direction) {
    const auto facing = indexOf(direction);
    if (!facing) {
        return std::nullopt;
    }
    return houseFacing(*facing);
}

std::optional<std::variant<std::string_view, LineBetween>> DirectionAtBearing(double degrees) {
    if (!(degrees >= 0.0 && degrees < 360.0)) {
        return std::nullopt;
    }
    // The lines lie half a sector either side of each direction's middle: 22.5°, 67.5° ...
    const double shifted = std::fmod(degrees + kSectorDegrees / 2, 360.0);
    const auto sector = static_cast<std::size_t>(shifted / kSectorDegrees) % kDirections.size();
    const double intoSector = shifted - kSectorDegrees * std::floor(shifted / kSectorDegrees);
    if (intoSector <= kLineMargin) {
        const std::size_t before = (sector + kDirections.size() - 1) % kDirections.size();
        return LineBetween{kDirections[before], kDirections[sector],
                           std::fmod(kSectorDegrees * static_cast<double>(sector) + 337.5, 360.0)};
    }
    if (kSectorDegrees - intoSector <= kLineMargin) {
        const std::size_t after = (sector + 1) % kDirections.size();
        return LineBetween{kDirections[sector], kDirections[after],
                           kSectorDegrees * static_cast<double>(sector) + kSectorDegrees / 2};
    }
    return kDirections[sector];
}

std::optional<std::variant<House, OnALine>> ReadFacing(double degrees) {
    const auto at = DirectionAtBearing(degrees);
    if (!at) {
        return std::nullopt;
    }
    if (const auto* line = std::get_if<LineBetween>(&*at)) {
        return OnALine{*HouseFacing(line->Before), *HouseFacing(line->After), line->Line};
    }
    return *HouseFacing(std::get<std::string_view>(*at));
}

std::optional<House> HouseAt(double degrees) {
    const auto reading = ReadFacing(degrees);
    if (const auto* house = reading ? std::get_if<House>(&*reading) : nullptr) {
        return *house;
    }
    return std::nullopt;
}

std::optional<double> MiddleOf(std::string_view direction) {
    const auto at = indexOf(direction);
    if (!at) {
        return std::nullopt;
    }
    return kSectorDegrees * static_cast<double>(*at);
}

std::optional<std::array<Sector, 8>> SectorsOfHouse(const House& house) {
    const auto directions = engine::DirectionsOfTrigram(house.Trigram);
    if (!directions) {
        return std::nullopt;
    }
    engine::PersonReading chart;
    chart.Trigram = house.Trigram;
    std::ranges::copy(*directions, chart.Directions.begin());
    return SectorsOf(chart);
}

} // namespace compass
