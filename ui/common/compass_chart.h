#pragma once

#include "compass/compass.h"
#include "compass/house.h"
#include "engine/couple_reading.h"
#include "ui/common/advice_words.h"

#include <QFont>
#include <QPalette>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QPainter;
class QTextCursor;

namespace ui {

// What a compass chart shows: one person's eight sectors, with their Kua number and trigram in
// the middle; or a couple's, the user's sectors on the inner ring and the partner's on the
// outer one, each named by its star, around a centre point to lay on a plan's centre. With
// their house known, a line along the rim marks the house's favourable directions.
struct CompassChart {
    std::array<compass::Sector, 8> inner{};
    std::optional<std::array<compass::Sector, 8>> outer; // the partner's, on a couple's chart
    QString centre;                                      // Kua number and trigram, or empty
    CoupleNames names;                                   // whose rings, on a couple's chart
    std::optional<std::array<compass::Sector, 8>> house; // the house's, on a couple's chart
};

// The chart of a person, or nothing when their reading has no directions to show.
std::optional<CompassChart> personChart(const engine::PersonReading& person);
// The chart of a house: its eight stars, read from its trigram as a person's are, with the
// trigram in the middle.
std::optional<CompassChart> houseChart(const compass::House& house);
// The chart of the couple, with their house when it is known, or nothing when either has no
// directions to show.
std::optional<CompassChart> coupleChart(const engine::CoupleReading& reading,
                                        const std::optional<compass::House>& house = std::nullopt);

// No text of a chart is drawn smaller than this, on screen in pixels and on paper in the page's
// units (96 an inch): a word that does not fit breaks where its translation allows, or the
// chart is laid out larger.
inline constexpr int kSmallestChartPixels = 8;

// One text of a chart and the box it is drawn centred in.
struct ChartText {
    enum class Kind { Star, Mark, Centre, Direction, Degrees };
    Kind kind = Kind::Star;
    QString text; // lines broken by line feeds
    QRectF box;
    int pixelSize = 0;
    bool bold = false;
    int sector = 0;     // clockwise from North; for the degrees, the boundary after that sector
    int ring = 0;       // 0 the inner (or only) ring, 1 the partner's on a couple's chart
    qreal rotation = 0; // degrees clockwise about the box's middle: the degrees follow the rim
};

// Where a chart's rings lie and where its texts go in a square. The stars' words fit their
// sectors without touching a border, a mark or the centre; the directions and the degrees of
// the boundaries lie on the rim outside the rings.
struct ChartLayout {
    QPointF centre;
    qreal hub = 0;    // the centre disc's radius
    qreal middle = 0; // between the two rings of a couple's chart; 0 on a person's
    qreal outer = 0;  // the rings' outer edge
    std::vector<ChartText> texts;
};
ChartLayout layoutCompass(const CompassChart& chart, const QRectF& square, const QFont& font);

// The shade of a sector whose partner would rate so ("Excellent" to "Disastrous"): green for
// the favourable half, red for the other, darker the stronger, laid over the palette's base
// so that a dark desktop's chart reads as well as a light one's.
QColor ratingShade(std::string_view rating, const QPalette& palette);

// The colours of a chart on paper: black on white, whatever the desktop's colours.
QPalette paperPalette();

// The one painting routine of the charts, on screen and on paper: vectors only, North at the
// top and East at the right, each sector shaded by its rating and marked + or − so that
// colour is never the only cue.
void paintCompass(QPainter& painter, const QRectF& square, const CompassChart& chart,
                  const QPalette& palette);

// What a screen reader hears of a chart: each direction with its star, "North: Health; ...";
// on a couple's chart, with the star for each of the two by name.
QString describeCompass(const CompassChart& chart);

// The captions of the three charts, 0 to 2: the user's, the partner's, the couple's.
QString chartCaption(int chart);

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
