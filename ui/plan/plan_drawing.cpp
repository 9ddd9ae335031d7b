#include "ui/plan/plan_drawing.h"

#include "platform/desktop.h"
#include "ui/common/compass_chart.h"
#include "ui/common/house_words.h"
#include "ui/common/reading_words.h"
#include "ui/common/widgets.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {
namespace {

constexpr const char* kContext = "ui::Plan";

QString planText(const char* text, const char* comment = nullptr) {
    return QCoreApplication::translate(kContext, text, comment);
}

constexpr QChar kPlus(u'+');
constexpr QChar kMinus(u'\u2212');
// The shades over the picture: light enough that the rooms under them stay readable.
constexpr int kShadeAlpha = 72;
const QColor kFavourableShade(0, 150, 60, kShadeAlpha);
const QColor kUnfavourableShade(215, 30, 30, kShadeAlpha);
// North and the centre in one colour that stands out on a drawing and on the shades.
const QColor kCompassColour(20, 80, 200);

double radiansOf(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// A step of one unit at an angle clockwise from the picture's top.
QPointF stepAt(double pictureDegrees) {
    return {std::sin(radiansOf(pictureDegrees)), -std::cos(radiansOf(pictureDegrees))};
}

QPointF centreOf(const PlanScene& scene) {
    return {scene.frame.Centre.X, scene.frame.Centre.Y};
}

std::size_t indexOf(std::string_view direction) {
    return static_cast<std::size_t>(std::ranges::find(compass::kDirections, direction) -
                                    compass::kDirections.begin());
}

// A star shown on the plan and whose it is.
struct ShownStar {
    QString entry;     // as a sentence lists it: "Five Ghosts for the house"
    QString shortName; // whose, as a label on the plan names them: "House", "Anna"
    compass::Sector sector;
};

std::vector<ShownStar> shownStars(const PlanCharts& charts, std::string_view direction) {
    const std::size_t at = indexOf(direction);
    std::vector<ShownStar> shown;
    if (at >= compass::kDirections.size()) {
        return shown;
    }
    if (charts.house && charts.showHouse) {
        //: Names the house on a plan's sector: "House: Five Ghosts"
        shown.push_back({starForTheHouse((*charts.house)[at].Meaning),
                         planText(QT_TRANSLATE_NOOP("ui::Plan", "House")), (*charts.house)[at]});
    }
    if (charts.self && charts.showSelf) {
        shown.push_back({starFor((*charts.self)[at].Meaning, charts.names.self), charts.names.self,
                         (*charts.self)[at]});
    }
    if (charts.partner && charts.showPartner) {
        shown.push_back({starFor((*charts.partner)[at].Meaning, charts.names.partner),
                         charts.names.partner, (*charts.partner)[at]});
    }
    return shown;
}

const std::string_view* directionOf(const PlanRegion& region) {
    return region.direction ? std::get_if<std::string_view>(&*region.direction) : nullptr;
}

// Green where every star shown is favourable, red where every one is not, none where they
// differ or none is shown.
std::optional<QColor> shadeOf(const std::vector<ShownStar>& shown) {
    if (shown.empty()) {
        return std::nullopt;
    }
    const auto favourable = [](const ShownStar& star) { return star.sector.Favourable; };
    if (std::ranges::all_of(shown, favourable)) {
        return kFavourableShade;
    }
    if (std::ranges::none_of(shown, favourable)) {
        return kUnfavourableShade;
    }
    return std::nullopt;
}

// How far a ray from the centre runs inside the picture.
double reachInside(const PlanScene& scene, QPointF step) {
    const QPointF centre = centreOf(scene);
    double reach = std::numeric_limits<double>::max();
    const auto limit = [&reach](double from, double towards, double lowest, double highest) {
        if (towards > 1e-9) {
            reach = std::min(reach, (highest - from) / towards);
        } else if (towards < -1e-9) {
            reach = std::min(reach, (lowest - from) / towards);
        }
    };
    limit(centre.x(), step.x(), 0, scene.size.width());
    limit(centre.y(), step.y(), 0, scene.size.height());
    return std::max(0.0, reach);
}

// The grid's lines across and down: the picture's edges and the middle cell's sides.
std::array<double, 4> gridLines(double centre, double side) {
    const double lower = std::clamp(centre - side / 6, 0.0, side);
    const double upper = std::clamp(centre + side / 6, 0.0, side);
    return {0.0, lower, upper, side};
}

QRectF cellRect(const PlanScene& scene, compass::GridCell cell) {
    const auto across = gridLines(scene.frame.Centre.X, scene.size.width());
    const auto down = gridLines(scene.frame.Centre.Y, scene.size.height());
    const auto column = static_cast<std::size_t>(cell.Column + 1);
    const auto row = static_cast<std::size_t>(cell.Row + 1);
    return QRectF(QPointF(across[column], down[row]), QPointF(across[column + 1], down[row + 1]));
}

// A region's area on the picture, and where its label goes.
struct RegionShape {
    QPolygonF area;
    std::vector<QPointF> labelAt; // where its label may go, best first
};

// The farthest a spot of a rectangle lies from a point.
double farthestFrom(QPointF point, const QRectF& rect) {
    double farthest = 0;
    for (const QPointF corner :
         {rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight()}) {
        farthest = std::max(farthest, std::hypot(corner.x() - point.x(), corner.y() - point.y()));
    }
    return farthest;
}

// A region's area on the picture, reaching just past `within`, and where its label goes.
RegionShape shapeOf(const PlanScene& scene, const PlanRegion& region, const QRectF& within) {
    if (scene.grid) {
        const QRectF cell = cellRect(scene, region.cell);
        const QPointF middle = cell.center();
        const QPointF down(0, cell.height() / 4);
        const QPointF across(cell.width() / 4, 0);
        return {QPolygonF(cell.intersected(within)),
                {middle, middle - down, middle + down, middle - across, middle + across}};
    }
    const std::string_view* direction = directionOf(region);
    const double middle =
        45.0 * static_cast<double>(indexOf(direction ? *direction : "North")) + scene.frame.North;
    const QPointF centre = centreOf(scene);
    // The arc's chords stay outside the circle through the farthest corner.
    const double far = 1.1 * farthestFrom(centre, within) + 1;
    QPolygonF wedge{centre};
    for (const double side : {-22.5, -11.25, 0.0, 11.25, 22.5}) {
        wedge << centre + far * stepAt(middle + side);
    }
    // Out along the sector's middle first, then nearer its sides, then nearer or farther out.
    std::vector<QPointF> places;
    for (const double out : {0.62, 0.78, 0.46, 0.9, 0.34}) {
        for (const double aside : {0.0, -11.0, 11.0}) {
            const QPointF step = stepAt(middle + aside);
            places.push_back(centre + out * reachInside(scene, step) * step);
        }
    }
    return {wedge.intersected(QPolygonF(within)), places};
}

QString markOf(const compass::Sector& sector) {
    return QString(sector.Favourable ? kPlus : kMinus);
}

// The label's lines: the direction, then each shown star marked + or −.
QStringList labelLines(const PlanScene& scene, const PlanRegion& region) {
    if (!region.direction) {
        return {};
    }
    if (const auto* line = std::get_if<compass::LineBetween>(&*region.direction)) {
        return {directionWord(line->Before) + QStringLiteral(" / ") + directionWord(line->After)};
    }
    const std::string_view direction = std::get<std::string_view>(*region.direction);
    QStringList lines{directionWord(direction)};
    for (const ShownStar& star : shownStars(scene.charts, direction)) {
        //: Whose star, then the star, on a plan's sector: "Anna: Mishaps"
        lines << markOf(star.sector) + QChar(u' ') +
                     planText(QT_TRANSLATE_NOOP("ui::Plan", "%1: %2"))
                         .arg(star.shortName, starWord(star.sector.Meaning));
    }
    return lines;
}

// The size of a label's box: the direction in bold, then a line for each star.
QSizeF labelSize(const QStringList& lines, const QFont& font, const QPaintDevice* device) {
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, device);
    qreal width = QFontMetricsF(bold, device).horizontalAdvance(lines.front());
    for (const QString& line : lines.mid(1)) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const qreal padding = metrics.height() / 4;
    return {width + 2 * padding,
            metrics.lineSpacing() * static_cast<qreal>(lines.size()) + 2 * padding};
}

// The first of the places where a label's box stays on the picture and clear of the boxes
// placed before it; where none is, the one that covers them least.
QRectF placeLabel(QSizeF size, const std::vector<QPointF>& places, const QRectF& inside,
                  const std::vector<QRectF>& placed) {
    QRectF best;
    qreal leastCovered = std::numeric_limits<qreal>::max();
    for (const QPointF& at : places) {
        QRectF box(QPointF(0, 0), size);
        box.moveCenter(at);
        box.moveLeft(std::clamp(box.left(), inside.left(),
                                std::max(inside.left(), inside.right() - box.width())));
        box.moveTop(std::clamp(box.top(), inside.top(),
                               std::max(inside.top(), inside.bottom() - box.height())));
        qreal covered = 0;
        for (const QRectF& other : placed) {
            const QRectF both = box.intersected(other);
            covered += both.isEmpty() ? 0 : both.width() * both.height();
        }
        if (covered < leastCovered) {
            leastCovered = covered;
            best = box;
        }
        if (covered == 0) {
            break;
        }
    }
    return best;
}

void paintLabel(QPainter& painter, const QStringList& lines, const QRectF& box, const QFont& font,
                const QPalette& palette) {
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, painter.device());
    const qreal padding = metrics.height() / 4;
    QColor base = palette.color(QPalette::Base);
    base.setAlpha(225);
    painter.setPen(QPen(palette.color(QPalette::Mid), 1));
    painter.setBrush(base);
    painter.drawRoundedRect(box, padding, padding);
    painter.setPen(palette.color(QPalette::Text));
    QPointF line = box.topLeft() + QPointF(padding, padding + metrics.ascent());
    for (int i = 0; i < lines.size(); ++i) {
        painter.setFont(i == 0 ? bold : font);
        painter.drawText(line, lines[i]);
        line.ry() += metrics.lineSpacing();
    }
}

