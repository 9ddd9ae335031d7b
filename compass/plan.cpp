#include "compass/plan.h"

#include <cmath>
#include <numbers>

namespace compass {
namespace {

constexpr double kFullCircle = 360.0;

// Brings any angle into 0 up to 360.
double aroundOnce(double degrees) {
    const double turned = std::fmod(degrees, kFullCircle);
    // fmod keeps the sign, and a tiny negative angle rounds up to 360 itself.
    const double positive = turned < 0 ? turned + kFullCircle : turned;
    return positive >= kFullCircle ? 0.0 : positive;
}

// The angle of a step on the picture, clockwise from its top, or nothing for no step.
std::optional<double> angleOnPicture(double across, double down) {
    if (across == 0 && down == 0) {
        return std::nullopt;
    }
    return aroundOnce(std::atan2(across, -down) * 180.0 / std::numbers::pi);
}

int sideOf(double offset, double halfCell) {
    if (offset < -halfCell) {
        return -1;
    }
    return offset > halfCell ? 1 : 0;
}

} // namespace

std::optional<double> BearingOnPlan(const PlanFrame& frame, PlanPoint spot) {
    const auto angle = angleOnPicture(spot.X - frame.Centre.X, spot.Y - frame.Centre.Y);
    if (!angle) {
        return std::nullopt;
    }
    return aroundOnce(*angle - frame.North);
}

std::optional<PlanDirection> SectorOnPlan(const PlanFrame& frame, PlanPoint spot) {
    const auto bearing = BearingOnPlan(frame, spot);
    return bearing ? DirectionAtBearing(*bearing) : std::nullopt;
}

GridCell GridCellOnPlan(const PlanFrame& frame, PlanSize size, PlanPoint spot) {
    return {sideOf(spot.X - frame.Centre.X, size.Width / 6),
            sideOf(spot.Y - frame.Centre.Y, size.Height / 6)};
}

std::optional<PlanDirection> DirectionOfCell(double north, GridCell cell) {
    const auto angle = angleOnPicture(cell.Column, cell.Row);
    if (!angle) {
        return std::nullopt;
    }
    return DirectionAtBearing(aroundOnce(*angle - north));
}

std::optional<double> NorthForDoor(PlanPoint centre, PlanPoint door, double facing) {
    const auto angle = angleOnPicture(door.X - centre.X, door.Y - centre.Y);
    if (!angle || !(facing >= 0.0 && facing < kFullCircle)) {
        return std::nullopt;
    }
    return aroundOnce(*angle - facing);
}

} // namespace compass
