#include "ui/input/frm_main.h"

#include "engine/engine.h"
#include "ui/common/link_label.h"
#include "ui/common/program_settings.h"
#include "ui/common/reading_drop.h"
#include "ui/common/widgets.h"
#include "ui/links/web_hosts.h"
#include "ui/links/window_links.h"
#include "ui_frm_main.h"

#include <QCloseEvent>

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

constexpr int kFirstDay = 1;
constexpr int kLastDay = 31;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

// What the person index of the validation messages reads as.
struct PersonChecks {
    const char* missingName;
    const char* missingSex;
};
constexpr PersonChecks kPersonChecks[] = {
    {QT_TRANSLATE_NOOP("ui::frmMain", "Please Enter Your Name"),
     QT_TRANSLATE_NOOP("ui::frmMain", "Please Specify Your Sex")},
    {QT_TRANSLATE_NOOP("ui::frmMain", "Please Enter Your Partner's Name"),
     QT_TRANSLATE_NOOP("ui::frmMain", "Please Specify Your Partner's Sex")},
};

// The two date faults are told apart by one blank before the "!": February's and a 30-day
// month's. They are the program's own texts from its first version, which users and their
// translators have met as they stand, so they stay two texts rather than one corrected one.
constexpr const char* kFebruaryFault =
    QT_TRANSLATE_NOOP("ui::frmMain", "Please Enter Correct Date Or Month!");
constexpr const char* kThirtyDayMonthFault =
    QT_TRANSLATE_NOOP("ui::frmMain", "Please Enter Correct Date Or Month !");

// List positions, as the checks read them: day 1 is 0, January is 0.
constexpr int kFebruary = 1;
constexpr int kDay29 = 28;
constexpr int kDay30 = 29;
constexpr int kDay31 = 30;
constexpr int kThirtyDayMonths[] = {3, 5, 8, 10}; // April, June, September, November

// Every fourth year counts as a leap year, 1900 included, as the program always had it.
bool isLeapYear(int year) {
    return year % 4 == 0;
}

const char* dateFault(int dayPosition, int monthPosition, int year) {
    if (monthPosition == kFebruary) {
        const int firstMissingDay = isLeapYear(year) ? kDay30 : kDay29;
        if (dayPosition >= firstMissingDay) {
            return kFebruaryFault;
        }
    }
    if (dayPosition == kDay31 &&
        std::ranges::find(kThirtyDayMonths, monthPosition) != std::end(kThirtyDayMonths)) {
        return kThirtyDayMonthFault;
    }
    return nullptr;
}

QStringList numbersFrom(int first, int last) {
    QStringList numbers;
    numbers.reserve(last - first + 1);
    for (int number = first; number <= last; ++number) {
        numbers << QString::number(number);
    }
    return numbers;
}

} // namespace

