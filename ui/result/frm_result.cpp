#include "ui/result/frm_result.h"

#include "engine/couple_reading.h"
#include "platform/desktop.h"
#include "ui/common/program_settings.h"
#include "ui/common/reading_drop.h"
#include "ui/common/reading_file_io.h"
#include "ui/common/reading_words.h"
#include "ui/common/widgets.h"
#include "ui/links/web_hosts.h"
#include "ui/links/window_links.h"
#include "ui/result/directions_panel.h"
#include "ui/result/picture_lists.h"
#include "ui/result/reading_page.h"
#include "ui_frm_result.h"

#include <QCloseEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace ui {
namespace {

// clang-format off
constexpr FontRule kFonts[] = {
    {"Label14",            8.25,  true, true},
    {"TS",                 8.25,  true},
    {"grpKuaNumber",       9.75,  true},
    {"lblFengShuiKuaNo",   27.75, true},
    {"lblKuaExplanation",  8.25,  true},
    {"grpColour",          8.25,  true},
    {"lblFengShuiColour",  11.25, true},
    {"grpElement",         8.25,  true},
    {"lblFengShuiElement", 12,    true},
    {"lblFengShuiGroup",   11.25, true},
    {"lblName",            8.25,  true},
    {"grpTrigram",         8.25,  true},
    {"grpCompatibility",   8.25,  true},
    {"lblFengShuiTrigram", 11.25, true},
    {"lblLabel",           9,     true},
    {"lblCaption",         9,     true},
    {"lblCompatibility",   9.75,  true},
    {"lblCobrand",         8.25,  true, true},
    {"lblFullBrand",       8.25,  true, true},
    {"cmdPrint",           8.25,  true},
};
// clang-format on

// A key that finds no picture leaves the picture box as it was. The key is the reading's word
// of that kind, so a screen reader names the picture in the user's language.
void showPicture(QLabel* box, const KeyedPictureList& list, const std::string& key,
                 const char* kind) {
    const QPixmap picture = list.find(key);
    if (!picture.isNull()) {
        box->setPixmap(picture);
        box->setAccessibleName(
            frmFengShuiCompatibilityResult::tr("%1 picture").arg(shownWord(key, kind)));
    }
}

} // namespace

frmFengShuiCompatibilityResult::frmFengShuiCompatibilityResult(const engine::CoupleReading& reading,
                                                               platform::Desktop& desktop,
                                                               QWidget* parent)
    : QMainWindow(parent), reading_(reading), desktop_(desktop),
      ui_(std::make_unique<Ui::frmFengShuiCompatibilityResult>()) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    findControls();
    applyLayoutDetails();
    load();
    showReading();
    adjustSize(); // the menu bar comes on top of the form
    fixSizeAndCentre(this);
    // The reading has the focus when the window opens, however it comes to the front: the
    // first stop of the tab order is the forum link, where Enter would open the browser.
    ui_->TS->setFocus();
    connectWebCommands(this, desktop_);
    connect(ui_->TS, &QTabBar::currentChanged, ui_->stkPanels, &QStackedWidget::setCurrentIndex);
    connect(ui_->cmdBack, &QPushButton::clicked, this,
            &frmFengShuiCompatibilityResult::backRequested);
    connect(ui_->mnuBack, &QAction::triggered, this,
            &frmFengShuiCompatibilityResult::backRequested);
    connect(ui_->mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(new ReadingDrop(this), &ReadingDrop::dropped, this,
            &frmFengShuiCompatibilityResult::readingFileDropped);
    connect(ui_->cmdPrint, &QPushButton::clicked, this, &frmFengShuiCompatibilityResult::save);
    connect(ui_->mnuPrint, &QAction::triggered, this, &frmFengShuiCompatibilityResult::save);
    connect(ui_->mnuPrintReading, &QAction::triggered, this,
            &frmFengShuiCompatibilityResult::printReading);
    connect(ui_->mnuExportPdf, &QAction::triggered, this,
            &frmFengShuiCompatibilityResult::exportPdf);
    connect(ui_->mnuHomePlan, &QAction::triggered, this,
            &frmFengShuiCompatibilityResult::planRequested);
    connect(fraDirections, &DirectionsPanel::planRequested, this,
            &frmFengShuiCompatibilityResult::planRequested);
    connect(fraDirections, &DirectionsPanel::homeChanged, this,
            &frmFengShuiCompatibilityResult::homeChanged);
}

frmFengShuiCompatibilityResult::~frmFengShuiCompatibilityResult() = default;

