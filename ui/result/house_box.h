#pragma once

#include "compass/house.h"
#include "engine/couple_reading.h"

#include <QGroupBox>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class CompassView;
}

namespace platform {
class Desktop;
}

namespace ui {

// Where the user gives their house's facing, in degrees or as one of the eight directions, and
// what it says: the house, its chart of eight stars, and how each of the two fits it. The
// facing is kept as the user's home and offered again at every reading until it is changed or
// forgotten.
class HouseBox : public QGroupBox {
    Q_OBJECT

public:
    HouseBox(const engine::CoupleReading& reading, platform::Desktop& desktop, QWidget* parent);

    // The house's chart as large as a person's.
    void setChartSide(int side);
    // What takes the keyboard here, in order: the degrees, the direction, Forget, the plan.
    std::array<QWidget*, 4> keyboardFields() const;

    // The house, when the facing names one clear of a line.
    const std::optional<compass::House>& house() const { return house_; }

signals:
    // The facing changed, or the home was forgotten with its plan.
    void houseChanged();
    void planRequested();

private:
    void takeFacing(const QString& text, bool keep);
    void showHouse();
    void chooseDirection(int index);
    void forget();

    const engine::CoupleReading& reading_;
    platform::Desktop& desktop_;
    std::optional<compass::House> house_;

    QLineEdit* txtFacing = nullptr;
    QComboBox* cboFacing = nullptr;
    QPushButton* cmdForgetHome = nullptr;
    QPushButton* cmdHomePlan = nullptr;
    QLabel* lblHouse = nullptr;
    CompassView* chartHouse = nullptr;
    std::array<QLabel*, 2> lblHouseFit{};
};

} // namespace ui
