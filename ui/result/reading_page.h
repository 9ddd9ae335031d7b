#pragma once

#include "compass/house.h"

#include <QDate>
#include <QPageSize>
#include <QString>

#include <memory>
#include <optional>

class QLocale;
class QTextDocument;

namespace engine {
struct CoupleReading;
}

namespace ui {

// The couple's compass on the page, in its units (96 an inch): 87 mm across, with both
// partners' stars in its two rings. Each person's directions stand in the table above it.
inline constexpr qreal kPageChartSide = 330;
// With the house's lines under it the chart is 82 mm across, so that the page stays one page.
inline constexpr qreal kPageChartSideOverHouse = 310;

// The reading as a document to keep: one portrait page with the couple's pair and rating,
// each person's profile, pictures, element text and directions, and the user's name and the
// date it was made; with their house, its line and its ring on the couple's compass. Every
// word is the one the result window shows, in the user's language.
std::unique_ptr<QTextDocument> readingPage(const engine::CoupleReading& reading, QDate made,
                                           const std::optional<compass::House>& house = {});

// The paper a user of this locale expects: Letter in the Americas where it is the custom,
// A4 everywhere else.
QPageSize paperFor(const QLocale& locale);

// Writes the page as a PDF so that the file on disk is either the old one or the complete new
// one, never half of either. Empty text on success, otherwise the system's reason.
QString writeReadingPdf(const QString& path, QTextDocument& page);

} // namespace ui
