#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>

#include <memory>

class QLocale;
class QTextDocument;

namespace engine {
struct CoupleReading;
}

namespace ui {

// The couple's compass on the page, in its units (96 an inch): 87 mm across, with both
// partners' stars in its two rings. Each person's directions stand in the table above it.
inline constexpr qreal kPageChartSide = 330;

// The reading as a document to keep: one portrait page with the couple's pair and rating,
// each person's profile, pictures, element text and directions, and the user's name and the
// date it was made. Every word is the one the result window shows, in the user's language.
std::unique_ptr<QTextDocument> readingPage(const engine::CoupleReading& reading, QDate made);

// The paper a user of this locale expects: Letter in the Americas where it is the custom,
// A4 everywhere else.
QPageSize paperFor(const QLocale& locale);

// Writes the page as a PDF so that the file on disk is either the old one or the complete new
// one, never half of either. Empty text on success, otherwise the system's reason.
QString writeReadingPdf(const QString& path, QTextDocument& page);

} // namespace ui