// North as an arrow from the centre, and the centre as a ringed cross.
void paintCompassMarks(QPainter& painter, const PlanScene& scene, const QTransform& toDevice,
                       const QFont& font) {
    const QFontMetricsF metrics(font, painter.device());
    const qreal unit = metrics.height();
    const QPointF centre = toDevice.map(centreOf(scene));
    const QPointF step = stepAt(scene.frame.North);
    const QPointF tip = centre + 4 * unit * step;
    const QPointF across(-step.y(), step.x());
    const QColor halo(255, 255, 255, 200);
    for (const auto& [colour, width] :
         {std::pair{halo, unit / 3}, std::pair{kCompassColour, unit / 8}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(centre, tip);
        painter.drawPolyline(QPolygonF{tip - unit * 0.6 * step + unit * 0.4 * across, tip,
                                       tip - unit * 0.6 * step - unit * 0.4 * across});
        painter.drawEllipse(centre, unit * 0.5, unit * 0.5);
        painter.drawLine(centre - QPointF(unit * 0.8, 0), centre + QPointF(unit * 0.8, 0));
        painter.drawLine(centre - QPointF(0, unit * 0.8), centre + QPointF(0, unit * 0.8));
    }
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    //: The letter on the plan's north arrow
    const QString north = planText(QT_TRANSLATE_NOOP("ui::Plan", "N"));
    const QPointF letter = tip + unit * 0.9 * step;
    QRectF box(0, 0, 2 * unit, 2 * unit);
    box.moveCenter(letter);
    painter.setPen(kCompassColour);
    painter.drawText(box, Qt::AlignCenter, north);
}

class PlanTextObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int kType = QTextFormat::UserObject + 2;

    PlanTextObject(QTextDocument* document, QImage picture, PlanScene scene)
        : QObject(document), picture_(std::move(picture)), scene_(std::move(scene)) {
        document->documentLayout()->registerHandler(kType, this);
    }

    QSizeF intrinsicSize(QTextDocument* /*document*/, int /*position*/,
                         const QTextFormat& /*format*/) override {
        // On A4 and on Letter alike, with room left on the page for the legend.
        constexpr qreal kWidest = 660;
        constexpr qreal kHighest = 620;
        return scene_.size.scaled(kWidest, kHighest, Qt::KeepAspectRatio);
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* /*document*/,
                    int /*position*/, const QTextFormat& /*format*/) override {
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(rect, picture_);
        QTransform toPage;
        toPage.translate(rect.x(), rect.y());
        toPage.scale(rect.width() / scene_.size.width(), rect.height() / scene_.size.height());
        QFont font = programFont();
        font.setPixelSize(9);
        paintPlanOverlay(*painter, scene_, toPage, font, paperPalette());
        painter->setPen(QPen(Qt::black, 0.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect);
        painter->restore();
    }

private:
    QImage picture_;
    PlanScene scene_;
};

} // namespace

