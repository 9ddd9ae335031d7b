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

constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("ui::CompassChart", "You"),
    QT_TRANSLATE_NOOP("ui::CompassChart", "Your Partner"),
    QT_TRANSLATE_NOOP("ui::CompassChart", "Both of You"),
};

QString chartText(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

// A meaning as the result window's third tab heads it.
QString meaningWord(std::string_view meaning) {
    return QCoreApplication::translate("frmFengShuiCompatibilityResult",
                                       std::string(meaning).c_str());
}

QString directionWord(std::string_view direction) {
    return shownWord(std::string(direction), "direction");
}

// The hue of a sector, stronger with its strength, laid over the chart's background so that a
// dark desktop gets dark sectors and a light one light sectors, both telling green from red.
QColor sectorColour(const compass::Sector& sector, const QPalette& palette) {
    const QColor hue = sector.Favourable ? QColor(0, 150, 60) : QColor(210, 30, 30);
    const QColor base = palette.color(QPalette::Base);
    const qreal weight = 0.2 + 0.15 * sector.Strength;
    return QColor::fromRgbF(
        static_cast<float>(base.redF() * (1 - weight) + hue.redF() * weight),
        static_cast<float>(base.greenF() * (1 - weight) + hue.greenF() * weight),
        static_cast<float>(base.blueF() * (1 - weight) + hue.blueF() * weight));
}

// The ring between two radii over one direction's eighth of the circle, i clockwise from North.
QPainterPath ringSector(const QPointF& centre, qreal inner, qreal outer, std::size_t i) {
    const qreal middle = 90.0 - 45.0 * static_cast<qreal>(i); // Qt counts anticlockwise from east
    const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
    QPainterPath path;
    path.arcMoveTo(outerBox, middle - 22.5);
    path.arcTo(outerBox, middle - 22.5, 45.0);
    path.arcTo(innerBox, middle + 22.5, -45.0);
    path.closeSubpath();
    return path;
}

QPointF pointAt(const QPointF& centre, qreal radius, std::size_t i) {
    const qreal angle = (90.0 - 45.0 * static_cast<qreal>(i)) * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle)};
}

// Draws text centred on a point within a width, wrapped at blanks; the font steps down until
// the longest word fits, so that no word is cut.
void drawFitted(QPainter& painter, const QPointF& at, qreal width, const QString& text,
                QFont font) {
    const qreal smallest = font.pixelSize() * 0.55;
    while (font.pixelSize() > smallest) {
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (const QString& word : text.split(QLatin1Char(' '))) {
            widest = std::max(widest, metrics.horizontalAdvance(word));
        }
        if (widest <= width) {
            break;
        }
        font.setPixelSize(std::max(1, font.pixelSize() - 1));
    }
    painter.setFont(font);
    const qreal height = QFontMetricsF(font).height() * 3;
    painter.drawText(QRectF(at.x() - width / 2, at.y() - height / 2, width, height),
                     Qt::AlignCenter | Qt::TextWordWrap, text);
}

void paintRing(QPainter& painter, const QPointF& centre, qreal inner, qreal outer,
               const std::array<compass::Sector, 8>& sectors, const QPalette& palette,
               const QFont& font, bool withWords) {
    painter.setPen(QPen(palette.color(QPalette::Text), std::max(0.5, outer / 120)));
    for (std::size_t i = 0; i < sectors.size(); ++i) {
        painter.setBrush(sectorColour(sectors[i], palette));
        painter.drawPath(ringSector(centre, inner, outer, i));
    }
    // The words after all the sectors, so that none is covered by its neighbour's colour.
    painter.setPen(palette.color(QPalette::Text));
    const qreal thickness = outer - inner;
    QFont markFont = font;
    markFont.setBold(true);
    for (std::size_t i = 0; i < sectors.size(); ++i) {
        const compass::Sector& sector = sectors[i];
        const QString mark = sector.Favourable ? QStringLiteral("+") : QStringLiteral("\u2212");
        const qreal markRadius = withWords ? outer - thickness * 0.16 : (inner + outer) / 2;
        const qreal markBox = withWords ? thickness / 2 : thickness;
        const QPointF markAt = pointAt(centre, markRadius, i);
        painter.setFont(markFont);
        painter.drawText(
            QRectF(markAt.x() - markBox / 2, markAt.y() - markBox / 2, markBox, markBox),
            Qt::AlignCenter, mark);
        if (withWords) {
            // East and West lie across the ring: their words run along its thickness, and
            // must leave the mark at the rim free.
            const qreal radius = inner + thickness * 0.45;
            const qreal chord = 2 * radius * std::sin(std::numbers::pi / 8);
            const bool across = i % 4 == 2;
            drawFitted(painter, pointAt(centre, across ? inner + thickness * 0.4 : radius, i),
                       across ? thickness * 0.7 : std::max(chord, thickness) * 1.1,
                       meaningWord(sector.Meaning), font);
        }
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
            QPalette paper;
            paper.setColor(QPalette::Base, Qt::white);
            paper.setColor(QPalette::Text, Qt::black);
            paintCompass(*painter, rect, charts_[index], paper);
        }
    }

