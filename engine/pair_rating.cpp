#include "engine/pair_rating.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace engine {
namespace {

constexpr std::array<std::string_view, 8> kTrigramOrder = {"Chen",  "Sun", "Kan", "Li",
                                                           "Chien", "Kun", "Ken", "Tui"};

// Rows: the user's trigram; columns: the partner's, both in the order above.
// clang-format off
constexpr std::array<std::array<std::string_view, 8>, 8> kPairCodes = {{
    //  Chen  Sun   Kan   Li    Chien Kun   Ken   Tui
    {"F4", "F2", "F3", "F1", "H3", "H1", "H2", "H4"}, // Chen
    {"F2", "F4", "F1", "F3", "H1", "H3", "H4", "H2"}, // Sun
    {"F3", "F1", "F4", "F2", "H2", "H4", "H3", "H1"}, // Kan
    {"F1", "F3", "F2", "F4", "H4", "H2", "H1", "H3"}, // Li
    {"H3", "H1", "H2", "H4", "F4", "F2", "F3", "F1"}, // Chien
    {"H1", "H3", "H4", "H2", "F2", "F4", "F1", "F3"}, // Kun
    {"H2", "H4", "H3", "H1", "F3", "F1", "F4", "F2"}, // Ken
    {"H4", "H2", "H1", "H3", "F1", "F3", "F2", "F4"}, // Tui
}};
// clang-format on

struct RatingWord {
    std::string_view Code;
    std::string_view Word;
};

// clang-format off
constexpr std::array<RatingWord, 8> kRatingWords = {{
    {"F1", "Excellent"     },
    {"F2", "Excellent"     },
    {"F3", "Very Good"     },
    {"F4", "Good"          },
    {"H1", "Unsatisfactory"},
    {"H2", "Bad"           },
    {"H3", "Disastrous"    },
    {"H4", "Disastrous"    },
}};
// clang-format on

std::string pairKey(std::string_view selfTrigram, std::string_view partnerTrigram) {
    std::string key(selfTrigram);
    key += '-';
    key += partnerTrigram;
    return key;
}

std::optional<std::size_t> trigramIndex(std::string_view trigram) {
    const auto found = std::find(kTrigramOrder.begin(), kTrigramOrder.end(), trigram);
    if (found == kTrigramOrder.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kTrigramOrder.begin());
}

std::string_view wordOfCode(std::string_view code) {
    const auto found = std::find_if(kRatingWords.begin(), kRatingWords.end(),
                                    [&](const RatingWord& entry) { return entry.Code == code; });
    return found == kRatingWords.end() ? std::string_view() : found->Word;
}

} // namespace

std::string_view PairRating(std::string_view selfTrigram, std::string_view partnerTrigram) {
    const auto self = trigramIndex(selfTrigram);
    const auto partner = trigramIndex(partnerTrigram);
    return self && partner ? wordOfCode(kPairCodes[*self][*partner]) : std::string_view();
}

void RatePair(CoupleReading& reading, std::string_view selfTrigram,
              std::string_view partnerTrigram) {
    const std::string_view rating = PairRating(selfTrigram, partnerTrigram);
    if (!rating.empty()) {
        reading.PairKey = pairKey(selfTrigram, partnerTrigram);
        reading.Rating = rating;
    }
}

} // namespace engine
