#pragma once

#include "compass/compass.h"
#include "engine/couple_reading.h"

#include <QPalette>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class QPainter;
class QRectF;
class QTextCursor;

namespace ui {

// What a compass chart shows: one person's eight sectors, with their Kua number and trigram in
// the middle; or a couple's, the user's sectors on the inner ring and the partner's on the
// outer one, with the directions good for both marked.
struct CompassChart {
    std::array<compass::Sector, 8> inner{};
    std::optional<std::array<compass::Sector, 8>> outer; // the partner's, on a couple's chart
    QString centre;                                      // Kua number and trigram, or empty
};

// The chart of a person, or nothing when their reading has no directions to show.
std::optional<CompassChart> personChart(const engine::PersonReading& person);
// The chart of the couple, or nothing when either has no directions to show.
std::optional<CompassChart> coupleChart(const engine::CoupleReading& reading);

// The one painting routine of the charts, on screen and on paper: vectors only, North at the
// top, the favourable sectors green and the unfavourable red, graded by strength, each also
// marked + or − so that colour is never the only cue. Text and lines take the palette's
// colours, so a dark desktop's chart reads as well as a light one's.
void paintCompass(QPainter& painter, const QRectF& square, const CompassChart& chart,
                  const QPalette& palette);

// What a screen reader hears of a chart: each direction with its meaning, "North: Health, ...";
// on a couple's chart, with the meaning for each of the two.
QString describeCompass(const CompassChart& chart);

// The captions of the three charts, 0 to 2: the user's, the partner's, the couple's.
QString chartCaption(int chart);

// How to read the couple's chart: which ring is whose, and what the star says.
QString coupleChartLegend();

// "Good for both of you: North, East and South", or that no direction is favourable to both.
QString goodForBothSentence(const engine::CoupleReading& reading);

// Puts a chart into a document at the cursor, a square of the given side in the document's
// units, drawn by the same routine in black on white when the document is painted: on paper
// and in a PDF it stays vectors.
void insertCompass(QTextCursor& cursor, const CompassChart& chart, qreal side);

// A chart on screen, drawn only when it is shown. Its accessible description is what the
// chart shows.
class CompassView : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
    void setChart(std::optional<CompassChart> chart, const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<CompassChart> chart_;
};

} // namespace ui
