#include "ui/result/house_box.h"

#include "ui/common/advice_words.h"
#include "ui/common/compass_chart.h"
#include "ui/common/home_plan.h"
#include "ui/common/house_words.h"
#include "ui/common/program_settings.h"
#include "ui/common/reading_words.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {
namespace {

QLabel* wrappedLabel(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

} // namespace

HouseBox::HouseBox(const engine::CoupleReading& reading, platform::Desktop& desktop,
                   QWidget* parent)
    : QGroupBox(tr("Your House"), parent), reading_(reading), desktop_(desktop) {
    setObjectName(QStringLiteral("grpHouse"));
    txtFacing = new QLineEdit(this);
    txtFacing->setObjectName(QStringLiteral("txtFacing"));
    txtFacing->setAccessibleName(tr("Facing of your house in degrees"));
    txtFacing->setMaxLength(16);
    txtFacing->setFixedWidth(txtFacing->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) +
                             16);
    cboFacing = new QComboBox(this);
    cboFacing->setObjectName(QStringLiteral("cboFacing"));
    cboFacing->setAccessibleName(tr("The direction your house faces"));
    cboFacing->addItem(tr("Choose"));
    for (const std::string_view direction : compass::kDirections) {
        cboFacing->addItem(directionWord(direction));
    }
    cmdForgetHome = new QPushButton(tr("Forget This House"), this);
    cmdForgetHome->setObjectName(QStringLiteral("cmdForgetHome"));
    cmdHomePlan = new QPushButton(tr("Plan of Your Home..."), this);
    cmdHomePlan->setObjectName(QStringLiteral("cmdHomePlan"));
    lblHouse = wrappedLabel(this, QStringLiteral("lblHouse"));
    chartHouse = new CompassView(this);
    chartHouse->setObjectName(QStringLiteral("chartHouse"));
    for (std::size_t i = 0; i < lblHouseFit.size(); ++i) {
        lblHouseFit[i] = wrappedLabel(this, QStringLiteral("lblHouseFit_%1").arg(i));
    }

    auto* degrees =
        wrappedLabel(this, QStringLiteral("lblFacingCaption"), tr("Facing in degrees:"));
    degrees->setBuddy(txtFacing);
    auto* choice = wrappedLabel(this, QStringLiteral("lblChooseCaption"), tr("or the direction:"));
    choice->setBuddy(cboFacing);
    auto* grid = new QGridLayout(this);
    grid->addWidget(degrees, 0, 0);
    grid->addWidget(txtFacing, 0, 1);
    grid->addWidget(choice, 0, 2);
    grid->addWidget(cboFacing, 0, 3);
    grid->addWidget(cmdForgetHome, 0, 4);
    grid->setColumnStretch(5, 1);
    grid->addWidget(lblHouse, 1, 0, 1, 5);
    // The chart on the left, what it means beside it.
    auto* below = new QHBoxLayout;
    below->addWidget(chartHouse, 0, Qt::AlignTop);
    auto* words = new QVBoxLayout;
    words->addWidget(lblHouseFit[0]);
    words->addWidget(lblHouseFit[1]);
    words->addWidget(wrappedLabel(this, QStringLiteral("lblFacingHelp"), facingHelp()));
    words->addWidget(cmdHomePlan, 0, Qt::AlignLeft);
    words->addStretch();
    below->addLayout(words, 1);
    grid->addLayout(below, 2, 0, 1, 5);

    connect(txtFacing, &QLineEdit::textEdited, this,
            [this](const QString& text) { takeFacing(text, true); });
    connect(cboFacing, &QComboBox::activated, this, &HouseBox::chooseDirection);
    connect(cmdForgetHome, &QPushButton::clicked, this, &HouseBox::forget);
    connect(cmdHomePlan, &QPushButton::clicked, this, &HouseBox::planRequested);

    const std::optional<double> home = readHomeFacing(desktop_, settingsApplication());
    const QString kept =
        home ? shownLocale().toString(*home, 'f', QLocale::FloatingPointShortest) : QString();
    txtFacing->setText(kept);
    takeFacing(kept, false);
}

// Shows what the facing says and, when asked, keeps it as the user's home.
void HouseBox::takeFacing(const QString& text, bool keep) {
    const FacingEntry entry = readFacingEntry(text, shownLocale());
    house_ = entry.degrees ? compass::HouseAt(*entry.degrees) : std::nullopt;
    lblHouse->setText(facingText(entry));
    if (keep && entry.degrees) {
        writeHomeFacing(desktop_, settingsApplication(), entry.degrees);
    }
    cmdForgetHome->setVisible(entry.degrees.has_value());
    showHouse();
    emit houseChanged();
}

// The house's chart, how each of the two fits it, and its direction in the list.
void HouseBox::showHouse() {
    const std::array<QString, 2> fits =
        house_ ? fitTexts(reading_, *house_) : std::array<QString, 2>{};
    for (std::size_t i = 0; i < lblHouseFit.size(); ++i) {
        lblHouseFit[i]->setText(fits[i]);
        lblHouseFit[i]->setVisible(house_.has_value());
    }
    const auto at = house_ ? std::ranges::find(compass::kDirections, house_->Facing) -
                                 compass::kDirections.begin() + 1
                           : 0;
    cboFacing->setCurrentIndex(static_cast<int>(at));
    chartHouse->setChart(house_ ? houseChart(*house_) : std::nullopt,
                         house_ ? houseName(*house_) : QString());
    chartHouse->setVisible(house_.has_value());
}

std::array<QWidget*, 4> HouseBox::keyboardFields() const {
    return {txtFacing, cboFacing, cmdForgetHome, cmdHomePlan};
}

void HouseBox::setChartSide(int side) {
    chartHouse->setFixedSize(side, side);
}

void HouseBox::chooseDirection(int index) {
    if (index < 1 || index > static_cast<int>(compass::kDirections.size())) {
        return;
    }
    const auto middle =
        compass::MiddleOf(compass::kDirections[static_cast<std::size_t>(index - 1)]);
    const QString text = shownLocale().toString(*middle, 'f', QLocale::FloatingPointShortest);
    txtFacing->setText(text);
    takeFacing(text, true);
}

// The home is forgotten whole: its facing, and its plan with the program's copy of the picture.
void HouseBox::forget() {
    writeHomeFacing(desktop_, settingsApplication(), std::nullopt);
    forgetHomePlan(desktop_, settingsApplication());
    txtFacing->clear();
    takeFacing(QString(), false);
    txtFacing->setFocus();
}

} // namespace ui