void frmFengShuiCompatibilityResult::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}

void frmFengShuiCompatibilityResult::findControls() {
    fraResult = controlArray<QFrame, 3>(this, "fraResult");
    lblFengShuiKuaNo = controlArray<QLabel, 2>(this, "lblFengShuiKuaNo");
    lblFengShuiColour = controlArray<QLabel, 2>(this, "lblFengShuiColour");
    imgColour = controlArray<QLabel, 2>(this, "imgColour");
    lblFengShuiElement = controlArray<QLabel, 2>(this, "lblFengShuiElement");
    imgElement = controlArray<QLabel, 2>(this, "imgElement");
    lblFengShuiGroup = controlArray<QLabel, 2>(this, "lblFengShuiGroup");
    lblElementDesc = controlArray<QLabel, 2>(this, "lblElementDesc");
    lblFengShuiTrigram = controlArray<QLabel, 2>(this, "lblFengShuiTrigram");
    imgTrigram = controlArray<QLabel, 2>(this, "imgTrigram");
    lblLabel = controlArray<QLabel, 18>(this, "lblLabel");
    lblResult = controlArray<QLabel, 18>(this, "lblResult");
    lblCompatibility = controlArray<QLabel, 2>(this, "lblCompatibility");
    lblName = controlArray<QLabel, 1>(this, "lblName");
}

// What a form file cannot say: fractional font sizes, the tabs, the panel colour, the fixed
// labels sized to their text.
void frmFengShuiCompatibilityResult::applyLayoutDetails() {
    keepOwnLook(this);
    applyFonts(this, kFonts);
    insertHost(ui_->Label14, hosts::MainSite);
    // One line across the window: as tall as the font needs, so the underline is not cut.
    ui_->Label14->resize(ui_->Label14->width(),
                         std::max(ui_->Label14->height(), ui_->Label14->sizeHint().height()));
    fraDirections = new DirectionsPanel(reading_, desktop_, ui_->stkPanels);
    // Each tab and its panel, in order: the panel becomes a page of the stack, which shows only
    // the page of the current tab (the others are hidden, so screen readers meet only it). The
    // form lays its three panels where the stack stands.
    const std::pair<const char*, QFrame*> tabs[] = {
        {QT_TR_NOOP("Your Kua Number"), fraResult[0]},
        {QT_TR_NOOP("Your Partner's Kua Number"), fraResult[1]},
        {QT_TR_NOOP("Trigram Compatibility"), fraResult[2]},
        {QT_TR_NOOP("Your Directions"), fraDirections},
    };
    for (const auto& [text, panel] : tabs) {
        ui_->TS->addTab(tr(text));
        ui_->stkPanels->addWidget(panel);
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, QColor(224, 224, 224));
        panel->setPalette(palette);
    }
    fitTabs(ui_->TS);
    // The directions scroll: Tab from the tabs reaches them next, while their tab is in front.
    QWidget::setTabOrder(ui_->TS, fraDirections->keyboardEntry());
    // The promotion labels lie on top of each other, the fully branded offer in front.
    bringToFront(ui_->lblFullBrand, {ui_->lblCobrand, ui_->lblFullBrand});
    // A longer word for Save takes the room between the offer and the button.
    widenLeftwards(ui_->cmdPrint, std::max(ui_->lblFullBrand->geometry().right(),
                                           ui_->lblCobrand->geometry().right()));
    for (const auto& pictures : {imgColour, imgElement, imgTrigram}) {
        for (QLabel* picture : pictures) {
            picture->setAccessibleName(tr("No picture"));
        }
    }
    for (QLabel* label : findChildren<QLabel*>()) {
        const bool keepsItsBox = label->objectName().startsWith(QLatin1String("lblElementDesc")) ||
                                 label->objectName().startsWith(QLatin1String("img")) ||
                                 label->objectName() == QLatin1String("lblCobrand") ||
                                 label->objectName() == QLatin1String("lblFullBrand") ||
                                 label->objectName() == QLatin1String("Label14");
        if (keepsItsBox) {
            continue;
        }
        // The group line's pieces stand centred in their box: one that needs more room than the
        // form gave it ("본명궁으로 보면") grows to both sides.
        const int formCentre = label->geometry().center().x();
        const int formWidth = label->width();
        sizeToText(label);
        const bool groupLinePiece =
            label->objectName().startsWith(QLatin1String("lblGroupUpper")) ||
            label->objectName().startsWith(QLatin1String("lblGroupLower"));
        if (groupLinePiece && label->width() > formWidth) {
            label->move(formCentre - label->width() / 2, label->y());
        }
    }
}

