#include "ui/result/directions_panel.h"

#include "engine/couple_reading.h"
#include "ui/common/compass_chart.h"
#include "ui/common/reading_words.h"
#include "ui/common/widgets.h"

#include <QCoreApplication>
#include <QLabel>

#include <algorithm>

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

// Room for each of the three charts side by side, a caption above and a line below.
constexpr int kCaptionHeight = 16;
constexpr int kMargin = 6;
constexpr int kSentenceHeight = 30;

} // namespace

DirectionsPanel::DirectionsPanel(const engine::CoupleReading& reading, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("fraDirections"));
    const std::array<std::optional<CompassChart>, 3> charts = {
        personChart(reading.Self), personChart(reading.Partner), coupleChart(reading)};
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        captions_[i] = new QLabel(chartCaption(static_cast<int>(i)), this);
        captions_[i]->setObjectName(QStringLiteral("lblChartCaption_%1").arg(i));
        captions_[i]->setAlignment(Qt::AlignCenter);
        QFont bold = captions_[i]->font();
        bold.setBold(true);
        captions_[i]->setFont(bold);
        charts_[i] = new CompassView(this);
        charts_[i]->setObjectName(QStringLiteral("chartDirections_%1").arg(i));
        charts_[i]->setChart(charts[i], panelText(kChartNames[i]));
    }
    for (std::size_t i = 0; i < countedYears_.size(); ++i) {
        countedYears_[i] = new QLabel(countedYearText(reading, static_cast<int>(i)), this);
        countedYears_[i]->setObjectName(QStringLiteral("lblCountedYear_%1").arg(i));
        countedYears_[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        countedYears_[i]->setWordWrap(true);
        countedYears_[i]->setVisible(!countedYears_[i]->text().isEmpty());
    }
    legend_ = new QLabel(coupleChartLegend(), this);
    legend_->setObjectName(QStringLiteral("lblChartLegend"));
    legend_->setAlignment(Qt::AlignCenter);
    legend_->setWordWrap(true);
    lblGoodForBoth = new QLabel(goodForBothSentence(reading), this);
    lblGoodForBoth->setObjectName(QStringLiteral("lblGoodForBoth"));
    lblGoodForBoth->setAlignment(Qt::AlignCenter);
    lblGoodForBoth->setWordWrap(true);
    QFont bold = lblGoodForBoth->font();
    bold.setBold(true);
    lblGoodForBoth->setFont(bold);
}

void DirectionsPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const int column = (width() - 2 * kMargin) / 3;
    // The texts under the charts keep their lines: in a language that needs more of them the
    // charts give up the room. A gap between them keeps neighbours from reading as one line.
    const int textWidth = column - kMargin;
    int textBelow = legend_->heightForWidth(textWidth);
    for (const QLabel* counted : countedYears_) {
        if (!counted->isHidden()) {
            textBelow = std::max(textBelow, counted->heightForWidth(textWidth));
        }
    }
    const int side = std::min(column - kMargin, height() - kMargin - kCaptionHeight - textBelow -
                                                    kSentenceHeight - kMargin / 2);
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        const int left = kMargin + static_cast<int>(i) * column;
        captions_[i]->setGeometry(left, kMargin, column, kCaptionHeight);
        charts_[i]->setGeometry(left + (column - side) / 2, kMargin + kCaptionHeight, side, side);
    }
    const int below = kMargin + kCaptionHeight + side;
    const std::array<QLabel*, 3> texts = {countedYears_[0], countedYears_[1], legend_};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i]->setGeometry(kMargin + static_cast<int>(i) * column + kMargin / 2, below,
                              textWidth, texts[i]->heightForWidth(textWidth));
    }
    lblGoodForBoth->setGeometry(kMargin, height() - kSentenceHeight - kMargin / 2,
                                width() - 2 * kMargin, kSentenceHeight);
}

} // namespace ui
