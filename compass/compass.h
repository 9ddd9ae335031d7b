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
// meanings (stars), whether it is favourable, and the rating the pair ratings give a partner
// whose trigram stands there.
struct Sector {
    std::string_view Direction;
    std::string_view Meaning;
    std::string_view Rating;
    bool Favourable = false;

    friend bool operator==(const Sector&, const Sector&) = default;
};

// Where a rating ("Excellent" to "Disastrous") lies on its side of the scale: favourable or
// not, and how strongly, 1 to 3: Good and Unsatisfactory are 1, Excellent and Disastrous 3.
// Nothing for a word that is no rating.
struct RatingGrade {
    bool Favourable = false;
    int Strength = 0;
};
std::optional<RatingGrade> GradeOf(std::string_view rating);

// A person's eight sectors in compass order, from the directions of their reading; nothing
// when the reading has no eight distinct directions of a known trigram to show.
std::optional<std::array<Sector, 8>> SectorsOf(const engine::PersonReading& person);

// One direction as the two of a couple see it.
struct SectorForTwo {
    Sector Self;
    Sector Partner;
};

// What a couple can do with their two charts.
struct CoupleAdvice {
    // Two of one group share their group's four favourable directions; two of different
    // groups share none.
    bool ShareFavourable = false;
    // Where the head of the shared bed may point, best first. For one group: the four shared
    // directions, ranked for sleep by the poorer of the two stars, then the better. For two
    // groups: the two directions where one has a favourable star and the other only Mishaps,
    // the mildest unfavourable one.
    std::vector<SectorForTwo> Bed;
    // The way each one's desk or work seat faces: their own Success direction.
    std::string_view SelfDesk;
    std::string_view PartnerDesk;
};

// The advice for a couple, or nothing when either has no sectors.
std::optional<CoupleAdvice> AdviceFor(const engine::PersonReading& self,
                                      const engine::PersonReading& partner);

} // namespace compass
