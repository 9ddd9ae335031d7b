#pragma once

#include "compass/house.h"
#include "engine/couple_reading.h"

#include <QLocale>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace ui {

// What the user typed as the house's facing: nothing yet, or a number of degrees from 0 up to
// 360, or text that is no such number (letters, 360, a minus). The language's own decimal mark
// is read, and a point as well; a thousands separator never is.
struct FacingEntry {
    bool empty = true;
    std::optional<double> degrees;
};
FacingEntry readFacingEntry(const QString& text, const QLocale& locale);

// A facing as the program writes it: "183°", "22.5°" (with the language's decimal mark).
QString degreesText(double degrees);

// What the entry says about the house: "183°: faces South, sits North: a Kan house of the East
// group"; that it lies on a line between two, with the advice to measure again; or what to type.
// Empty for an empty entry.
QString facingText(const FacingEntry& entry);

// The house itself: "a Kan house of the East group"; as a line of its own, "Your house: a Kan
// house of the East group".
QString houseName(const compass::House& house);
QString houseLine(const compass::House& house);

// How each of the two fits the house, one line each: "Anna: of the East group, like the house",
// or of the other group, with what to do inside it.
std::array<QString, 2> fitTexts(const engine::CoupleReading& reading, const compass::House& house);

// How to measure the facing.
QString facingHelp();

} // namespace ui
