#include "ui/common/compass_chart.h"

#include "ui/common/reading_words.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace ui {
namespace {

constexpr const char* kContext = "ui::CompassChart";

// What marks a direction good for both on a couple's chart.
constexpr QChar kStar(0x2605);

// The usual abbreviations on the rim, clockwise from North.
constexpr std::array<const char*, 8> kRimWords = {
    //: abbreviation of North on a compass
    QT_TRANSLATE_NOOP("ui::CompassChart", "N"),
    //: abbreviation of North East on a compass
    QT_TRANSLATE_NOOP("ui::CompassChart", "NE"),
    //: abbreviation of East on a compass
    QT_TRANSLATE_NOOP("ui::CompassChart", "E"),
    //: abbreviation of South East on a compass
    QT_TRANSLATE_NOOP("ui::CompassChart", "SE"),
    //: abbreviation of South on a compass
    QT_TRANSLATE_NOOP("ui::CompassChart", "S"),
    //: abbreviation of South West on a compass
    QT_TRANSLATE_NOOP("ui::CompassChart", "SW"),
    //: abbreviation of West on a compass
    QT_TRANSLATE_NOOP("ui::CompassChart", "W"),
    //: abbreviation of North West on a compass
    QT_TRANSLATE_NOOP("ui::CompassChart", "NW"),
};

// The stars as the chart writes them, in the order of a reading's directions. A | marks where a
// long word may break with a hyphen; it is never shown.
struct ChartStar {
    const char* star;
    const char* chartWord;
};
constexpr ChartStar kChartStars[] = {
    //: A star's name on the compass chart. A | marks where the word may break with a hyphen
    //: when it does not fit on one line; it is never shown. Give a shorter form where the
    //: chart needs one.
    {"Success", QT_TRANSLATE_NOOP("ui::CompassChart", "Suc|cess")},
    //: A star's name on the compass chart; see Suc|cess
    {"Health", QT_TRANSLATE_NOOP("ui::CompassChart", "Health")},
    //: A star's name on the compass chart; see Suc|cess
    {"Relationship", QT_TRANSLATE_NOOP("ui::CompassChart", "Re|la|tion|ship")},
    //: A star's name on the compass chart; see Suc|cess
    {"Personal", QT_TRANSLATE_NOOP("ui::CompassChart", "Per|son|al")},
    //: A star's name on the compass chart; see Suc|cess
    {"Mishaps", QT_TRANSLATE_NOOP("ui::CompassChart", "Mis|haps")},
    //: A star's name on the compass chart; see Suc|cess
    {"Five Ghosts", QT_TRANSLATE_NOOP("ui::CompassChart", "Five Ghosts")},
    //: A star's name on the compass chart; see Suc|cess
    {"Six Killings", QT_TRANSLATE_NOOP("ui::CompassChart", "Six Kill|ings")},
    //: A star's name on the compass chart; see Suc|cess
    {"Total Loss", QT_TRANSLATE_NOOP("ui::CompassChart", "Total Loss")},
};

constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("ui::CompassChart", "You"),
    QT_TRANSLATE_NOOP("ui::CompassChart", "Your Partner"),
    QT_TRANSLATE_NOOP("ui::CompassChart", "Both of You"),
};

QString chartText(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

QString chartWord(std::string_view star) {
    const auto found = std::ranges::find_if(
        kChartStars, [&](const ChartStar& entry) { return entry.star == star; });
    return found == std::end(kChartStars) ? starWord(star) : chartText(found->chartWord);
}

// ---- Geometry: compass angles in degrees clockwise from North, y downwards on screen. ----

QPointF along(const QPointF& centre, qreal radius, qreal compassDegrees) {
    const qreal angle = compassDegrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(angle), centre.y() - radius * std::cos(angle)};
}

qreal sectorMiddle(int sector) {
    return 45.0 * sector;
}

