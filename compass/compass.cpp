#include "compass/compass.h"

#include "engine/directions.h"
#include "engine/pair_rating.h"

#include <algorithm>
#include <utility>

namespace compass {
namespace {

// The meanings in the order of a reading's directions; the first four are favourable.
constexpr std::array<std::string_view, 8> kMeanings = {"Success",      "Health",    "Relationship",
                                                       "Personal",     "Mishaps",   "Five Ghosts",
                                                       "Six Killings", "Total Loss"};
constexpr std::size_t kFavourableCount = 4;

// The stars as practitioners choose them for sleep: Health first, and Success, the star of
// work and drive, last among the favourable; then Mishaps, the mildest of the unfavourable.
// A star not listed is never chosen for a bed.
constexpr std::array<std::string_view, 5> kSleepOrder = {"Health", "Relationship", "Personal",
                                                         "Success", "Mishaps"};

std::size_t sleepRank(const Sector& sector) {
    return static_cast<std::size_t>(
        std::find(kSleepOrder.begin(), kSleepOrder.end(), sector.Meaning) - kSleepOrder.begin());
}

// Where one of the two has a favourable star and the other at worst Mishaps.
bool fitsABed(const SectorForTwo& two) {
    return (two.Self.Favourable || two.Partner.Favourable) &&
           std::max(sleepRank(two.Self), sleepRank(two.Partner)) < kSleepOrder.size();
}

// Poorer star first, then the better one: a direction that is Success for either of the two
// comes after every direction that is not.
std::pair<std::size_t, std::size_t> bedRank(const SectorForTwo& two) {
    const std::size_t self = sleepRank(two.Self);
    const std::size_t partner = sleepRank(two.Partner);
    return {std::max(self, partner), std::min(self, partner)};
}

std::string_view successOf(const std::array<Sector, 8>& sectors) {
    const auto found = std::find_if(sectors.begin(), sectors.end(),
                                    [](const Sector& s) { return s.Meaning == kMeanings[0]; });
    return found->Direction;
}

} // namespace

// The favourable half of the scale counts down from the best, the unfavourable half up to the
// worst.
std::optional<RatingGrade> GradeOf(std::string_view rating) {
    const auto found = std::find(engine::kRatingScale.begin(), engine::kRatingScale.end(), rating);
    if (found == engine::kRatingScale.end()) {
        return std::nullopt;
    }
    const auto half = static_cast<int>(engine::kRatingScale.size() / 2);
    const auto at = static_cast<int>(found - engine::kRatingScale.begin());
    return at < half ? RatingGrade{true, half - at} : RatingGrade{false, at - half + 1};
}

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
        const std::string_view rating =
            engine::PairRating(person.Trigram, engine::TrigramOfDirection(*found));
        if (filled[at] || !GradeOf(rating)) {
            return std::nullopt;
        }
        filled[at] = true;
        sectors[at] = {*found, kMeanings[meaning], rating, meaning < kFavourableCount};
    }
    return sectors;
}

std::optional<CoupleAdvice> AdviceFor(const engine::PersonReading& self,
                                      const engine::PersonReading& partner) {
    const auto mine = SectorsOf(self);
    const auto theirs = SectorsOf(partner);
    if (!mine || !theirs) {
        return std::nullopt;
    }
    CoupleAdvice advice;
    for (std::size_t i = 0; i < kDirections.size(); ++i) {
        const SectorForTwo two{(*mine)[i], (*theirs)[i]};
        advice.ShareFavourable |= two.Self.Favourable && two.Partner.Favourable;
        if (fitsABed(two)) {
            advice.Bed.push_back(two);
        }
    }
    std::stable_sort(
        advice.Bed.begin(), advice.Bed.end(),
        [](const SectorForTwo& a, const SectorForTwo& b) { return bedRank(a) < bedRank(b); });
    advice.SelfDesk = successOf(*mine);
    advice.PartnerDesk = successOf(*theirs);
    return advice;
}

} // namespace compass
