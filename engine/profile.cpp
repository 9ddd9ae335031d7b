#include "engine/profile.h"

#include "engine/pair_rating.h"

#include <algorithm>
#include <array>

namespace engine {
namespace {

struct Profile {
    const char* Group;
    const char* Element;
    const char* Trigram;
    const char* Colour;
};

// Indexed by Kua number - 1.
// clang-format off
constexpr std::array<Profile, 9> kProfiles = {{
    // Group   Element  Trigram  Colour
    {"East", "Water", "Kan",   "Off White"}, // 1
    {"West", "Earth", "Kun",   "Black"    }, // 2
    {"East", "Wood",  "Chen",  "Green"    }, // 3
    {"East", "Wood",  "Sun",   "Blue"     }, // 4
    {"West", "Earth", "Kun",   "Orange"   }, // 5
    {"West", "Metal", "Chien", "Gray"     }, // 6
    {"West", "Metal", "Tui",   "Red"      }, // 7
    {"West", "Earth", "Ken",   "White"    }, // 8
    {"East", "Fire",  "Li",    "Purple"   }, // 9
}};
// clang-format on

} // namespace

std::string_view GroupOfTrigram(std::string_view trigram) {
    const auto found =
        std::find_if(kProfiles.begin(), kProfiles.end(),
                     [&](const Profile& profile) { return profile.Trigram == trigram; });
    return found == kProfiles.end() ? std::string_view() : found->Group;
}

void SetPersonProfile(CoupleReading& reading, std::int16_t kuaNumber, bool isSelf) {
    PersonReading& person = isSelf ? reading.Self : reading.Partner;
    person.KuaNumber = kuaNumber;
    if (kuaNumber >= 1 && kuaNumber <= 9) {
        const Profile& profile = kProfiles[static_cast<std::size_t>(kuaNumber - 1)];
        person.Group = profile.Group;
        person.Element = profile.Element;
        person.Trigram = profile.Trigram;
        person.Colour = profile.Colour;
    }
    RatePair(reading, reading.Self.Trigram, reading.Partner.Trigram);
}

} // namespace engine