// The ring between two radii over one direction's eighth of the circle.
QPainterPath ringSector(const QPointF& centre, qreal inner, qreal outer, int sector) {
    // Qt counts anticlockwise from East.
    const qreal start = 90.0 - sectorMiddle(sector) - 22.5;
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    QPainterPath path;
    path.arcMoveTo(outerBox, start);
    path.arcTo(outerBox, start, 45.0);
    path.arcTo(innerBox, start + 45.0, -45.0);
    path.closeSubpath();
    return path;
}

qreal distanceToBox(const QPointF& point, const QRectF& box) {
    const qreal dx = std::max({box.left() - point.x(), 0.0, point.x() - box.right()});
    const qreal dy = std::max({box.top() - point.y(), 0.0, point.y() - box.bottom()});
    return std::hypot(dx, dy);
}

std::array<QPointF, 4> cornersOf(const QRectF& box) {
    return {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()};
}

qreal farthestCorner(const QPointF& point, const QRectF& box) {
    qreal farthest = 0;
    for (const QPointF& corner : cornersOf(box)) {
        farthest = std::max(farthest, std::hypot(corner.x() - point.x(), corner.y() - point.y()));
    }
    return farthest;
}

// Whether a box lies inside a ring's sector, at least `gap` from each of its borders.
bool insideSector(const QRectF& box, const QPointF& centre, qreal inner, qreal outer, int sector,
                  qreal gap) {
    if (distanceToBox(centre, box) < inner + gap || farthestCorner(centre, box) > outer - gap) {
        return false;
    }
    // Along the sector's middle and across it, a corner must lie within 22.5° of the middle.
    const qreal middle = sectorMiddle(sector) * std::numbers::pi / 180.0;
    const qreal side = std::sin(std::numbers::pi / 8);
    const qreal up = std::cos(std::numbers::pi / 8);
    return std::ranges::all_of(cornersOf(box), [&](const QPointF& corner) {
        const qreal x = corner.x() - centre.x();
        const qreal y = centre.y() - corner.y();
        const qreal ahead = x * std::sin(middle) + y * std::cos(middle);
        const qreal across = x * std::cos(middle) - y * std::sin(middle);
        return std::abs(across) * up - ahead * side <= -gap;
    });
}

// ---- Words that fit. ----

// The greedy lines of a word within a width, breaking at blanks and at the marks where a
// word may break, which show a hyphen when they do.
QStringList wrapped(const QString& text, const QFontMetricsF& metrics, qreal width) {
    struct Piece {
        QString text;
        bool joinsNext; // a break mark follows: no blank, a hyphen if the line breaks here
    };
    std::vector<Piece> pieces;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QLatin1Char('|'));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            pieces.push_back({parts[i], i + 1 < parts.size()});
        }
    }
    QStringList lines;
    QString line;
    bool lineJoins = false;
    for (const Piece& piece : pieces) {
        const QString candidate =
            line.isEmpty() ? piece.text
                           : line + (lineJoins ? QString() : QStringLiteral(" ")) + piece.text;
        // A line that may end at a break mark needs room for its hyphen.
        const QString hyphened = candidate + (piece.joinsNext ? QStringLiteral("-") : QString());
        if (!line.isEmpty() && metrics.horizontalAdvance(hyphened) > width) {
            lines << line + (lineJoins ? QStringLiteral("-") : QString());
            line = piece.text;
        } else {
            line = candidate;
        }
        lineJoins = piece.joinsNext;
    }
    if (!line.isEmpty()) {
        lines << line;
    }
    return lines;
}

qreal widest(const QStringList& lines, const QFontMetricsF& metrics) {
    qreal width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    return width;
}