PlanCharts planCharts(const engine::CoupleReading& reading,
                      const std::optional<compass::House>& house) {
    PlanCharts charts;
    charts.house = house ? compass::SectorsOfHouse(*house) : std::nullopt;
    charts.self = compass::SectorsOf(reading.Self);
    charts.partner = compass::SectorsOf(reading.Partner);
    charts.names = coupleNames(reading);
    return charts;
}

std::vector<PlanRegion> planRegions(const PlanScene& scene) {
    std::vector<PlanRegion> regions;
    if (scene.grid) {
        for (int row = -1; row <= 1; ++row) {
            for (int column = -1; column <= 1; ++column) {
                const compass::GridCell cell{column, row};
                regions.push_back({compass::DirectionOfCell(scene.frame.North, cell), cell});
            }
        }
        return regions;
    }
    for (const std::string_view direction : compass::kDirections) {
        regions.push_back({compass::PlanDirection(direction), {}});
    }
    return regions;
}

std::optional<PlanRegion> regionAt(const PlanScene& scene, compass::PlanPoint spot) {
    if (scene.grid) {
        const compass::GridCell cell =
            compass::GridCellOnPlan(scene.frame, {scene.size.width(), scene.size.height()}, spot);
        return PlanRegion{compass::DirectionOfCell(scene.frame.North, cell), cell};
    }
    const auto sector = compass::SectorOnPlan(scene.frame, spot);
    if (!sector) {
        return std::nullopt;
    }
    return PlanRegion{sector, {}};
}

