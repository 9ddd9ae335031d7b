#pragma once

#include "compass/house.h"

#include <optional>
#include <string_view>
#include <variant>

namespace compass {

// A spot on the picture of a floor plan, in the picture's pixels: X to the right, Y down.
struct PlanPoint {
    double X = 0;
    double Y = 0;
};

// How a plan lies under the compass: the home's centre on the picture, and how far North is
// turned clockwise from the picture's top, 0 up to 360 degrees.
struct PlanFrame {
    PlanPoint Centre;
    double North = 0;
};

// Where a spot of a plan lies from its centre: in one direction, or on the line between two.
using PlanDirection = std::variant<std::string_view, LineBetween>;

// The compass bearing of a spot seen from the centre, 0 up to 360 clockwise from North;
// nothing at the centre itself, which belongs to no direction.
std::optional<double> BearingOnPlan(const PlanFrame& frame, PlanPoint spot);

// The direction of the eight 45° sectors a spot lies in, read as a house's facing is: within
// kLineMargin of a line it lies on the line. Nothing at the centre.
std::optional<PlanDirection> SectorOnPlan(const PlanFrame& frame, PlanPoint spot);

// One cell of the 3×3 grid that some schools lay over a plan instead of the sectors: columns
// left to right and rows top to bottom, each -1, 0 or 1; the middle cell is 0, 0.
struct GridCell {
    int Column = 0;
    int Row = 0;

    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The size of a plan's picture in its pixels.
struct PlanSize {
    double Width = 0;
    double Height = 0;
};

// The grid lies along the picture's sides with its middle cell on the centre, a third of the
// picture wide and high; the outer cells reach to the picture's edges and beyond.
GridCell GridCellOnPlan(const PlanFrame& frame, PlanSize size, PlanPoint spot);

// The direction of a grid cell: the bearing from the middle cell to the outer one, its
// corners taken as the diagonals whatever the picture's shape. A grid turned about half-way
// between two directions leaves its cells on a line. Nothing for the middle cell.
std::optional<PlanDirection> DirectionOfCell(double north, GridCell cell);

// The North that puts a front door at a spot of the plan in the house's facing (in degrees,
// as measured), or nothing when the door is the centre or the facing no bearing.
std::optional<double> NorthForDoor(PlanPoint centre, PlanPoint door, double facing);

} // namespace compass