frmMain::frmMain(engine::CoupleReading& reading, platform::Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::frmMain>()), reading_(reading),
      desktop_(desktop) {
    setAttribute(Qt::WA_DeleteOnClose);
    ui_->setupUi(this);
    txtName = controlArray<QLineEdit, 2>(this, "txtName");
    optSex = controlArray<QRadioButton, 4>(this, "optSex");
    cboDate = controlArray<QComboBox, 2>(this, "cboDate");
    cboMonth = controlArray<QComboBox, 2>(this, "cboMonth");
    cboYear = controlArray<QComboBox, 2>(this, "cboYear");

    keepOwnLook(this);
    insertHost(ui_->Label14, hosts::MainSite);
    showPromotion(ui_->lblCobrand);
    connectWebCommands(this, desktop_);
    connect(ui_->cmdProceed, &QPushButton::clicked, this, &frmMain::onProceed);
    connect(ui_->cmdOpen, &QPushButton::clicked, this, &frmMain::onOpen);
    ui_->mnuLiChun->setChecked(readYearStart(desktop_, settingsApplication()) ==
                               engine::YearStart::LiChun);
    connect(ui_->mnuLiChun, &QAction::toggled, this,
            [this] { writeYearStart(desktop_, settingsApplication(), yearStart()); });
    connect(new ReadingDrop(this), &ReadingDrop::dropped, this, &frmMain::readingFileDropped);

    loadLists();
    // Captions and sex buttons take the room beside them in a language whose words are longer.
    fitRow({ui_->lblCaption_0, txtName[0]});
    fitRow({ui_->lblCaption_1, cboDate[0]});
    fitRow({ui_->lblCaption_2, optSex[0], optSex[1]});
    fitRow({ui_->lblCaption_5, txtName[1]});
    fitRow({ui_->lblCaption_3, cboDate[1]});
    fitRow({ui_->lblCaption_4, optSex[2], optSex[3]});
    // A month's name longer than the list's room ("septiembre") takes it from the year's list.
    for (std::size_t person = 0; person < cboMonth.size(); ++person) {
        widenInto(cboMonth[person], cboYear[person]);
    }

    adjustSize(); // the menu bar comes on top of the form
    fixSizeAndCentre(this);
    txtName[0]->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::loadLists() {
    const QStringList days = numbersFrom(kFirstDay, kLastDay);
    const QStringList years = numbersFrom(kFirstYear, kLastYear);
    QStringList months;
    for (const char* month : engine::kMonthNames) {
        months << tr(month);
    }
    for (std::size_t person = 0; person < cboDate.size(); ++person) {
        cboDate[person]->addItems(days);
        cboMonth[person]->addItems(months);
        cboYear[person]->addItems(years);
        for (QComboBox* list : {cboDate[person], cboMonth[person], cboYear[person]}) {
            list->setCurrentIndex(0);
        }
    }
}

void frmMain::CoBrand_Randomize() {
    // 6r + 1 rounded half to even: 1 to 7, the two ends half as likely as the rest.
    const auto intCoBrandRandomNumber =
        static_cast<int>(std::nearbyint(6.0 * desktop_.random() + 1.0));
    if (intCoBrandRandomNumber == 7) {
        return;
    }
    if (intCoBrandRandomNumber % 2 == 0) {
        showPromotion(ui_->lblFullBrand);
    } else {
        showPromotion(ui_->lblCobrand);
    }
}

void frmMain::showPromotion(LinkLabel* front) {
    bringToFront(front, {ui_->lblCobrand, ui_->lblFullBrand});
}

bool frmMain::ValidateInput() {
    for (std::size_t person = 0; person < txtName.size(); ++person) {
        if (txtName[person]->text().isEmpty()) {
            return refuse(kPersonChecks[person].missingName, platform::MessageIcon::Critical,
                          txtName[person]);
        }
        if (!optSex[2 * person]->isChecked() && !optSex[2 * person + 1]->isChecked()) {
            return refuse(kPersonChecks[person].missingSex, platform::MessageIcon::Critical,
                          ui_->cmdProceed);
        }
    }
    for (std::size_t person = 0; person < cboDate.size(); ++person) {
        if (const char* fault =
                dateFault(cboDate[person]->currentIndex(), cboMonth[person]->currentIndex(),
                          cboYear[person]->currentText().toInt())) {
            return refuse(fault, platform::MessageIcon::Information, nullptr);
        }
    }
    return true;
}

bool frmMain::refuse(const char* message, platform::MessageIcon icon, QWidget* focusAfterwards) {
    desktop_.showMessage(this, tr(message), icon);
    if (focusAfterwards) {
        focusAfterwards->setFocus();
    }
    return false;
}

void frmMain::onProceed() {
    if (!ValidateInput()) {
        return;
    }
    reading_.Self.Name = txtName[0]->text().trimmed().toStdString();
    reading_.Partner.Name = txtName[1]->text().trimmed().toStdString();
    // One button of each pair decides; validation has made sure one of the two is chosen. Both
    // frames show Male first, but the partner's buttons are numbered Female (2) then Male (3):
    // the numbers are the form's from its first version, and scripts and tests that name the
    // buttons rely on them, so the mapping is turned here instead of renaming the buttons.
    reading_.Self.Sex = optSex[0]->isChecked() ? "Male" : "Female";
    reading_.Partner.Sex = optSex[2]->isChecked() ? "Female" : "Male";
    storeBirthDate(reading_.Self, 0);
    storeBirthDate(reading_.Partner, 1);
    reading_.CountedBy = yearStart();
    reading_.Self.KuaNumber = engine::KuaNumberOfBirth(reading_.Self, *reading_.CountedBy);
    reading_.Partner.KuaNumber = engine::KuaNumberOfBirth(reading_.Partner, *reading_.CountedBy);
    engine::CompleteReading(reading_);
    emit readingReady();
}

void frmMain::storeBirthDate(engine::PersonReading& person, std::size_t index) const {
    person.BirthDay = cboDate[index]->currentText().trimmed().toShort();
    const int month = cboMonth[index]->currentIndex();
    if (month >= 0 && month < static_cast<int>(engine::kMonthNames.size())) {
        person.BirthMonth = engine::kMonthNames[static_cast<std::size_t>(month)];
    }
    person.BirthYear = cboYear[index]->currentText().trimmed().toShort();
}

engine::YearStart frmMain::yearStart() const {
    return ui_->mnuLiChun->isChecked() ? engine::YearStart::LiChun
                                       : engine::YearStart::FirstOfMarch;
}

void frmMain::onOpen() {
    const QString path =
        desktop_.askOpenFile(this, {.title = tr("Select the source file"),
                                    .filter = tr("Feng Shui Compatibility (*.fsc)"),
                                    .defaultSuffix = QStringLiteral("fsc"),
                                    .fileMustExist = true});
    if (!path.isEmpty()) {
        emit readingFileChosen(path);
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    emit closed();
    QMainWindow::closeEvent(event);
}

} // namespace ui