// Every way the text breaks into lines, from one line to one piece a line.
std::vector<QStringList> everyWrapping(const QString& text, const QFontMetricsF& metrics) {
    std::vector<QStringList> wrappings;
    qreal width = std::numeric_limits<qreal>::max();
    while (true) {
        QStringList lines = wrapped(text, metrics, width);
        if (!wrappings.empty() && lines == wrappings.back()) {
            break;
        }
        width = widest(lines, metrics) - 0.5;
        wrappings.push_back(std::move(lines));
    }
    return wrappings;
}

QSizeF sizeOf(const QStringList& lines, const QFontMetricsF& metrics) {
    return {widest(lines, metrics) + 1, metrics.lineSpacing() * static_cast<qreal>(lines.size())};
}

QRectF boxAt(const QPointF& middle, const QSizeF& size) {
    return {middle.x() - size.width() / 2, middle.y() - size.height() / 2, size.width(),
            size.height()};
}

QFont sized(QFont font, int pixels, bool bold) {
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

struct Ring {
    qreal inner;
    qreal outer;
    int index;
    bool marksInside; // the marks at the ring's inner edge, where its words have least room
};

// The places a sector's mark may take, best first: on the middle at the ring's edge where the
// marks go, then beside the middle, then a little farther in; only those inside the sector.
std::vector<QRectF> markPlaces(const ChartLayout& layout, const Ring& ring, int sector,
                               qreal side) {
    std::vector<QRectF> places;
    for (const qreal depth : {0.6, 1.0, 1.5, 2.0}) {
        const qreal radius =
            ring.marksInside ? ring.inner + side * depth : ring.outer - side * depth;
        for (const qreal aside : {0.0, 10.0, -10.0, 15.0, -15.0}) {
            const QRectF box =
                boxAt(along(layout.centre, radius, sectorMiddle(sector) + aside), {side, side});
            if (insideSector(box, layout.centre, ring.inner, ring.outer, sector, 0.5)) {
                places.push_back(box);
            }
        }
    }
    return places;
}

struct StarAndMark {
    ChartText star;
    QRectF mark;
};

// The star's word in its sector, with the mark beside it: whole words before broken ones, then
// the largest size that fits, on as few lines as it can, at the place nearest the ring's
// middle; the mark takes the best of its places that the word leaves clear.
StarAndMark placeStar(const ChartLayout& layout, const Ring& ring, int sector, const QString& word,
                      const QFont& font, int largest, qreal markSide) {
    const qreal gap = 1.5;
    const qreal middle = (ring.inner + ring.outer) / 2;
    const std::vector<QRectF> marks = markPlaces(layout, ring, sector, markSide);
    QString whole = word;
    whole.remove(QLatin1Char('|'));
    for (const QString& text : {whole, word}) {
        for (int pixels = largest; pixels >= kSmallestChartPixels; --pixels) {
            const QFontMetricsF metrics(sized(font, pixels, false));
            for (const QStringList& lines : everyWrapping(text, metrics)) {
                const QSizeF size = sizeOf(lines, metrics);
                for (qreal step = 0; step < ring.outer - ring.inner; step += 1.0) {
                    for (const qreal radius : {middle - step, middle + step}) {
                        const QRectF box =
                            boxAt(along(layout.centre, radius, sectorMiddle(sector)), size);
                        if (!insideSector(box, layout.centre, ring.inner, ring.outer, sector,
                                          gap)) {
                            continue;
                        }
                        const QRectF clear = box.adjusted(-gap, -gap, gap, gap);
                        const auto mark = std::ranges::find_if(
                            marks, [&](const QRectF& m) { return !m.intersects(clear); });
                        if (mark != marks.end()) {
                            return {{ChartText::Kind::Star, lines.join(QLatin1Char('\n')), box,
                                     pixels, false, sector, ring.index},
                                    *mark};
                        }
                    }
                }
            }
        }
    }
    // Nothing fits even at the smallest size: drawn there all the same, where a test sees it.
    const QFontMetricsF metrics(sized(font, kSmallestChartPixels, false));
    const QStringList lines = everyWrapping(word, metrics).back();
    return {{ChartText::Kind::Star, lines.join(QLatin1Char('\n')),
             boxAt(along(layout.centre, middle, sectorMiddle(sector)), sizeOf(lines, metrics)),
             kSmallestChartPixels, false, sector, ring.index},
            marks.empty() ? QRectF() : marks.front()};
}

void layRing(ChartLayout& layout, const Ring& ring, const std::array<compass::Sector, 8>& sectors,
             const QFont& font, int starPixels, int markPixels) {
    const qreal markSide = QFontMetricsF(sized(font, markPixels, true)).height();
    for (int i = 0; i < 8; ++i) {
        const compass::Sector& sector = sectors[static_cast<std::size_t>(i)];
        const StarAndMark placed =
            placeStar(layout, ring, i, chartWord(sector.Meaning), font, starPixels, markSide);
        layout.texts.push_back({ChartText::Kind::Mark,
                                sector.Favourable ? QStringLiteral("+") : QStringLiteral("\u2212"),
                                placed.mark, markPixels, true, i, ring.index});
        layout.texts.push_back(placed.star);
    }
}

// Which directions of a couple's chart are favourable to both.
std::array<bool, 8> sharedDirections(const CompassChart& chart) {
    std::array<bool, 8> both{};
    for (std::size_t i = 0; chart.outer && i < both.size(); ++i) {
        both[i] = chart.inner[i].Favourable && (*chart.outer)[i].Favourable;
    }
    return both;
}

// The directions at the middle of each sector and the degrees of each boundary, on the rim:
// each text as near the ring as its ticks allow, the ring as large as the texts leave room for.
struct RimText {
    ChartText text;
    qreal angle;
    QSizeF size;

    qreal turned() const { return (angle - text.rotation) * std::numbers::pi / 180.0; }
    qreal rotated() const { return text.rotation * std::numbers::pi / 180.0; }
    // How far the text reaches from its middle towards the centre.
    qreal reach() const {
        return size.width() / 2 * std::abs(std::sin(turned())) +
               size.height() / 2 * std::abs(std::cos(turned()));
    }
    // The farthest its middle may lie from the centre inside a square of half-side rim.
    qreal farthest(qreal rim) const {
        const qreal a = angle * std::numbers::pi / 180.0;
        const qreal across = size.width() / 2 * std::abs(std::cos(rotated())) +
                             size.height() / 2 * std::abs(std::sin(rotated()));
        const qreal down = size.width() / 2 * std::abs(std::sin(rotated())) +
                           size.height() / 2 * std::abs(std::cos(rotated()));
        qreal limit = std::numeric_limits<qreal>::max();
        if (std::abs(std::sin(a)) > 1e-9) {
            limit = (rim - across) / std::abs(std::sin(a));
        }
        if (std::abs(std::cos(a)) > 1e-9) {
            limit = std::min(limit, (rim - down) / std::abs(std::cos(a)));
        }
        return limit;
    }
};

// A degree reads along the rim, upright in the upper half and the lower alike.
qreal alongTheRim(qreal angle) {
    return std::cos(angle * std::numbers::pi / 180.0) >= 0 ? angle : angle - 180.0;
}

std::vector<RimText> rimTexts(const CompassChart& chart, const QFont& font, int pixels) {
    const std::array<bool, 8> both = sharedDirections(chart);
    std::vector<RimText> texts;
    for (int i = 0; i < 8; ++i) {
        const bool bold = i == 0 || both[static_cast<std::size_t>(i)];
        const QString word = chartText(kRimWords[static_cast<std::size_t>(i)]) +
                             (both[static_cast<std::size_t>(i)] ? QString(kStar) : QString());
        texts.push_back({{ChartText::Kind::Direction, word, {}, pixels, bold, i, 0},
                         sectorMiddle(i),
                         sizeOf({word}, QFontMetricsF(sized(font, pixels, bold)))});
        const qreal boundary = sectorMiddle(i) + 22.5;
        const QString degrees = shownLocale().toString(boundary, 'f', 1) + QChar(0x00B0);
        texts.push_back(
            {{ChartText::Kind::Degrees,
              degrees,
              {},
              kSmallestChartPixels,
              false,
              i,
              0,
              alongTheRim(boundary)},
             boundary,
             sizeOf({degrees}, QFontMetricsF(sized(font, kSmallestChartPixels, false)))});
    }
    return texts;
}

void layCentre(ChartLayout& layout, const CompassChart& chart, const QFont& font, int pixels) {
    if (chart.centre.isEmpty()) {
        return;
    }
    for (; pixels > kSmallestChartPixels; --pixels) {
        const QFontMetricsF metrics(sized(font, pixels, true));
        const QSizeF size = sizeOf(chart.centre.split(QLatin1Char('\n')), metrics);
        if (std::hypot(size.width(), size.height()) / 2 <= layout.hub - 1) {
            break;
        }
    }
    const QFontMetricsF metrics(sized(font, pixels, true));
    layout.texts.push_back(
        {ChartText::Kind::Centre, chart.centre,
         boxAt(layout.centre, sizeOf(chart.centre.split(QLatin1Char('\n')), metrics)), pixels, true,
         0, 0});
}

// The hue of a rating's shade and how much of it lies over the background, by strength.
QColor blended(const QColor& base, const QColor& hue, qreal weight) {
    return QColor::fromRgbF(
        static_cast<float>(base.redF() * (1 - weight) + hue.redF() * weight),
        static_cast<float>(base.greenF() * (1 - weight) + hue.greenF() * weight),
        static_cast<float>(base.blueF() * (1 - weight) + hue.blueF() * weight));
}

// Draws the charts a document holds, wherever its layout puts them.
class CompassTextObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int kType = QTextFormat::UserObject + 1;
    static constexpr int kChartProperty = QTextFormat::UserProperty + 1;
    static constexpr int kSideProperty = QTextFormat::UserProperty + 2;

    explicit CompassTextObject(QTextDocument* document) : QObject(document) {
        document->documentLayout()->registerHandler(kType, this);
    }

    static CompassTextObject& of(QTextDocument* document) {
        auto* handler = document->findChild<CompassTextObject*>();
        return handler ? *handler : *new CompassTextObject(document);
    }

    int add(const CompassChart& chart) {
        charts_.push_back(chart);
        return static_cast<int>(charts_.size()) - 1;
    }

    QSizeF intrinsicSize(QTextDocument* /*document*/, int /*position*/,
                         const QTextFormat& format) override {
        const qreal side = format.doubleProperty(kSideProperty);
        return {side, side};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* /*document*/,
                    int /*position*/, const QTextFormat& format) override {
        const auto index = static_cast<std::size_t>(format.intProperty(kChartProperty));
        if (index < charts_.size()) {
            paintCompass(*painter, rect, charts_[index], paperPalette());
        }
    }

private:
    std::vector<CompassChart> charts_;
};

} // namespace

