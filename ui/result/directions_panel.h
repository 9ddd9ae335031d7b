#pragma once

#include "engine/couple_reading.h"

#include <QFrame>

#include <array>

class QLabel;
class QScrollArea;

namespace platform {
class Desktop;
}

namespace ui {

class CompassView;
class HouseBox;

// The result window's fourth tab: each person's eight directions as a compass, the couple's
// with both partners' stars, the shades' legend, what the two can put where, and their house:
// its facing, its chart and how each of the two fits it. It scrolls,
// so that the charts are large enough to read in every language. Its contents are built when
// the tab is first shown, so that a reading opens as fast as before the tab had them.
class DirectionsPanel : public QFrame {
    Q_OBJECT

public:
    DirectionsPanel(engine::CoupleReading reading, platform::Desktop& desktop, QWidget* parent);

    // What takes the keyboard: the scrolling contents, next after the tabs.
    QWidget* keyboardEntry() const;

signals:
    // The user asked for the plan of their home, or changed or forgot their home.
    void planRequested();
    void homeChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildContents();
    void sizeCharts();
    void showHouse();

    engine::CoupleReading reading_;
    platform::Desktop& desktop_;

    QScrollArea* scroller_ = nullptr;
    std::array<CompassView*, 3> charts_{};
    HouseBox* house_ = nullptr;
    QLabel* ringsLegend_ = nullptr;
};

} // namespace ui
