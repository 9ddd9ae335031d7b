#pragma once

#include "compass/house.h"
#include "engine/couple_reading.h"
#include "ui/common/home_plan.h"
#include "ui/plan/plan_drawing.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace platform {
class Desktop;
}

namespace ui {

class PlanView;

// The plan of the couple's home: a picture of it, turned to North, its centre marked, and the
// house's and both partners' eight sectors (or a 3×3 grid) laid over the rooms. The picture is
// kept in the user's data with the home, and the plan comes back at the next start until the
// home or the plan is forgotten. It can be put on paper or into a PDF on a page of its own.
class frmHomePlan : public QMainWindow {
    Q_OBJECT

public:
    frmHomePlan(engine::CoupleReading reading, platform::Desktop& desktop,
                QWidget* parent = nullptr);
    // A change not yet kept is kept as the window goes.
    ~frmHomePlan() override;

    // Opens a plan's picture from outside: the Open dialog's choice, or a file dropped here.
    void openPlan(const QString& path);
    // The home's facing or its plan changed elsewhere: the house is read again, and a plan
    // forgotten there leaves this window too.
    void homeChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    QWidget* buildOptions();
    void askForPlan();
    void openKeptPlan();
    void showPicture(const QImage& picture);
    void showScene();
    void keep();
    void keepNow();
    void forgetPlan();
    void alignWithDoor(QPointF door);
    void takeNorth(double north);
    void takeCentre(QPointF centre);
    void printPlan();
    void exportPlan();
    PlanScene scene() const;

    engine::CoupleReading reading_;
    platform::Desktop& desktop_;
    std::optional<compass::House> house_;
    std::optional<HomePlan> plan_;
    QImage picture_;
    bool opening_ = false;
    bool keptLooked_ = false;
    QTimer* keepTimer_ = nullptr;

    PlanView* viewPlan = nullptr;
    QPushButton* cmdOpenPlan = nullptr;
    QDoubleSpinBox* spnNorth = nullptr;
    QPushButton* cmdAlignDoor = nullptr;
    QComboBox* cboDivision = nullptr;
    std::array<QCheckBox*, 3> chkShow{}; // the house, the user, the partner
    QPushButton* cmdForgetPlan = nullptr;
    QListWidget* lstRegions = nullptr;
    QLabel* lblSpot = nullptr;
    QLabel* lblPlanHelp = nullptr;
    std::array<QAction*, 2> paperActions{}; // Export Plan as PDF…, Print Plan…
};

} // namespace ui
