#include "engine/element_texts.h"

#include "engine/shown_text.h"

#include <array>
#include <string_view>

namespace engine {
namespace {

struct ElementText {
    std::string_view Name;
    std::string_view Description;
};

// Each text: the character, then which elements go with it, then which do not. The odd
// element words ("Tree", "Soil"), the Earth text's two "compatible" sentences, the Water
// text's missing full stop and the Metal text's trailing blanks are all as our readers know
// them.
constexpr std::array<ElementText, 5> kElementTexts = {{
    {"Water",
     SHOWN_TEXT(
         "ReadingWords",
         "You will flow like water. You have a flexible and adjusting nature. You may seem stable "
         "but in reality you are restless. You will make a good leader, as you are confident and "
         "clear about your decisions. You have a magnetic personality.\r\n\r\n"
         "Element Water is compatible with elements Tree and Metal.\r\n\r\n"
         "Element Water is not compatible with elements Fire and Soil")},
    {"Earth",
     SHOWN_TEXT(
         "ReadingWords",
         "You are grounded and have strong roots that spread throughout the soil. You are very "
         "loyal and dependable. At the same time you can be stubborn and stick to your decisions. "
         "You can be the best friend or the worst enemy.\r\n\r\n"
         "Element Earth is compatible with elements Fire and Metal.\r\n\r\n"
         "Element Earth is compatible with elements Wood and Water.")},
    {"Metal",
     SHOWN_TEXT("ReadingWords",
                "You are a deep thinker and believe in discovering things for yourself. You are "
                "disciplined and methodical by nature. You believe more in quality than "
                "quantity.\r\n\r\n"
                "Element Metal is compatible with elements Water and "
                "Soil.\r\n\r\n"
                "Element Metal is not compatible with elements Fire and Wood.    ")},
    {"Wood",
     SHOWN_TEXT(
         "ReadingWords",
         "You are committed to your work and always fulfill your commitments. You are always young "
         "at heart and aim to reach the top and spread out.\r\n\r\n"
         "Element Wood is compatible with elements Water and Fire.\r\n\r\n"
         "Element Wood is not compatible with elements Fire and Tree.")},
    {"Fire",
     SHOWN_TEXT(
         "ReadingWords",
         "You have a lot of passion and fire burning inside you. You have an attractive "
         "personality "
         "and are always enthusiastic about doing things. You need to be surrounded by people and "
         "hate loneliness.\r\n\r\n"
         "Element Fire is compatible with elements Wood and Soil.\r\n\r\n"
         "Element Fire is not compatible with elements Metal and Soil.")},
}};

void setDescription(PersonReading& person) {
    for (const ElementText& entry : kElementTexts) {
        if (person.Element == entry.Name) {
            person.ElementDescription = entry.Description;
            return;
        }
    }
}

} // namespace

void SetElementDescriptions(CoupleReading& reading) {
    setDescription(reading.Self);
    setDescription(reading.Partner);
}

} // namespace engine
