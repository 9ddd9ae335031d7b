#include "ui/plan/frm_home_plan.h"

#include "platform/desktop.h"
#include "platform/whole_file.h"
#include "ui/common/house_words.h"
#include "ui/common/program_settings.h"
#include "ui/common/reading_file_io.h"
#include "ui/common/reading_words.h"
#include "ui/plan/plan_picture.h"
#include "ui/plan/plan_view.h"
#include "ui/result/reading_page.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>

namespace ui {
namespace {

// How long the plan waits after a change before it is kept, so that a drag writes once.
constexpr int kKeepAfterMs = 400;

QLabel* wrappedLabel(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// The one local file a drop brings, or nothing: several files, a folder's address, a web
// address are not a plan.
QString droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile()) {
        return {};
    }
    return data->urls().front().toLocalFile();
}

} // namespace

frmHomePlan::frmHomePlan(engine::CoupleReading reading, platform::Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), reading_(std::move(reading)), desktop_(desktop) {
    setObjectName(QStringLiteral("frmHomePlan"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Your Home"));
    setAcceptDrops(true);
    house_ = readHomeHouse(desktop_, settingsApplication());
    keepTimer_ = new QTimer(this);
    keepTimer_->setSingleShot(true);
    keepTimer_->setInterval(kKeepAfterMs);
    connect(keepTimer_, &QTimer::timeout, this, &frmHomePlan::keepNow);
    buildControls();
    buildMenu();
    showScene();
    // Large enough for a plan beside its options, and never larger than the screen.
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(1100, screen.width() * 9 / 10), std::min(760, screen.height() * 9 / 10));
}

frmHomePlan::~frmHomePlan() {
    if (keepTimer_->isActive()) {
        keepNow();
    }
}

void frmHomePlan::buildControls() {
    viewPlan = new PlanView(this);
    viewPlan->setObjectName(QStringLiteral("viewPlan"));
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->addWidget(viewPlan, 1);
    row->addWidget(buildOptions());
    setCentralWidget(central);

    connect(viewPlan, &PlanView::centreMoved, this, &frmHomePlan::takeCentre);
    connect(viewPlan, &PlanView::northTurned, this, &frmHomePlan::takeNorth);
    connect(viewPlan, &PlanView::doorPicked, this, &frmHomePlan::alignWithDoor);
    connect(viewPlan, &PlanView::doorPickCancelled, this, [this] { lblSpot->clear(); });
    connect(viewPlan, &PlanView::spotChanged, this, [this](const QString& text) {
        if (!viewPlan->pickingDoor()) {
            lblSpot->setText(text);
        }
    });
}

QWidget* frmHomePlan::buildOptions() {
    auto* options = new QWidget(this);
    options->setFixedWidth(std::max(300, fontMetrics().averageCharWidth() * 42));
    cmdOpenPlan = new QPushButton(tr("Open Plan..."), options);
    cmdOpenPlan->setObjectName(QStringLiteral("cmdOpenPlan"));
    spnNorth = new QDoubleSpinBox(options);
    spnNorth->setObjectName(QStringLiteral("spnNorth"));
    spnNorth->setRange(0, 359.9);
    spnNorth->setDecimals(1);
    spnNorth->setWrapping(true);
    spnNorth->setSuffix(QStringLiteral("\u00B0"));
    spnNorth->setLocale(shownLocale());
    spnNorth->setAccessibleName(tr("North, in degrees clockwise from the plan's top"));
    cmdAlignDoor = new QPushButton(tr("Align with the Front Door"), options);
    cmdAlignDoor->setObjectName(QStringLiteral("cmdAlignDoor"));
    cboDivision = new QComboBox(options);
    cboDivision->setObjectName(QStringLiteral("cboDivision"));
    cboDivision->addItems({tr("Eight sectors"), tr("A 3 \u00D7 3 grid")});
    // A check box's text starts with a capital, also "You" for a reading that has no names.
    const auto capitalised = [](QString name) {
        if (!name.isEmpty()) {
            name[0] = name[0].toUpper();
        }
        return name;
    };
    const CoupleNames names = coupleNames(reading_);
    const std::array<QString, 3> shown = {tr("The house"), capitalised(names.self),
                                          capitalised(names.partner)};
    for (std::size_t i = 0; i < chkShow.size(); ++i) {
        chkShow[i] = new QCheckBox(shown[i], options);
        chkShow[i]->setObjectName(QStringLiteral("chkShow_%1").arg(i));
        chkShow[i]->setChecked(true);
        connect(chkShow[i], &QCheckBox::toggled, this, &frmHomePlan::showScene);
    }
    lstRegions = new QListWidget(options);
    lstRegions->setObjectName(QStringLiteral("lstRegions"));
    lstRegions->setAccessibleName(tr("What each part of the plan holds"));
    lstRegions->setWordWrap(true);
    lstRegions->setAlternatingRowColors(true);
    lblSpot = wrappedLabel(options, QStringLiteral("lblSpot"));
    lblSpot->setMinimumHeight(fontMetrics().lineSpacing() * 3);
    lblSpot->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPlanHelp = wrappedLabel(
        options, QStringLiteral("lblPlanHelp"),
        tr("The centre: draw the rectangle around the home; its diagonals cross at the centre. "
           "A part missing or sticking out by less than a third of its side counts as inside. "
           "Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move "
           "it, Ctrl and the arrows move the centre, + and \u2212 zoom, 0 fits it."));
    cmdForgetPlan = new QPushButton(tr("Forget This Plan"), options);
    cmdForgetPlan->setObjectName(QStringLiteral("cmdForgetPlan"));

    auto* northCaption = wrappedLabel(options, QStringLiteral("lblNorthCaption"),
                                      tr("&North, clockwise from the plan's top:"));
    northCaption->setBuddy(spnNorth);
    auto* divisionCaption =
        wrappedLabel(options, QStringLiteral("lblDivisionCaption"), tr("&Divide the plan into:"));
    divisionCaption->setBuddy(cboDivision);
    auto* column = new QVBoxLayout(options);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(cmdOpenPlan);
    column->addWidget(northCaption);
    column->addWidget(spnNorth);
    column->addWidget(cmdAlignDoor);
    column->addWidget(divisionCaption);
    column->addWidget(cboDivision);
    column->addWidget(wrappedLabel(options, QStringLiteral("lblShowCaption"), tr("Show:")));
    for (QCheckBox* check : chkShow) {
        column->addWidget(check);
    }
    column->addWidget(lstRegions, 1);
    column->addWidget(lblSpot);
    column->addWidget(lblPlanHelp);
    column->addWidget(cmdForgetPlan);

    connect(cmdOpenPlan, &QPushButton::clicked, this, &frmHomePlan::askForPlan);
    connect(spnNorth, &QDoubleSpinBox::valueChanged, this, &frmHomePlan::takeNorth);
    connect(cmdAlignDoor, &QPushButton::clicked, this, [this] {
        lblSpot->setText(tr("Click the front door on the plan, or move the marker with the "
                            "arrows and press Enter."));
        viewPlan->pickDoor();
    });
    connect(cboDivision, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (plan_) {
            plan_->division = index == 1 ? HomePlan::Division::Grid : HomePlan::Division::Sectors;
            keep();
        }
        showScene();
    });
    connect(lstRegions, &QListWidget::currentRowChanged, this, [this](int row) {
        viewPlan->setHighlight(row < 0 ? std::nullopt
                                       : std::optional<std::size_t>(static_cast<std::size_t>(row)));
        if (row >= 0) {
            lblSpot->setText(lstRegions->item(row)->text());
        }
    });
    connect(cmdForgetPlan, &QPushButton::clicked, this, &frmHomePlan::forgetPlan);
    QWidget::setTabOrder(viewPlan, cmdOpenPlan);
    return options;
}

