#pragma once

#include <QFrame>

#include <array>

class QLabel;

namespace engine {
struct CoupleReading;
}

namespace ui {

class CompassView;

// The result window's fourth tab: each person's eight directions as a compass, and the
// couple's, with the directions good for both named in a sentence below.
class DirectionsPanel : public QFrame {
    Q_OBJECT

public:
    DirectionsPanel(const engine::CoupleReading& reading, QWidget* parent);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<CompassView*, 3> charts_{};
    std::array<QLabel*, 3> captions_{};
    std::array<QLabel*, 2> countedYears_{}; // under the user's chart and the partner's
    QLabel* legend_ = nullptr;
    QLabel* lblGoodForBoth = nullptr;
};

} // namespace ui
