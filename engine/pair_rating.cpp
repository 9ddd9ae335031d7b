#include "engine/pair_rating.h"

#include <array>
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

void storeMatchingPair(CoupleReading& reading, const std::string& key) {
    for (std::size_t i = 0; i < kTrigramOrder.size(); ++i) {
        for (std::size_t j = 0; j < kTrigramOrder.size(); ++j) {
            if (pairKey(kTrigramOrder[i], kTrigramOrder[j]) == key) {
                reading.PairKey = key;
                reading.Rating = kPairCodes[i][j];
                return;
            }
        }
    }
}

void replaceCodeByWord(std::string& rating) {
    for (const RatingWord& entry : kRatingWords) {
        if (rating == entry.Code) {
            rating = entry.Word;
            return;
        }
    }
}

} // namespace

void RatePair(CoupleReading& reading, std::string_view selfTrigram,
              std::string_view partnerTrigram) {
    storeMatchingPair(reading, pairKey(selfTrigram, partnerTrigram));
    replaceCodeByWord(reading.Rating);
}

} // namespace engine