void frmHomePlan::buildMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuPlanFile"));
    QAction* open = file->addAction(tr("&Open Plan..."), this, &frmHomePlan::askForPlan);
    open->setShortcut(QKeySequence::Open);
    paperActions[0] = file->addAction(tr("&Export Plan as PDF..."), this, &frmHomePlan::exportPlan);
    paperActions[0]->setObjectName(QStringLiteral("mnuExportPlan"));
    paperActions[1] = file->addAction(tr("&Print Plan..."), this, &frmHomePlan::printPlan);
    paperActions[1]->setObjectName(QStringLiteral("mnuPrintPlan"));
    paperActions[1]->setShortcut(QKeySequence::Print);
    file->addSeparator();
    file->addAction(tr("&Close"), QKeySequence::Close, this, &QWidget::close);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(tr("Zoom &In"), QKeySequence::ZoomIn, this, [this] { viewPlan->zoomBy(1.25); });
    view->addAction(tr("Zoom &Out"), QKeySequence::ZoomOut, this,
                    [this] { viewPlan->zoomBy(1 / 1.25); });
    view->addAction(tr("&Fit the Plan"), QKeySequence(Qt::CTRL | Qt::Key_0), this,
                    [this] { viewPlan->fitPlan(); });
}

void frmHomePlan::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The kept plan is read once the window is up, so that it opens at once.
    if (!keptLooked_) {
        keptLooked_ = true;
        QTimer::singleShot(0, this, &frmHomePlan::openKeptPlan);
    }
}

