#pragma once

#include "compass/compass.h"

#include <QColor>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

class QPalette;

namespace engine {
struct CoupleReading;
}

namespace ui {

// The two of a couple as a sentence names them: by the names entered, or "you" and "your
// partner" for a reading that brings no names (one opened from a file).
struct CoupleNames {
    QString self;
    QString partner;
};
CoupleNames coupleNames(const engine::CoupleReading& reading);

// A direction and what it holds, as one entry of a list that runs on as a sentence: "north:
// Health" in a language that writes directions in lower case inside a sentence.
QString directionFor(std::string_view direction, const QString& what);

// A direction inside a sentence, in the case the language writes it there ("sureste" in
// Spanish); the tables and charts keep the capitals of the directions' own list.
QString directionInSentence(std::string_view direction);

// Entries run on as one sentence: joined by semicolons, its first letter a capital.
QString sentenceOf(const QStringList& entries);

// One direction for the two: "Relationship for Anna, Health for Ben".
QString starsForTwo(const compass::SectorForTwo& two, const CoupleNames& names);

// A star and whose it is, as one entry of a list: "Mishaps for Anna"; the house's star is
// named as the house's: "Five Ghosts for the house".
QString starFor(std::string_view star, const QString& whom);
QString starForTheHouse(std::string_view star);
// Such entries of one direction, one after the other: "Five Ghosts for the house, Mishaps for
// Anna, Six Killings for Ben".
QString starsOneAfterAnother(const QStringList& entries);

// How to read the couple's chart: "Inner ring: Anna. Outer ring: Ben. ★ good for both.", and
// with their house known, what the line along the rim means.
QString ringsLegend(const CoupleNames& names, bool withHouse = false);

// The six shades of the charts, from the best rating to the worst, with the rating's word and
// the mark (+ or −) that tells the sides apart without colour.
struct LegendEntry {
    QString word;
    QString mark;
    QColor shade;
};
std::vector<LegendEntry> ratingLegend(const QPalette& palette);

// What a direction is and how to lay a chart on a plan.
QString usageText();

// What a couple can do with their charts, as the directions tab and the page show it: a
// sentence on what the two charts share, then a short table of what goes where.
struct AdviceLine {
    QString heading;
    QString text;
};
struct AdviceWords {
    QString shared;
    std::vector<AdviceLine> lines;
};
std::optional<AdviceWords> adviceWords(const engine::CoupleReading& reading);

// The advice as rich text for a label and for the page: the sentence, then the table.
QString adviceHtml(const AdviceWords& advice);

// The legend as rich text: a swatch of each shade with its mark and word, each favourable
// shade beside the unfavourable one of its strength.
QString legendHtml(const QPalette& palette);

} // namespace ui