QString regionText(const PlanScene& scene, const PlanRegion& region) {
    if (!region.direction) {
        return planText(QT_TRANSLATE_NOOP(
            "ui::Plan", "The middle of the home, which belongs to no direction."));
    }
    if (const auto* line = std::get_if<compass::LineBetween>(&*region.direction)) {
        //: %1 and %2 two directions
        return planText(QT_TRANSLATE_NOOP("ui::Plan",
                                          "On the line between %1 and %2, which a compass held "
                                          "by hand cannot tell apart."))
            .arg(directionInSentence(line->Before), directionInSentence(line->After));
    }
    const std::string_view direction = std::get<std::string_view>(*region.direction);
    QStringList stars;
    for (const ShownStar& star : shownStars(scene.charts, direction)) {
        stars << star.entry;
    }
    return stars.empty() ? directionWord(direction)
                         : sentenceOf({directionFor(direction, starsOneAfterAnother(stars))});
}

QString northText(double north) {
    //: %1 an angle in degrees: "North is turned 30° clockwise from the plan's top."
    return planText(
               QT_TRANSLATE_NOOP("ui::Plan", "North is turned %1 clockwise from the plan's top."))
        .arg(degreesText(north));
}

QString describePlan(const PlanScene& scene) {
    const auto share = [](double at, double side) {
        return shownLocale().toString(side > 0 ? std::lround(100 * at / side) : 0);
    };
    //: %1 and %2 shares in per cent of the plan's width and height
    QStringList parts{
        northText(scene.frame.North),
        planText(QT_TRANSLATE_NOOP("ui::Plan", "The centre lies %1% across and %2% down the plan."))
            .arg(share(scene.frame.Centre.X, scene.size.width()),
                 share(scene.frame.Centre.Y, scene.size.height()))};
    for (const PlanRegion& region : planRegions(scene)) {
        if (region.direction) {
            parts << regionText(scene, region);
        }
    }
    return parts.join(QLatin1Char(' '));
}