void frmHomePlan::askForPlan() {
    const QString path = desktop_.askOpenFile(this, {.title = tr("Open the Plan of Your Home"),
                                                     .filter = tr("Plans (*.png *.jpg *.jpeg)"),
                                                     .defaultSuffix = {},
                                                     .fileMustExist = true});
    if (!path.isEmpty()) {
        openPlan(path);
    }
}

void frmHomePlan::openKeptPlan() {
    const std::optional<HomePlan> kept = readHomePlan(desktop_, settingsApplication());
    if (!kept || plan_) {
        return;
    }
    const PlanPicture picture = openPlanPicture(desktop_, keptPlanPath(desktop_));
    if (picture.fault != PlanFault::None) {
        desktop_.showMessage(this,
                             tr("The kept plan of your home could not be opened again.\n%1")
                                 .arg(planFaultText(picture.fault)),
                             platform::MessageIcon::Critical);
        // A copy that is gone or damaged is forgotten, so that the message comes once; one
        // that was only slow to arrive is tried again next time.
        if (picture.fault != PlanFault::TooLate) {
            forgetHomePlan(desktop_, settingsApplication());
        }
        return;
    }
    plan_ = kept;
    showPicture(picture.image);
}

void frmHomePlan::openPlan(const QString& path) {
    // One plan at a time: the window's events go on while a picture is read.
    if (opening_) {
        return;
    }
    opening_ = true;
    setEnabled(false);
    const PlanPicture picture = openPlanPicture(desktop_, path);
    setEnabled(true);
    opening_ = false;
    if (picture.fault != PlanFault::None) {
        desktop_.showMessage(this, planFaultText(picture.fault), platform::MessageIcon::Critical);
        return;
    }
    // The program's own copy, so that the plan stays when the file moves. A new plan starts
    // upright, its centre in the middle, divided as the last one was.
    const QString keptPath = keptPlanPath(desktop_);
    const QString failure = keptPath.isEmpty() ? tr("There is no folder to keep it in.")
                                               : platform::writeWholeFile(keptPath, picture.bytes);
    const HomePlan::Division division = plan_ ? plan_->division : HomePlan::Division::Sectors;
    plan_ = HomePlan{0, {0.5, 0.5}, division};
    if (failure.isEmpty()) {
        writeHomePlan(desktop_, settingsApplication(), *plan_);
    } else {
        desktop_.showMessage(
            this,
            tr("The plan is shown, but it could not be kept for the next start.\n%1").arg(failure),
            platform::MessageIcon::Critical);
    }
    showPicture(picture.image);
}

void frmHomePlan::showPicture(const QImage& picture) {
    picture_ = picture;
    viewPlan->setScene(scene());
    viewPlan->setPicture(picture_);
    showScene();
    viewPlan->setFocus();
}

PlanScene frmHomePlan::scene() const {
    PlanScene scene;
    scene.charts = planCharts(reading_, house_);
    scene.charts.showHouse = chkShow[0]->isChecked();
    scene.charts.showSelf = chkShow[1]->isChecked();
    scene.charts.showPartner = chkShow[2]->isChecked();
    if (!plan_ || picture_.isNull()) {
        return scene;
    }
    scene.size = QSizeF(picture_.size());
    scene.frame = {
        {plan_->centre.x() * scene.size.width(), plan_->centre.y() * scene.size.height()},
        plan_->north};
    scene.grid = plan_->division == HomePlan::Division::Grid;
    return scene;
}