void frmFengShuiCompatibilityResult::load() {
    setSizedText(lblName[0], titledName(reading_.Self.Sex == "Male", reading_.Self.Name));
    ui_->TS->setCurrentIndex(0);
}

void frmFengShuiCompatibilityResult::showReading() {
    showPerson(0);
    showPerson(1);
    showTrigramRows(0);
    showTrigramRows(1);
    setSizedText(lblCompatibility[0], shownPair(reading_.PairKey));
    setSizedText(lblCompatibility[1], shownWord(reading_.Rating, "rating"));
}

void frmFengShuiCompatibilityResult::showPerson(int i) {
    const auto index = static_cast<std::size_t>(i);
    const engine::PersonReading& person = i == 0 ? reading_.Self : reading_.Partner;
    setSizedText(lblFengShuiKuaNo[index], QString::number(person.KuaNumber));
    setSizedText(lblFengShuiColour[index], shownWord(person.Colour, "colour"));
    // A colour's name longer in the user's language wraps beside its picture.
    wrapBefore(lblFengShuiColour[index], imgColour[index]->x() - 4);
    showPicture(imgColour[index], IMGColours, person.ColourPicture, "colour");
    setSizedText(lblFengShuiElement[index], shownWord(person.Element, "element"));
    showPicture(imgElement[index], IMGElements, person.ElementPicture, "element");
    setSizedText(lblFengShuiGroup[index], shownWord(person.Group, "group"));
    lblElementDesc[index]->setText(shownWord(person.ElementDescription));
    setSizedText(lblFengShuiTrigram[index], shownWord(person.Trigram, "trigram"));
    showPicture(imgTrigram[index], IMGTrigrams, person.TrigramPicture, "trigram");
}

void frmFengShuiCompatibilityResult::showTrigramRows(int i) {
    const engine::PersonReading& person = i == 0 ? reading_.Self : reading_.Partner;
    const auto first = static_cast<std::size_t>(9 * i);
    setSizedText(lblResult[first], shownWord(person.ListColour, "colour"));
    for (std::size_t k = 0; k < person.Directions.size(); ++k) {
        setSizedText(lblResult[first + 1 + k], shownWord(person.Directions[k], "direction"));
    }
    // The names of the directions are longer in some languages: their values move over.
    const std::span<QLabel* const> names(lblLabel.data() + first, 9);
    const std::span<QLabel* const> values(lblResult.data() + first, 9);
    makeRoomForColumn(names, values);
}

// The dialog's filter has called a saved reading "Rich Text Format" since the program's first
// version, although the file holds two Kua numbers and no text. It is kept word for word as the
// text users and translators know; what matters, the "*.fsc" pattern, is right.
void frmFengShuiCompatibilityResult::save() {
    writeChosenFile(
        desktop_, this,
        {.title = tr("Feng Shui Compatibility"),
         .filter = tr("Rich Text Format (*.fsc)"),
         .defaultSuffix = QStringLiteral("fsc"),
         .confirmOverwrite = true},
        [this](const QString& path) {
            return writeReadingFile(path, {reading_.Self.KuaNumber, reading_.Partner.KuaNumber});
        },
        tr("Could Not Save The File.\n%1"));
}

// A print that does not complete is said, as a failed save is: the user must not wait at the
// printer for a page that never comes.
void frmFengShuiCompatibilityResult::printReading() {
    const std::unique_ptr<QTextDocument> page = readingPage(
        reading_, desktop_.now().date(), readHomeHouse(desktop_, settingsApplication()));
    const platform::PrintResult result = desktop_.printDocument(this, *page);
    if (result.failed) {
        desktop_.showMessage(this,
                             tr("Could Not Print The Reading.\n%1").arg(result.reason).trimmed(),
                             platform::MessageIcon::Critical);
    }
}

void frmFengShuiCompatibilityResult::exportPdf() {
    writeChosenFile(
        desktop_, this,
        {.title = tr("Export as PDF"),
         .filter = tr("PDF Files (*.pdf)"),
         .defaultSuffix = QStringLiteral("pdf"),
         .confirmOverwrite = true},
        [this](const QString& path) {
            const std::unique_ptr<QTextDocument> page = readingPage(
                reading_, desktop_.now().date(), readHomeHouse(desktop_, settingsApplication()));
            return writeReadingPdf(path, *page);
        },
        tr("Could Not Export The File.\n%1"));
}

} // namespace ui
