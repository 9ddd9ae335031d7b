#pragma once

#include "compass/compass.h"

#include <array>
#include <optional>
#include <string_view>
#include <variant>

namespace compass {

// A house after the Eight Mansions school. It faces the way its front looks out and sits on the
// opposite side; it takes the trigram of the side it sits on, and that trigram's group: a house
// that faces South sits North and is a Kan house, of the East group.
struct House {
    std::string_view Facing;
    std::string_view Sitting;
    std::string_view Trigram;
    std::string_view Group;

    friend bool operator==(const House&, const House&) = default;
};

// The house that faces a direction; nothing for a text that is no direction.
std::optional<House> HouseFacing(std::string_view direction);

// How near a measured facing may lie to the line between two directions, in degrees either
// side, before a compass held by hand can no longer tell which side it is on.
inline constexpr double kLineMargin = 2.0;

// A facing on the line between two directions, or within kLineMargin of it: both houses it may
// be, clockwise, and the line in degrees. It is never sorted into one of them.
struct OnALine {
    House Before;
    House After;
    double Line = 0;
};

// The line between two directions, clockwise, and where it lies in degrees.
struct LineBetween {
    std::string_view Before;
    std::string_view After;
    double Line = 0;

    friend bool operator==(const LineBetween&, const LineBetween&) = default;
};

// Where a bearing (0 up to 360, clockwise from North) points: into one direction, or on the
// line between two, or within kLineMargin of it, which a bearing read by hand cannot tell
// apart. Nothing for a number outside that range. A house's facing and a spot on a plan are
// read by this one rule.
std::optional<std::variant<std::string_view, LineBetween>> DirectionAtBearing(double degrees);

// What a facing measured in degrees (0 up to 360, clockwise from North) says: a house, or that
// it lies on a line and wants measuring again. Nothing for a number outside that range.
std::optional<std::variant<House, OnALine>> ReadFacing(double degrees);

// The house a facing names when it lies clear of a line; nothing on a line or off the circle.
std::optional<House> HouseAt(double degrees);

// The middle of a direction in degrees, as a facing chosen without a compass is taken.
std::optional<double> MiddleOf(std::string_view direction);

// A house's eight stars in compass order, read from its trigram's chart as a person's are.
std::optional<std::array<Sector, 8>> SectorsOfHouse(const House& house);

} // namespace compass