void paintPlanOverlay(QPainter& painter, const PlanScene& scene, const QTransform& toDevice,
                      const QFont& font, const QPalette& palette,
                      std::optional<std::size_t> highlight) {
    if (scene.size.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(QPointF(0, 0), scene.size);
    const QRectF picture = toDevice.mapRect(whole);
    painter.setClipRect(picture, Qt::IntersectClip);
    // Only what is in sight is drawn: a plan zoomed far in has sectors far larger than the
    // screen, which would cost their whole size to fill.
    const QRectF inSight =
        whole.intersected(toDevice.inverted().mapRect(painter.clipBoundingRect()));
    const std::vector<PlanRegion> regions = planRegions(scene);
    std::vector<RegionShape> shapes;
    shapes.reserve(regions.size());
    for (const PlanRegion& region : regions) {
        shapes.push_back(shapeOf(scene, region, inSight));
    }
    // The lines lie on the picture, a drawing on paper whatever the desktop's colours.
    const QColor border(0, 0, 0, 150);
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const std::string_view* direction = directionOf(regions[i]);
        const auto shade = direction ? shadeOf(shownStars(scene.charts, *direction)) : std::nullopt;
        painter.setBrush(shade ? QBrush(*shade) : QBrush(Qt::NoBrush));
        painter.setPen(highlight == i ? QPen(palette.color(QPalette::Highlight), 3)
                                      : QPen(border, 1));
        painter.drawPolygon(toDevice.map(shapes[i].area));
    }
    // The labels over every region's shade.
    std::vector<QRectF> placed;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const QStringList lines = labelLines(scene, regions[i]);
        if (lines.isEmpty()) {
            continue;
        }
        std::vector<QPointF> places = shapes[i].labelAt;
        for (QPointF& place : places) {
            place = toDevice.map(place);
        }
        placed.push_back(
            placeLabel(labelSize(lines, font, painter.device()), places, picture, placed));
        paintLabel(painter, lines, placed.back(), font, palette);
    }
    paintCompassMarks(painter, scene, toDevice, font);
    painter.restore();
}

std::unique_ptr<QTextDocument> planPage(const QImage& picture, const PlanScene& scene, QDate made) {
    auto page = std::make_unique<QTextDocument>();
    QFont font = programFont();
    font.setPointSizeF(9);
    page->setDefaultFont(font);
    page->setDocumentMargin(0);
    const QString title = planText(QT_TRANSLATE_NOOP("ui::Plan", "Your Home"));
    //: %1 a date
    const QString madeOn = planText(QT_TRANSLATE_NOOP("ui::Plan", "Made on %1"))
                               .arg(shownLocale().toString(made, QLocale::LongFormat));
    page->setHtml(
        QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                       "<td><span style=\"font-size:16pt; font-weight:bold\">%1</span></td>"
                       "<td align=\"right\" valign=\"top\">%2</td></tr></table><hr>"
                       "<p>%3</p>")
            .arg(title.toHtmlEscaped(), madeOn.toHtmlEscaped(),
                 northText(scene.frame.North).toHtmlEscaped()));
    page->setMetaInformation(QTextDocument::DocumentTitle, title);
    // Enough for paper at 300 dots an inch; the file stays small.
    constexpr int kPrintedSide = 2400;
    auto* handler =
        new PlanTextObject(page.get(),
                           picture.width() > kPrintedSide || picture.height() > kPrintedSide
                               ? picture.scaled(kPrintedSide, kPrintedSide, Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation)
                               : picture,
                           scene);
    Q_UNUSED(handler);
    QTextCursor cursor(page.get());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    QTextCharFormat object;
    object.setObjectType(PlanTextObject::kType);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
    QTextBlockFormat legendFormat;
    legendFormat.setTopMargin(8);
    cursor.insertBlock(legendFormat);
    QStringList legend{planText(
        QT_TRANSLATE_NOOP("ui::Plan", "+ and green: favourable for all shown. − and red: "
                                      "unfavourable for all shown. No colour: favourable for some, "
                                      "unfavourable for others."))};
    for (const PlanRegion& region : planRegions(scene)) {
        if (region.direction) {
            legend << regionText(scene, region);
        }
    }
    cursor.insertHtml(QStringLiteral("<span style=\"font-size:8pt\">%1</span>")
                          .arg(legend.join(QChar(u'\n'))
                                   .toHtmlEscaped()
                                   .replace(QChar(u'\n'), QStringLiteral("<br>"))));
    return page;
}

} // namespace ui

#include "plan_drawing.moc"
