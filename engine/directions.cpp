#include "engine/directions.h"

#include "engine/picture_keys.h"

#include <algorithm>
#include <array>

namespace engine {
namespace {

struct DirectionColumn {
    std::string_view Trigram;
    std::string_view ListColour;
    // Success, Health, Relationship, Personal, Mishaps, Five Ghosts, Six Killings, Total Loss
    std::array<std::string_view, 8> Directions;
};

constexpr std::array<DirectionColumn, 8> kDirectionTable = {{
    // clang-format off
    {"Kan",   "Off-White", {"South East", "East",       "South",      "North",      "West",       "North East", "North West", "South West"}},
    {"Kun",   "Orange",    {"North East", "West",       "North West", "South West", "East",       "South East", "South",      "North"     }},
    {"Chen",  "Green",     {"South",      "North",      "South East", "East",       "South West", "North West", "North East", "West"      }},
    {"Sun",   "Blue",      {"North",      "South",      "East",       "South East", "North West", "South West", "West",       "North East"}},
    {"Chien", "Gray",      {"West",       "North East", "South West", "North West", "South East", "East",       "North",      "South"     }},
    {"Tui",   "Red",       {"North West", "South West", "North East", "West",       "North",      "South",      "South East", "East"      }},
    {"Ken",   "White",     {"South West", "North West", "West",       "North East", "South",      "North",      "East",       "South East"}},
    {"Li",    "Purple",    {"East",       "South East", "North",      "South",      "North East", "West",       "South West", "North West"}},
    // clang-format on
}};

// The first key of the list equal to text, or nothing.
template <std::size_t N>
const std::string_view* findPicture(const std::array<std::string_view, N>& list,
                                    const std::string& text) {
    const auto found = std::find(list.begin(), list.end(), text);
    return found == list.end() ? nullptr : &*found;
}

template <std::size_t N>
void choosePicture(const std::array<std::string_view, N>& list, const std::string& text,
                   std::string& picture) {
    if (const std::string_view* key = findPicture(list, text)) {
        picture = *key;
    }
}

const DirectionColumn* findColumn(std::string_view trigram) {
    const auto found = std::find_if(kDirectionTable.begin(), kDirectionTable.end(),
                                    [&](const DirectionColumn& c) { return c.Trigram == trigram; });
    return found == kDirectionTable.end() ? nullptr : &*found;
}

void setTrigramRowsAndPicture(PersonReading& person) {
    const std::string_view* key = findPicture(IMGTrigrams, person.Trigram);
    const DirectionColumn* column = findColumn(person.Trigram);
    if (key == nullptr || column == nullptr) {
        return;
    }
    person.ListColour = column->ListColour;
    std::copy(column->Directions.begin(), column->Directions.end(), person.Directions.begin());
    person.TrigramPicture = *key;
}

// Where a reading lists the trigram's own direction.
constexpr std::size_t kPersonalRow = 3;

} // namespace

void SetDirectionsAndPictures(CoupleReading& reading) {
    choosePicture(IMGElements, reading.Self.Element, reading.Self.ElementPicture);
    choosePicture(IMGElements, reading.Partner.Element, reading.Partner.ElementPicture);
    choosePicture(IMGColours, reading.Self.Colour, reading.Self.ColourPicture);
    choosePicture(IMGColours, reading.Partner.Colour, reading.Partner.ColourPicture);
    setTrigramRowsAndPicture(reading.Self);
    setTrigramRowsAndPicture(reading.Partner);
}

std::string_view TrigramOfDirection(std::string_view direction) {
    const auto found =
        std::find_if(kDirectionTable.begin(), kDirectionTable.end(), [&](const DirectionColumn& c) {
            return c.Directions[kPersonalRow] == direction;
        });
    return found == kDirectionTable.end() ? std::string_view() : found->Trigram;
}

std::optional<std::array<std::string_view, 8>> DirectionsOfTrigram(std::string_view trigram) {
    const DirectionColumn* column = findColumn(trigram);
    if (column == nullptr) {
        return std::nullopt;
    }
    return column->Directions;
}

} // namespace engine