ChartLayout layoutCompass(const CompassChart& chart, const QRectF& square, const QFont& font) {
    ChartLayout layout;
    const qreal side = std::min(square.width(), square.height());
    const qreal rim = side / 2;
    const int rimPixels = std::clamp(static_cast<int>(side / 24), kSmallestChartPixels, 12);
    const int starPixels = std::clamp(static_cast<int>(side / 20), kSmallestChartPixels, 13);
    const int markPixels = std::clamp(static_cast<int>(side / 32), kSmallestChartPixels, 11);
    layout.centre = square.center();
    // Clear of the ticks on the rim that mark the sectors' boundaries.
    const qreal clearance = side / 80 + 1.5;
    const std::vector<RimText> rimmed = rimTexts(chart, font, rimPixels);
    layout.outer = rim;
    for (const RimText& text : rimmed) {
        layout.outer = std::min(layout.outer, text.farthest(rim) - text.reach() - clearance);
    }
    for (const RimText& text : rimmed) {
        ChartText placed = text.text;
        placed.box = boxAt(
            along(layout.centre, layout.outer + clearance + text.reach(), text.angle), text.size);
        layout.texts.push_back(placed);
    }
    if (chart.outer) {
        layout.hub = std::max(5.0, layout.outer * 0.08);
        layout.middle = layout.hub + (layout.outer - layout.hub) * 0.6;
        layRing(layout, {layout.hub, layout.middle, 0, true}, chart.inner, font, starPixels,
                markPixels);
        layRing(layout, {layout.middle, layout.outer, 1, false}, *chart.outer, font, starPixels,
                markPixels);
    } else {
        layout.hub = layout.outer * 0.27;
        layRing(layout, {layout.hub, layout.outer, 0, false}, chart.inner, font, starPixels,
                markPixels);
    }
    layCentre(layout, chart, font, starPixels);
    return layout;
}