private:
    std::vector<CompassChart> charts_;
};

} // namespace

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
    return CompassChart{*sectors, std::nullopt,
                        QString::number(person.KuaNumber) + QLatin1Char('\n') +
                            shownWord(person.Trigram, "trigram")};
}

std::optional<CompassChart> coupleChart(const engine::CoupleReading& reading) {
    const auto self = compass::SectorsOf(reading.Self);
    const auto partner = compass::SectorsOf(reading.Partner);
    if (!self || !partner) {
        return std::nullopt;
    }
    return CompassChart{
        *self, *partner,
        QStringLiteral("%1 | %2").arg(reading.Self.KuaNumber).arg(reading.Partner.KuaNumber)};
}

void paintCompass(QPainter& painter, const QRectF& square, const CompassChart& chart,
                  const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(square.width(), square.height());
    const QPointF centre = square.center();
    const qreal rim = side / 2;
    const qreal outer = rim * 0.82;
    const qreal hub = rim * 0.3;
    QFont font = painter.font();
    font.setPixelSize(std::max(6, static_cast<int>(side / 19)));

    const std::array<bool, 8> both = sharedDirections(chart);

    if (chart.outer) {
        const qreal middle = hub + (outer - hub) / 2;
        paintRing(painter, centre, hub, middle, chart.inner, palette, font, false);
        paintRing(painter, centre, middle, outer, *chart.outer, palette, font, false);
        // The shared directions' sectors, outlined across both rings.
        QPen outline(palette.color(QPalette::Text), std::max(1.5, side / 90));
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        for (std::size_t i = 0; i < chart.inner.size(); ++i) {
            if (both[i]) {
                painter.drawPath(ringSector(centre, hub, outer, i));
            }
        }
    } else {
        paintRing(painter, centre, hub, outer, chart.inner, palette, font, true);
    }

    painter.setPen(QPen(palette.color(QPalette::Text), std::max(0.5, side / 240)));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawEllipse(centre, hub, hub);
    if (!chart.centre.isEmpty()) {
        QFont centreFont = font;
        centreFont.setBold(true);
        painter.setFont(centreFont);
        painter.drawText(QRectF(centre.x() - hub, centre.y() - hub, 2 * hub, 2 * hub),
                         Qt::AlignCenter, chart.centre);
    }
    // The directions' words on the rim, last, on a plate of the background where a long one
    // reaches over the ring; on a couple's chart a star beside those good for both, which reads
    // without colour.
    for (std::size_t i = 0; i < compass::kDirections.size(); ++i) {
        QFont rimFont = font;
        rimFont.setBold(i == 0 || both[i]);
        painter.setFont(rimFont);
        const QPointF at = pointAt(centre, (outer + rim) / 2, i);
        const qreal box = rim - outer;
        const QString word = chartText(kRimWords[i]) + (both[i] ? QString(kStar) : QString());
        const QRectF room(at.x() - box, at.y() - box / 2, 2 * box, box);
        const QRectF used = painter.boundingRect(room, Qt::AlignCenter, word);
        painter.fillRect(used, palette.color(QPalette::Base));
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(room, Qt::AlignCenter, word);
    }
    painter.restore();
}

QString describeCompass(const CompassChart& chart) {
    QStringList parts;
    for (std::size_t i = 0; i < chart.inner.size(); ++i) {
        const compass::Sector& sector = chart.inner[i];
        parts << (chart.outer
                      ? QCoreApplication::translate("ui::CompassChart",
                                                    "%1: %2 for you, %3 for your partner")
                            .arg(directionWord(sector.Direction), meaningWord(sector.Meaning),
                                 meaningWord((*chart.outer)[i].Meaning))
                      : QCoreApplication::translate("ui::CompassChart", "%1: %2")
                            .arg(directionWord(sector.Direction), meaningWord(sector.Meaning)));
    }
    return parts.join(QStringLiteral("; "));
}

QString chartCaption(int chart) {
    return chart >= 0 && chart < 3 ? chartText(kCaptions[chart]) : QString();
}

QString coupleChartLegend() {
    return QCoreApplication::translate(
               "ui::CompassChart", "Inner ring: you. Outer ring: your partner. %1 good for both.")
        .arg(kStar);
}

QString goodForBothSentence(const engine::CoupleReading& reading) {
    const std::vector<std::string_view> good = compass::GoodForBoth(reading.Self, reading.Partner);
    if (good.empty()) {
        return QCoreApplication::translate("ui::CompassChart",
                                           "No direction is favourable to both of you.");
    }
    QStringList words;
    for (const std::string_view direction : good) {
        words << directionWord(direction);
    }
    return QCoreApplication::translate("ui::CompassChart", "Good for both of you: %1")
        .arg(shownLocale().createSeparatedList(words));
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
