#include "ui/result/directions_panel.h"

#include "engine/couple_reading.h"
#include "ui/common/advice_words.h"
#include "ui/common/compass_chart.h"
#include "ui/common/reading_words.h"
#include "ui/result/house_box.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace ui {
namespace {

constexpr const char* kChartNames[] = {
    QT_TRANSLATE_NOOP("ui::DirectionsPanel", "Your directions"),
    QT_TRANSLATE_NOOP("ui::DirectionsPanel", "Your partner's directions"),
    QT_TRANSLATE_NOOP("ui::DirectionsPanel", "Your directions and your partner's"),
};

QString panelText(const char* text) {
    return QCoreApplication::translate("ui::DirectionsPanel", text);
}

// The charts' sides at most, in pixels: large enough for every language's words at a size
// that reads, small enough that the two persons' charts stand side by side.
constexpr int kPersonChartSide = 290;
constexpr int kCoupleChartSide = 330;
constexpr int kSpacing = 6;

QLabel* textLabel(QWidget* parent, const QString& name, const QString& text,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setVisible(!text.isEmpty());
    return label;
}

QLabel* caption(QWidget* parent, int chart) {
    QLabel* label = textLabel(parent, QStringLiteral("lblChartCaption_%1").arg(chart),
                              chartCaption(chart), Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

DirectionsPanel::DirectionsPanel(engine::CoupleReading reading, platform::Desktop& desktop,
                                 QWidget* parent)
    : QFrame(parent), reading_(std::move(reading)), desktop_(desktop) {
    setObjectName(QStringLiteral("fraDirections"));
    scroller_ = new QScrollArea(this);
    scroller_->setObjectName(QStringLiteral("scrDirections"));
    scroller_->setAccessibleName(
        panelText(QT_TRANSLATE_NOOP("ui::DirectionsPanel", "Your directions and advice")));
    scroller_->setFrameShape(QFrame::NoFrame);
    // Reached by Tab from the tabs, so that the arrow keys and Page Down scroll it.
    scroller_->setFocusPolicy(Qt::StrongFocus);
    scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroller_->setWidgetResizable(true);
}

void DirectionsPanel::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (scroller_->widget() == nullptr) {
        scroller_->setWidget(buildContents());
        sizeCharts();
        // Tab goes on from the scrolling contents to the house's fields, which the contents
        // scroll into view, before it leaves the tab.
        QWidget* previous = scroller_;
        for (QWidget* field : house_->keyboardFields()) {
            QWidget::setTabOrder(previous, field);
            previous = field;
        }
    }
}

QWidget* DirectionsPanel::buildContents() {
    const engine::CoupleReading& reading = reading_;
    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("wgtDirectionsContents"));
    const std::array<std::optional<CompassChart>, 3> charts = {
        personChart(reading.Self), personChart(reading.Partner), coupleChart(reading)};
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        charts_[i] = new CompassView(contents);
        charts_[i]->setObjectName(QStringLiteral("chartDirections_%1").arg(i));
        charts_[i]->setChart(charts[i], panelText(kChartNames[i]));
    }

    auto* persons = new QGridLayout;
    persons->setSpacing(kSpacing);
    for (int i = 0; i < 2; ++i) {
        persons->addWidget(caption(contents, i), 0, i);
        persons->addWidget(charts_[static_cast<std::size_t>(i)], 1, i, Qt::AlignHCenter);
        persons->addWidget(textLabel(contents, QStringLiteral("lblCountedYear_%1").arg(i),
                                     countedYearText(reading, i), Qt::AlignHCenter | Qt::AlignTop),
                           2, i);
    }

    // Under the persons' charts, across the tab: the shades of all three charts.
    QLabel* shades = textLabel(contents, QStringLiteral("lblRatingLegend"), legendHtml(palette()),
                               Qt::AlignHCenter | Qt::AlignTop);
    shades->setTextFormat(Qt::RichText);

    // Beside the couple's chart: whose ring is whose, and how to use a chart.
    const auto advice = adviceWords(reading);
    auto* beside = new QVBoxLayout;
    ringsLegend_ = textLabel(contents, QStringLiteral("lblChartLegend"), QString());
    beside->addWidget(ringsLegend_);
    beside->addWidget(textLabel(contents, QStringLiteral("lblUsage"), usageText()));
    beside->addStretch();
    auto* couple = new QHBoxLayout;
    couple->addWidget(charts_[2], 0, Qt::AlignTop);
    couple->addLayout(beside, 1);

    QLabel* advised =
        textLabel(contents, QStringLiteral("lblAdvice"), advice ? adviceHtml(*advice) : QString());
    advised->setTextFormat(Qt::RichText);

    auto* column = new QVBoxLayout(contents);
    column->setSpacing(kSpacing);
    column->addLayout(persons);
    column->addWidget(shades);
    column->addWidget(caption(contents, 2));
    column->addLayout(couple);
    column->addWidget(advised);
    // Then the house they live in, with its chart beside how each of the two fits it.
    house_ = new HouseBox(reading_, desktop_, contents);
    connect(house_, &HouseBox::houseChanged, this, &DirectionsPanel::showHouse);
    connect(house_, &HouseBox::houseChanged, this, &DirectionsPanel::homeChanged);
    connect(house_, &HouseBox::planRequested, this, &DirectionsPanel::planRequested);
    column->addWidget(house_);
    column->addStretch();
    showHouse();
    return contents;
}

// The couple's chart marks on its rim the directions good for the house, as the facing says.
void DirectionsPanel::showHouse() {
    const auto chart = coupleChart(reading_, house_->house());
    charts_[2]->setChart(chart, panelText(kChartNames[2]));
    ringsLegend_->setText(chart ? ringsLegend(coupleNames(reading_), chart->house.has_value())
                                : QString());
    ringsLegend_->setVisible(chart.has_value());
}

QWidget* DirectionsPanel::keyboardEntry() const {
    return scroller_;
}

void DirectionsPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    scroller_->setGeometry(rect());
    sizeCharts();
}

void DirectionsPanel::sizeCharts() {
    if (charts_[0] == nullptr) {
        return;
    }
    const int width =
        scroller_->width() - scroller_->verticalScrollBar()->sizeHint().width() - 2 * kSpacing;
    const int personSide = std::min(kPersonChartSide, (width - kSpacing) / 2);
    charts_[0]->setFixedSize(personSide, personSide);
    charts_[1]->setFixedSize(personSide, personSide);
    house_->setChartSide(personSide);
    const int coupleSide = std::min(kCoupleChartSide, width * 3 / 5);
    charts_[2]->setFixedSize(coupleSide, coupleSide);
}

} // namespace ui