QPalette paperPalette() {
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    return paper;
}

QColor ratingShade(std::string_view rating, const QPalette& palette) {
    const compass::RatingGrade grade = compass::GradeOf(rating).value_or(compass::RatingGrade{});
    const QColor hue = grade.Favourable ? QColor(0, 150, 60) : QColor(210, 30, 30);
    return blended(palette.color(QPalette::Base), hue, 0.01 + 0.21 * grade.Strength);
}

void paintCompass(QPainter& painter, const QRectF& square, const CompassChart& chart,
                  const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const ChartLayout layout = layoutCompass(chart, square, painter.font());
    const qreal side = std::min(square.width(), square.height());
    const QColor ink = palette.color(QPalette::Text);
    painter.setPen(QPen(ink, std::max(0.5, side / 300)));
    const auto paintSectors = [&](qreal inner, qreal outer,
                                  const std::array<compass::Sector, 8>& sectors) {
        for (int i = 0; i < 8; ++i) {
            painter.setBrush(ratingShade(sectors[static_cast<std::size_t>(i)].Rating, palette));
            painter.drawPath(ringSector(layout.centre, inner, outer, i));
        }
    };
    if (chart.outer) {
        paintSectors(layout.hub, layout.middle, chart.inner);
        paintSectors(layout.middle, layout.outer, *chart.outer);
        // The shared directions' sectors, outlined across both rings.
        painter.setPen(QPen(ink, std::max(1.5, side / 110)));
        painter.setBrush(Qt::NoBrush);
        const std::array<bool, 8> both = sharedDirections(chart);
        for (int i = 0; i < 8; ++i) {
            if (both[static_cast<std::size_t>(i)]) {
                painter.drawPath(ringSector(layout.centre, layout.hub, layout.outer, i));
            }
        }
    } else {
        paintSectors(layout.hub, layout.outer, chart.inner);
    }
    painter.setPen(QPen(ink, std::max(0.5, side / 300)));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawEllipse(layout.centre, layout.hub, layout.hub);
    // The house's good directions: a line along the rim, between the ticks, that reads without
    // colour and leaves the words where they are.
    if (chart.house) {
        painter.setPen(QPen(ink, side / 110, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        const qreal radius = layout.outer + side / 160;
        const QRectF arcBox(layout.centre.x() - radius, layout.centre.y() - radius, 2 * radius,
                            2 * radius);
        for (int i = 0; i < 8; ++i) {
            if ((*chart.house)[static_cast<std::size_t>(i)].Favourable) {
                // Qt counts sixteenths of a degree anticlockwise from East.
                const qreal start = 90.0 - sectorMiddle(i) - 20.0;
                painter.drawArc(arcBox, static_cast<int>(start * 16), 40 * 16);
            }
        }
        painter.setPen(QPen(ink, std::max(0.5, side / 300)));
    }
    // The boundaries' ticks on the rim, where a reading in degrees is placed.
    for (int i = 0; i < 8; ++i) {
        const qreal boundary = sectorMiddle(i) + 22.5;
        painter.drawLine(along(layout.centre, layout.outer, boundary),
                         along(layout.centre, layout.outer + side / 80, boundary));
    }
    if (chart.outer) {
        // The couple's centre, to lay on the centre of a plan.
        const qreal arm = layout.hub * 0.7;
        painter.drawLine(layout.centre - QPointF(arm, 0), layout.centre + QPointF(arm, 0));
        painter.drawLine(layout.centre - QPointF(0, arm), layout.centre + QPointF(0, arm));
        painter.setBrush(ink);
        painter.drawEllipse(layout.centre, layout.hub * 0.22, layout.hub * 0.22);
    }
    painter.setPen(ink);
    for (const ChartText& text : layout.texts) {
        painter.setFont(sized(painter.font(), text.pixelSize, text.bold));
        painter.save();
        painter.translate(text.box.center());
        painter.rotate(text.rotation);
        painter.drawText(text.box.translated(-text.box.center()), Qt::AlignCenter, text.text);
        painter.restore();
    }
    painter.restore();
}

QString describeCompass(const CompassChart& chart) {
    QStringList parts;
    for (std::size_t i = 0; i < chart.inner.size(); ++i) {
        const compass::Sector& sector = chart.inner[i];
        parts << directionFor(sector.Direction,
                              chart.outer ? starsForTwo({sector, (*chart.outer)[i]}, chart.names)
                                          : starWord(sector.Meaning));
    }
    return sentenceOf(parts);
}

QString chartCaption(int chart) {
    return chart >= 0 && chart < 3 ? chartText(kCaptions[chart]) : QString();
}

void insertCompass(QTextCursor& cursor, const CompassChart& chart, qreal side) {
    CompassTextObject& handler = CompassTextObject::of(cursor.document());
    QTextCharFormat format;
    format.setObjectType(CompassTextObject::kType);
    format.setProperty(CompassTextObject::kChartProperty, handler.add(chart));
    format.setProperty(CompassTextObject::kSideProperty, side);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

std::optional<CompassChart> personChart(const engine::PersonReading& person) {
    const auto sectors = compass::SectorsOf(person);
    if (!sectors) {
        return std::nullopt;
    }
    return CompassChart{*sectors,
                        std::nullopt,
                        QString::number(person.KuaNumber) + QLatin1Char('\n') +
                            shownWord(person.Trigram, "trigram"),
                        {},
                        std::nullopt};
}

std::optional<CompassChart> houseChart(const compass::House& house) {
    const auto sectors = compass::SectorsOfHouse(house);
    if (!sectors) {
        return std::nullopt;
    }
    return CompassChart{
        *sectors, std::nullopt, shownWord(std::string(house.Trigram), "trigram"), {}, std::nullopt};
}

std::optional<CompassChart> coupleChart(const engine::CoupleReading& reading,
                                        const std::optional<compass::House>& house) {
    const auto self = compass::SectorsOf(reading.Self);
    const auto partner = compass::SectorsOf(reading.Partner);
    if (!self || !partner) {
        return std::nullopt;
    }
    return CompassChart{*self, *partner, QString(), coupleNames(reading),
                        house ? compass::SectorsOfHouse(*house) : std::nullopt};
}

void CompassView::setChart(std::optional<CompassChart> chart, const QString& name) {
    chart_ = std::move(chart);
    setAccessibleName(name);
    setAccessibleDescription(chart_ ? describeCompass(*chart_) : QString());
    update();
}

void CompassView::paintEvent(QPaintEvent* /*event*/) {
    if (!chart_) {
        return;
    }
    QPainter painter(this);
    paintCompass(painter, QRectF(rect()), *chart_, palette());
}

} // namespace ui

#include "compass_chart.moc"