void frmHomePlan::showScene() {
    const PlanScene shown = scene();
    const bool hasPlan = plan_.has_value() && !picture_.isNull();
    viewPlan->setScene(shown);
    {
        const QSignalBlocker quiet(spnNorth);
        spnNorth->setValue(plan_ ? plan_->north : 0);
    }
    {
        const QSignalBlocker quiet(cboDivision);
        cboDivision->setCurrentIndex(shown.grid ? 1 : 0);
    }
    const int current = lstRegions->currentRow();
    {
        const QSignalBlocker quiet(lstRegions);
        lstRegions->clear();
        if (hasPlan) {
            for (const PlanRegion& region : planRegions(shown)) {
                lstRegions->addItem(regionText(shown, region));
            }
            lstRegions->setCurrentRow(std::min(current, lstRegions->count() - 1));
        }
    }
    chkShow[0]->setEnabled(house_.has_value());
    chkShow[0]->setToolTip(house_ ? QString()
                                  : tr("Enter your house's facing on the Your Directions tab."));
    for (QWidget* control : std::initializer_list<QWidget*>{spnNorth, cmdAlignDoor, cboDivision,
                                                            lstRegions, cmdForgetPlan}) {
        control->setEnabled(hasPlan);
    }
    cmdAlignDoor->setEnabled(hasPlan && readHomeFacing(desktop_, settingsApplication()));
    cmdAlignDoor->setToolTip(cmdAlignDoor->isEnabled()
                                 ? QString()
                                 : tr("Enter your house's facing on the Your Directions tab."));
    for (QAction* action : paperActions) {
        action->setEnabled(hasPlan);
    }
}

// Every change is kept, once the hand has stopped for a moment.
void frmHomePlan::keep() {
    keepTimer_->start();
}

void frmHomePlan::keepNow() {
    keepTimer_->stop();
    if (plan_) {
        writeHomePlan(desktop_, settingsApplication(), *plan_);
    }
}

void frmHomePlan::takeNorth(double north) {
    if (!plan_) {
        return;
    }
    plan_->north = north >= 360 ? 0 : north;
    keep();
    showScene();
}

void frmHomePlan::takeCentre(QPointF centre) {
    if (!plan_ || picture_.isNull()) {
        return;
    }
    plan_->centre = {centre.x() / picture_.width(), centre.y() / picture_.height()};
    keep();
    showScene();
}

void frmHomePlan::alignWithDoor(QPointF door) {
    const std::optional<double> facing = readHomeFacing(desktop_, settingsApplication());
    const PlanScene shown = scene();
    const auto north =
        facing ? compass::NorthForDoor(shown.frame.Centre, {door.x(), door.y()}, *facing)
               : std::nullopt;
    if (!north) {
        lblSpot->setText(tr("The front door cannot be the centre. Please pick it again."));
        return;
    }
    // To the tenth of a degree the North box shows.
    takeNorth(std::round(*north * 10) / 10);
    lblSpot->setText(northText(plan_->north));
}

void frmHomePlan::forgetPlan() {
    forgetHomePlan(desktop_, settingsApplication());
    plan_.reset();
    showPicture(QImage());
    cmdOpenPlan->setFocus();
}

void frmHomePlan::homeChanged() {
    house_ = readHomeHouse(desktop_, settingsApplication());
    if (plan_ && !readHomePlan(desktop_, settingsApplication())) {
        plan_.reset();
        showPicture(QImage());
        return;
    }
    showScene();
}

void frmHomePlan::printPlan() {
    const std::unique_ptr<QTextDocument> page = planPage(picture_, scene(), desktop_.now().date());
    const platform::PrintResult result = desktop_.printDocument(this, *page);
    if (result.failed) {
        desktop_.showMessage(this, tr("Could Not Print The Plan.\n%1").arg(result.reason).trimmed(),
                             platform::MessageIcon::Critical);
    }
}

void frmHomePlan::exportPlan() {
    writeChosenFile(
        desktop_, this,
        {.title = tr("Export Plan as PDF"),
         .filter = tr("PDF Files (*.pdf)"),
         .defaultSuffix = QStringLiteral("pdf"),
         .confirmOverwrite = true},
        [this](const QString& path) {
            const std::unique_ptr<QTextDocument> page =
                planPage(picture_, scene(), desktop_.now().date());
            return writeReadingPdf(path, *page);
        },
        tr("Could Not Export The File.\n%1"));
}

void frmHomePlan::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmHomePlan::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Read once the drop is over, so that the program it came from is not kept waiting.
    QTimer::singleShot(0, this, [this, path] { openPlan(path); });
}

} // namespace ui
