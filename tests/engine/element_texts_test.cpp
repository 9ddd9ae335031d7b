#include "engine/engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using engine::CoupleReading;

struct ElementCase {
    const char* element;
    std::size_t length;
    const char* opening;
    const char* ending;
};

class ElementTextTest : public testing::TestWithParam<ElementCase> {};

TEST_P(ElementTextTest, HasItsLengthOpeningAndEnding) {
    const ElementCase& c = GetParam();
    CoupleReading reading;
    reading.Self.Element = c.element;
    reading.Partner.Element = c.element;
    engine::SetElementDescriptions(reading);
    const std::string& text = reading.Self.ElementDescription;
    EXPECT_EQ(text.size(), c.length);
    EXPECT_EQ(text.rfind(c.opening, 0), 0u) << text;
    ASSERT_GE(text.size(), std::string(c.ending).size());
    EXPECT_EQ(text.substr(text.size() - std::string(c.ending).size()), c.ending);
    EXPECT_EQ(reading.Partner.ElementDescription, text);
}

INSTANTIATE_TEST_SUITE_P(
    FiveElements, ElementTextTest,
    testing::Values(
        ElementCase{"Water", 359, "You will flow like water.",
                    "personality.\r\n\r\nElement Water is compatible with elements Tree and "
                    "Metal.\r\n\r\nElement Water is not compatible with elements Fire and Soil"},
        ElementCase{"Earth", 341, "You are grounded",
                    "enemy.\r\n\r\nElement Earth is compatible with elements Fire and "
                    "Metal.\r\n\r\nElement Earth is compatible with elements Wood and Water."},
        ElementCase{
            "Metal", 288, "You are a deep thinker",
            "quantity.\r\n\r\nElement Metal is compatible with elements Water and "
            "Soil.\r\n\r\nElement Metal is not compatible with elements Fire and Wood.    "},
        ElementCase{"Wood", 261, "You are committed to your work",
                    "spread out.\r\n\r\nElement Wood is compatible with elements Water and "
                    "Fire.\r\n\r\nElement Wood is not compatible with elements Fire and Tree."},
        ElementCase{"Fire", 317, "You have a lot of passion",
                    "loneliness.\r\n\r\nElement Fire is compatible with elements Wood and "
                    "Soil.\r\n\r\nElement Fire is not compatible with elements Metal and Soil."}),
    [](const auto& info) { return std::string(info.param.element); });

TEST(ElementTexts, EachPersonGetsTheTextOfTheirOwnElement) {
    CoupleReading reading;
    reading.Self.Element = "Water";
    reading.Partner.Element = "Fire";
    engine::SetElementDescriptions(reading);
    EXPECT_EQ(reading.Self.ElementDescription.rfind("You will flow", 0), 0u);
    EXPECT_EQ(reading.Partner.ElementDescription.rfind("You have a lot of passion", 0), 0u);
}

TEST(ElementTexts, UnknownElementsKeepTheirText) {
    for (const char* element : {"water", "", "Soil", "Tree", "?"}) {
        CoupleReading reading;
        reading.Self.Element = "Wood";
        engine::SetElementDescriptions(reading);
        const std::string wood = reading.Self.ElementDescription;
        const std::string untouched = reading.Partner.ElementDescription;

        reading.Self.Element = element;
        engine::SetElementDescriptions(reading);
        EXPECT_EQ(reading.Self.ElementDescription, wood) << element;
        EXPECT_EQ(reading.Partner.ElementDescription, untouched);
    }
}

} // namespace
